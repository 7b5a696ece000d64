#pragma once
// The commands that need MIDI and the synthesizer. They are built into
// cantrel-cli-sound.so, which cantrel-cli loads only to run one of them, so
// that the other commands start without the sound libraries and QtCore.

#include <string>
#include <vector>

#include "cli/cli_commands.h"

int SoundDevicesCommand(const std::vector<std::string>& args);
int SoundPlayCommand(const std::vector<std::string>& args);
int SoundMonitorCommand(const std::vector<std::string>& args);

// The module's one entry point: the command of that name, or null.
extern "C" CommandHandler CantrelSoundCommand(const char* name);

// cantrel-cli devices : the MIDI output and input devices with their numbers,
// as the preferences list them; "*" marks the one the settings choose. Then
// the ports a running program offers as its own, for other programs to
// connect to.
#include <cstdio>

#include "cli/sound/sound_commands.h"
#include "cli/cli_exit_codes.h"
#include "cli/cli_output.h"
#include "core/midi/midi_backend.h"
#include "core/midi/midi_dev.h"
#include "core/midi/rtmidi_ports.h"

namespace {

// Lines of a device list and the identifier of its first line.
void PrintDevices(const char* title, const TComboBoxData& list, int firstId)
{
    std::printf("%s\n", title);
    for (std::size_t i = 0; i < list.strings.size(); ++i) {
        const bool chosen = static_cast<int>(i) == list.selectionIndex;
        std::printf("%c %3d  %s\n", chosen ? '*' : ' ', firstId + static_cast<int>(i), list.strings[i].c_str());
    }
}

}  // namespace

int SoundDevicesCommand(const std::vector<std::string>& args)
{
    if (!args.empty()) return UsageError("devices takes no arguments");
    TComboBoxData outputs;
    MidiDev::FillMidiDevList(outputs, 0, true);
    TComboBoxData inputs;
    MidiDev::FillMidiDevList(inputs, 1, false);
    PrintDevices("Output devices:", outputs, MidiDev::PrimaryDevice);
    PrintDevices("Input devices:", inputs, -1);
    std::printf("Own ports of %s (while the program runs):\n", MidiClientName);
    const auto own = CurrentMidiBackend().OwnPortsOnTheSystem();
    for (const std::string& port : own) std::printf("       %s\n", port.c_str());
    if (own.empty()) std::printf("       none now\n");
    const MidiStatus ports = CurrentMidiBackend().PortStatus();
    if (!ports.Ok()) std::fprintf(stderr, "%s: no MIDI ports: %s\n", ProgramName, ports.detail.c_str());
    return ExitOk;
}

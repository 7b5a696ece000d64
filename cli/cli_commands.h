#pragma once
// The commands of cantrel-cli. Each lives in its own command_<name>.cpp and is
// listed once in command_table.cpp.

#include <span>
#include <string>
#include <vector>

// Runs a command with the arguments after its name; returns the exit status.
using CommandHandler = int (*)(const std::vector<std::string>& args);

// The definition lists a command answers from: without them its answers
// would be empty, so a settings file lacking one fails the run.
enum DefinitionNeeds : unsigned {
    NeedsNoDefinitions = 0,
    NeedsChords = 1u << 0,
    NeedsTunings = 1u << 1,
    NeedsScales = 1u << 2,
    NeedsKeys = 1u << 3,
};

// Commands only read the settings file, unless they say they write it: a
// reading command leaves the file byte for byte as it was, so that it never
// undoes what the program (or another command) writes at the same time.
enum class SettingsUse { Reads, Writes };

struct CliCommand {
    const char* name;
    const char* arguments;  // for the usage text, e.g. "NOTE..."
    const char* summary;
    CommandHandler run;
    unsigned needs = NeedsNoDefinitions;
    SettingsUse settings = SettingsUse::Reads;
};

std::span<const CliCommand> CliCommands();
const CliCommand* FindCliCommand(const std::string& name);

int RunTextCommand(const std::vector<std::string>& args);
int RunNameCommand(const std::vector<std::string>& args);
int RunKeysCommand(const std::vector<std::string>& args);
int RunScalesCommand(const std::vector<std::string>& args);
int RunStringsCommand(const std::vector<std::string>& args);
int RunDevicesCommand(const std::vector<std::string>& args);
int RunPlayCommand(const std::vector<std::string>& args);
int RunMonitorCommand(const std::vector<std::string>& args);
int RunStudioCommand(const std::vector<std::string>& args);
int RunFingeringsCommand(const std::vector<std::string>& args);
int RunChordsCommand(const std::vector<std::string>& args);

#pragma once
// The commands of cantrel-cli. Each lives in its own command_<name>.cpp and is
// listed once in command_table.cpp.

#include <span>
#include <string>
#include <vector>

// Runs a command with the arguments after its name; returns the exit status.
using CommandHandler = int (*)(const std::vector<std::string>& args);

struct CliCommand {
    const char* name;
    const char* arguments;  // for the usage text, e.g. "NOTE..."
    const char* summary;
    CommandHandler run;
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

#include "cli/cli_output.h"

#include <string>
#include <string_view>

#include "cli/cli_commands.h"
#include "cli/cli_exit_codes.h"
#include "cli/cli_options.h"
#include "core/services/error.h"
#include "core/services/file_names.h"

void PrintUsage(std::FILE* to)
{
    std::fprintf(to, "usage: %s [OPTIONS] COMMAND [ARGUMENTS]\n\nCommands:\n", ProgramName);
    for (const CliCommand& command : CliCommands()) {
        const std::string synopsis = std::string(command.name) + " " + command.arguments;
        std::fprintf(to, "  %-25s  %s\n", synopsis.c_str(), command.summary);
    }
    std::fprintf(to, "\nOptions:\n%s", GlobalOptionsHelp());
}

int UsageError(const std::string& problem)
{
    std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", ProgramName, problem.c_str(), ProgramName);
    return ExitUsage;
}

namespace {

int reportedMessages = 0;

constexpr int FirstSettingsEntryMessage = 401;
constexpr int LastSettingsEntryMessage = 405;
constexpr std::string_view ProgramSettingsName = "cantrel.ini";

// The messages about entries of the settings file (401-405) name the
// program's own, cantrel.ini; a file given with --ini is named as given.
std::string NamingTheSettingsFile(const ErrorReport& report)
{
    std::string text = report.text;
    const char* file = GetINIFileName();
    if (report.number < FirstSettingsEntryMessage || report.number > LastSettingsEntryMessage ||
        FilenameOnly(file) == ProgramSettingsName)
        return text;
    const std::size_t at = text.rfind(ProgramSettingsName);
    if (at != std::string::npos) text.replace(at, ProgramSettingsName.size(), std::string("'") + file + "'");
    return text;
}

}  // namespace

int ReportedMessageCount() { return reportedMessages; }

void InstallErrorPresenter()
{
    SetErrorPresenter([](const ErrorReport& report) {
        ++reportedMessages;
        std::fprintf(stderr, "%s: %d: %s\n", ProgramName, report.number, NamingTheSettingsFile(report).c_str());
        std::fflush(stderr);
    });
}

#include "cli/cli_output.h"

#include "cli/cli_commands.h"
#include "cli/cli_exit_codes.h"
#include "cli/cli_options.h"
#include "core/services/error.h"

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
    std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", ProgramName, problem.c_str(),
                 ProgramName);
    return ExitUsage;
}

namespace {
int reportedMessages = 0;
}

int ReportedMessageCount() { return reportedMessages; }

void InstallErrorPresenter()
{
    SetErrorPresenter([](const ErrorReport& report) {
        ++reportedMessages;
        std::fprintf(stderr, "%s: %d: %s\n", ProgramName, report.number, report.text.c_str());
        std::fflush(stderr);
    });
}

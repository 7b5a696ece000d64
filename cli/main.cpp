// cantrel-cli: the theory engine from the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_commands.h"
#include "cli/cli_exit_codes.h"
#include "cli/cli_options.h"
#include "cli/cli_output.h"
#include "cli/cli_startup.h"

int main(int argc, char** argv)
{
    InstallErrorPresenter();

    std::vector<std::string> args(argv + 1, argv + argc);
    GlobalOptions options;
    std::string problem;
    if (!ParseGlobalOptions(args, options, problem)) return UsageError(problem);
    if (options.help) {
        PrintUsage(stdout);
        return ExitOk;
    }
    if (args.empty()) {
        PrintUsage(stderr);
        return ExitUsage;
    }
    const CliCommand* command = FindCliCommand(args.front());
    if (!command) return UsageError("unknown command '" + args.front() + "'");

    if (!StartCore(options, *command)) return ExitFailure;
    args.erase(args.begin());
    const int messagesBefore = ReportedMessageCount();
    int status = command->run(args);
    // What a command reported (a broken studio line, a device that failed)
    // makes its answer incomplete, however much of it was written.
    if (status == ExitOk && ReportedMessageCount() > messagesBefore) status = ExitFailure;
    // A full disk or a closed pipe must not pass for an answer.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "%s: cannot write the output\n", ProgramName);
        if (status == ExitOk) status = ExitFailure;
    }
    return status;
}

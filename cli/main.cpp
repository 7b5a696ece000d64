// cantrel-cli: the theory engine from the command line.
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

    if (!StartCore(options)) return ExitFailure;
    args.erase(args.begin());
    return command->run(args);
}

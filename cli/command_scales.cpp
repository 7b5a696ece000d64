// cantrel-cli scales NOTE... : every scale and root that holds all the notes.
#include <cstdio>

#include "cli/chord_arguments.h"
#include "cli/cli_commands.h"
#include "cli/cli_exit_codes.h"
#include "cli/cli_output.h"
#include "core/theory/chord.h"

int RunScalesCommand(const std::vector<std::string>& args)
{
    if (args.empty()) return UsageError("scales needs at least one note");
    chord c;
    if (!ReadChordNotes(args, c)) return ExitUsage;
    CHORD_FIND_BUF search;
    char name[chord::ScaleFindSize];
    for (int found = c.FindFirstScale(name, search); found; found = c.FindNextScale(name, search))
        std::printf("%s\n", name);
    return ExitOk;
}

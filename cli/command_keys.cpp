// cantrel-cli keys NOTE... : every key of [Keys] that holds all the notes.
#include <cstdio>

#include "cli/chord_arguments.h"
#include "cli/cli_commands.h"
#include "cli/cli_exit_codes.h"
#include "cli/cli_output.h"
#include "core/theory/chord.h"

int RunKeysCommand(const std::vector<std::string>& args)
{
    if (args.empty()) return UsageError("keys needs at least one note");
    chord c;
    if (!ReadChordNotes(args, c)) return ExitUsage;
    CHORD_FIND_BUF search;
    char name[chord::KeyNameSize];
    for (int found = c.FindFirstKey(name, search); found; found = c.FindNextKey(name, search))
        std::printf("%s\n", name);
    return ExitOk;
}

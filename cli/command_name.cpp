// cantrel-cli name NOTE... : every name of the chord, one per line, in order.
// cantrel-cli name --batch : one chord per input line, its names tab-separated.
#include <cstdio>
#include <string>

#include "cli/chord_arguments.h"
#include "cli/cli_commands.h"
#include "cli/cli_exit_codes.h"
#include "cli/cli_output.h"
#include "core/theory/chord.h"
#include "core/theory/notes.h"

namespace {

// Every name of c in order, separated by `separator`, then a line end.
void PrintNames(const chord& c, char separator)
{
    CHORD_FIND_BUF search;
    char name[chord::ChordNameSize];
    bool first = true;
    for (int found = c.FindFirstName(name, search); found; found = c.FindNextName(name, search)) {
        if (!first) std::putchar(separator);
        std::fputs(name, stdout);
        first = false;
    }
    if (!first || separator == '\t') std::putchar('\n');
}

} // namespace

int RunNameCommand(const std::vector<std::string>& args)
{
    if (args.size() == 1 && args.front() == "--batch")
        return ForEachInputChord([](const chord& c) { PrintNames(c, '\t'); });
    if (args.empty()) return UsageError("name needs at least one note, or --batch");
    chord c;
    if (!ReadChordNotes(args, c)) return ExitUsage;
    PrintNames(c, '\n');
    return ExitOk;
}

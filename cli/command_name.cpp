// cantrel-cli name NOTE... : every name of the chord, one per line, in order.
// cantrel-cli name --batch : one chord per input line, its names tab-separated.
#include <cstdio>
#include <string>

#include "cli/chord_arguments.h"
#include "cli/cli_commands.h"
#include "cli/cli_exit_codes.h"
#include "cli/cli_output.h"
#include "core/theory/chord.h"
#include "core/theory/chord_name_table.h"

namespace {

// Every name of c in order, separated by `separator`, then a line end; `text`
// is room to build them in, kept from chord to chord.
void PrintNames(const chord& c, char separator, std::string& text)
{
    text.clear();
    AppendChordNames(c, separator, text);
    // A batch answers every line, also one without a name.
    if (!text.empty() || separator == '\t') text += '\n';
    std::fwrite(text.data(), 1, text.size(), stdout);
}

}  // namespace

int RunNameCommand(const std::vector<std::string>& args)
{
    std::string text;
    if (args.size() == 1 && args.front() == "--batch") {
        FillChordNameTable();
        return ForEachInputChord([&text](const chord& c) { PrintNames(c, '\t', text); });
    }
    if (args.empty()) return UsageError("name needs at least one note, or --batch");
    chord c;
    if (!ReadChordNotes(args, c)) return ExitUsage;
    PrintNames(c, '\n', text);
    return ExitOk;
}

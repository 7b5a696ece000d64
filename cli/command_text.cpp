// cantrel-cli text NOTE... : the chord's text form, as the clipboard gets it.
#include <cstdio>

#include "cli/chord_arguments.h"
#include "cli/cli_commands.h"
#include "cli/cli_exit_codes.h"
#include "cli/cli_output.h"
#include "core/theory/chord.h"

int RunTextCommand(const std::vector<std::string>& args)
{
    if (args.empty()) return UsageError("text needs at least one note");
    chord notes;
    if (!ReadChordNotes(args, notes, "", ExtraNotes::DropOldest)) return ExitUsage;
    char form[chord::TextFormSize];
    notes.ToString(form, sizeof form);
    std::printf("%s\n", form);
    return ExitOk;
}

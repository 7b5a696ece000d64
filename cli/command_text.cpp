// cantrel-cli text NOTE... : the chord's text form, as the clipboard gets it.
#include <cstdio>

#include "cli/cli_commands.h"
#include "cli/cli_exit_codes.h"
#include "cli/cli_output.h"
#include "core/theory/chord.h"
#include "core/theory/notes.h"

int RunTextCommand(const std::vector<std::string>& args)
{
    if (args.empty()) return UsageError("text needs at least one note");
    chord notes;
    for (const std::string& text : args) {
        NOTES n = NoNote;
        if (!ParseNote(text.c_str(), &n)) {
            std::fprintf(stderr, "%s: not a note: '%s'\n", ProgramName, text.c_str());
            return ExitUsage;
        }
        notes.AddNote(n);
    }
    char form[chord::TextFormSize];
    notes.ToString(form, sizeof form);
    std::printf("%s\n", form);
    return ExitOk;
}

#include "cli/cli_startup.h"

#include <cstdio>

#include "cli/cli_options.h"
#include "cli/cli_output.h"
#include "core/services/file_names.h"
#include "core/theory/definition_lists.h"
#include "core/theory/notes.h"

bool StartCore(const GlobalOptions& options)
{
    if (!options.iniPath.empty()) {
        // A settings file named on the command line must be there: without it
        // every answer would silently be empty.
        if (!Exists(options.iniPath.c_str())) {
            std::fprintf(stderr, "%s: cannot read settings file '%s'\n", ProgramName, options.iniPath.c_str());
            return false;
        }
        UseINIFileName(options.iniPath.c_str());
    } else if (!InitializeFileNames()) {
        // Reported (408): with no settings file there is nothing to answer from.
        return false;
    }

    // In the program's order; every list is tried so that each bad entry is
    // reported, and a bad one fails the run: its answers would be incomplete.
    bool loaded = InitializeChordList() != 0;
    loaded = InitializeTuningList() != 0 && loaded;
    loaded = InitializeScaleList() != 0 && loaded;
    loaded = InitializeKeyList() != 0 && loaded;
    // Loading read notes with octaves; the command's own notes start afresh.
    ResetParseNoteOctave();

    ApplyNamingOptions(options);
    return loaded;
}

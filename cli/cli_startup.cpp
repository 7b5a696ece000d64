#include "cli/cli_startup.h"

#include <cstdio>
#include <string>

#include "cli/cli_commands.h"
#include "cli/cli_options.h"
#include "cli/cli_output.h"
#include "core/services/atomic_file.h"
#include "core/services/file_names.h"
#include "core/services/oversized_file.h"
#include "core/services/profile.h"
#include "core/theory/default_definitions.h"
#include "core/theory/definition_lists.h"
#include "core/theory/notes.h"
#include "core/theory/shown_notes.h"

namespace {

// Text of key=value lines under [section] headers: a binary or UTF-16 file
// holds zero bytes, and one with anything but blank lines and comments has a
// section.
bool LooksLikeSettings(const std::string& bytes)
{
    if (bytes.find('\0') != std::string::npos) return false;
    bool onlyComments = true;
    for (std::size_t at = 0; at < bytes.size();) {
        std::size_t end = bytes.find('\n', at);
        if (end == std::string::npos) end = bytes.size();
        const std::size_t start = bytes.find_first_not_of(" \t\r", at);
        if (start < end) {
            if (bytes[start] == '[') return true;
            if (bytes[start] != ';') onlyComments = false;
        }
        at = end + 1;
    }
    return onlyComments;
}

// A FIFO, a device, a folder, a file far too large or one of another kind
// gives no settings; its empty answers would look like a chord without names.
bool CheckSettingsFile(const char* path)
{
    if (RefuseOversizedFile(path)) return false;
    std::string bytes;
    FileIdentity ignored;
    if (!ReadWholeFile(path, bytes, ignored)) {
        std::fprintf(stderr, "%s: cannot read settings file '%s'\n", ProgramName, path);
        return false;
    }
    if (!LooksLikeSettings(bytes)) {
        std::fprintf(stderr, "%s: '%s' is not a settings file\n", ProgramName, path);
        return false;
    }
    return true;
}

struct NeededList {
    unsigned need;
    const char* section;
    int (*count)();
};

bool HasNeededDefinitions(unsigned needs)
{
    static const NeededList lists[] = {{NeedsChords, "Chords", CountChordDefinitions},
                                       {NeedsTunings, "Tunings", CountTunings},
                                       {NeedsScales, "Scales", CountScales},
                                       {NeedsKeys, "Keys", CountKeys}};
    bool ok = true;
    for (const NeededList& list : lists)
        if ((needs & list.need) && list.count() == 0) {
            std::fprintf(stderr, "%s: settings file '%s' holds no [%s] definitions\n", ProgramName, GetINIFileName(),
                         list.section);
            ok = false;
        }
    return ok;
}

}  // namespace

bool StartCore(const GlobalOptions& options, const CliCommand& command)
{
    const bool writes = command.settings == SettingsUse::Writes;
    SetProfileChangesStayInMemory(!writes);
    if (!options.iniPath.empty()) {
        if (!CheckSettingsFile(options.iniPath.c_str())) return false;
        UseINIFileName(options.iniPath.c_str());
    } else {
        // Reported (408): with no settings file there is nothing to answer from.
        if (!InitializeFileNames(writes ? SettingsAccess::ReadWrite : SettingsAccess::ReadOnly)) return false;
        if (Exists(GetINIFileName()) && !CheckSettingsFile(GetINIFileName())) return false;
        // The program's own file lacking definitions is answered from the
        // built-in ones (never written: the program restores them into the
        // file); a file named on the command line is answered from as it is.
        RestoreMissingDefinitions(writes ? DefinitionRestore::IntoTheFile : DefinitionRestore::ForThisRunOnly);
    }

    // In the program's order; every list is tried so that each bad entry is
    // reported, and a bad one fails the run: its answers would be incomplete.
    bool loaded = InitializeChordList() != 0;
    loaded = InitializeTuningList() != 0 && loaded;
    loaded = InitializeScaleList() != 0 && loaded;
    loaded = InitializeKeyList() != 0 && loaded;
    // Loading read notes with octaves; the command's own notes start afresh.
    ResetShownNoteOctave();

    ApplyNamingOptions(options);
    return loaded && HasNeededDefinitions(command.needs);
}

// cantrel-cli strings [--tuning N] [--frets F] [--capo C] NOTE...
//   lays the notes on the strings of tuning N as the Guitar component lays out
//   a chord that arrives, and prints one line per string from string 0 (drawn
//   at the top): "0 G6 3" (note and fret from the nut) or "3 -" (not played).
// cantrel-cli strings --batch [--tuning N] [--frets F] [--capo C]
//   one chord per input line, its strings on one line separated by tabs.
#include <cstdio>
#include <iterator>
#include <string>

#include "cli/chord_arguments.h"
#include "cli/cli_commands.h"
#include "cli/cli_exit_codes.h"
#include "cli/cli_output.h"
#include "cli/neck_options.h"
#include "core/theory/chord.h"
#include "core/theory/chord_spelling.h"
#include "core/theory/notes.h"
#include "core/theory/shown_notes.h"
#include "core/theory/string_assignment.h"

namespace {

struct StringsRequest {
    NeckOptions neck;
    bool batch = false;
    chord notes;
};

int ReadRequest(const std::vector<std::string>& args, StringsRequest& request)
{
    std::vector<std::pair<std::string, std::string>> options;
    std::vector<std::string> words;
    std::string problem;
    std::vector<SoundOption> known = {{"--batch", false}};
    known.insert(known.end(), std::begin(NeckOptionNames), std::end(NeckOptionNames));
    if (!SplitSoundOptions(args, known, options, words, problem)) return UsageError(problem);
    if (!ReadNeckOptions(options, request.neck, problem)) return UsageError(problem);
    request.batch = !options.empty();  // --batch is all that is left
    if (request.batch) {
        if (!words.empty()) return UsageError("strings --batch reads its notes from standard input");
        return ExitOk;
    }
    if (words.empty()) return UsageError("strings needs at least one note, or --batch");
    if (!ReadChordNotes(words, request.notes)) return ExitUsage;
    return ExitOk;
}

bool IsLaid(const chord& laid, int strings, NOTES n)
{
    for (int s = 0; s < strings; ++s)
        if (laid.notes[s] == n) return true;
    return false;
}

// Says which notes of the chord no string plays (out of reach, or more notes
// than strings); false when there are any. context: e.g. "line 3: ".
bool ReportNotesLeftOut(const chord& notes, const chord& laid, int strings, const std::string& context)
{
    std::string left;
    for (const NOTES n : notes.notes) {
        if (n == NoNote || IsLaid(laid, strings, n)) continue;
        left += (left.empty() ? "" : ", ") + ShownFullNoteName(n, ChordSpelling(notes));
    }
    if (left.empty()) return true;
    std::fprintf(stderr, "%s: %scould not place %s on the strings\n", ProgramName, context.c_str(), left.c_str());
    return false;
}

// Lays the notes on the strings and prints each string, separated by
// `separator`, then a line end. False when a note was left out (said on
// standard error with context).
bool PrintLayout(const chord& notes, const chord& tuning, int frets, int capo, char separator,
                 const std::string& context)
{
    const int strings = CountStrings(tuning);
    const chord laid = AssignStrings(notes, tuning, strings, frets, capo);
    const bool whole = ReportNotesLeftOut(notes, laid, strings, context);
    const SpellingContext spelling = ChordSpelling(notes);
    for (int s = 0; s < strings; ++s) {
        if (s > 0) std::putchar(separator);
        const NOTES n = laid.notes[s];
        if (n == NoNote) {
            std::printf("%d -", s);
            continue;
        }
        std::printf("%d %s %d", s, ShownFullNoteName(n, spelling).c_str(), n - tuning.notes[s]);
    }
    std::putchar('\n');
    return whole;
}

}  // namespace

int RunStringsCommand(const std::vector<std::string>& args)
{
    StringsRequest request;
    if (const int status = ReadRequest(args, request); status != ExitOk) return status;
    const chord& tuning = request.neck.strings;
    const int frets = static_cast<int>(request.neck.fretPositions);
    const int capo = static_cast<int>(request.neck.capo);
    if (request.batch) {
        int line = 0;
        bool whole = true;
        const int status = ForEachInputChord([&](const chord& notes) {
            const std::string context = "line " + std::to_string(++line) + ": ";
            whole = PrintLayout(notes, tuning, frets, capo, '\t', context) && whole;
        });
        return status == ExitOk && !whole ? ExitFailure : status;
    }
    return PrintLayout(request.notes, tuning, frets, capo, '\n', "") ? ExitOk : ExitFailure;
}

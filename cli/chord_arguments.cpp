#include "cli/chord_arguments.h"

#include <cstdio>
#include <iostream>

#include "cli/cli_exit_codes.h"
#include "cli/cli_output.h"
#include "core/theory/chord.h"
#include "core/theory/notes.h"

bool ReadChordNotes(const std::vector<std::string>& notes, chord& c, const std::string& context,
                    ExtraNotes extra)
{
    for (const std::string& text : notes) {
        NOTES n = NoNote;
        if (!ParseNote(text.c_str(), &n)) {
            std::fprintf(stderr, "%s: %snot a note: '%s'\n", ProgramName, context.c_str(), text.c_str());
            return false;
        }
        // A chord holds 12 notes; a 13th pushes out the first.
        if (extra == ExtraNotes::Refuse && c.FindNote(n) < 0 && c.CountNotes() == chord::Slots) {
            std::fprintf(stderr, "%s: %sa chord holds at most %d different notes\n", ProgramName,
                         context.c_str(), chord::Slots);
            return false;
        }
        c.AddNote(n);
    }
    return true;
}

std::vector<std::string> SplitWords(const std::string& line)
{
    std::vector<std::string> words;
    std::size_t at = 0;
    while ((at = line.find_first_not_of(" \t", at)) != std::string::npos) {
        const std::size_t end = line.find_first_of(" \t", at);
        words.push_back(line.substr(at, end == std::string::npos ? std::string::npos : end - at));
        at = end;
    }
    return words;
}

int ForEachInputChord(const std::function<void(const chord&)>& use)
{
    int status = ExitOk;
    std::string line;
    for (int number = 1; std::getline(std::cin, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        ResetParseNoteOctave();
        chord c;
        if (!ReadChordNotes(SplitWords(line), c, "line " + std::to_string(number) + ": ")) {
            status = ExitUsage;
            c.Clear();
        }
        use(c);
    }
    return status;
}

#include "cli/chord_arguments.h"

#include <cstdio>

#include "cli/cli_exit_codes.h"
#include "cli/cli_output.h"
#include "core/theory/chord.h"
#include "core/theory/notes.h"

bool ReadChordNotes(const std::vector<std::string>& notes, chord& c, const std::string& context,
                    ExtraNotes extra)
{
    for (const std::string& text : notes) {
        NOTES n = NoNote;
        // A zero byte would cut the word short and pass off its start as the note.
        if (text.find('\0') != std::string::npos || !ParseNote(text.c_str(), &n)) {
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

namespace {

// A chord line is a few dozen bytes; a longer one than this is an error for
// that line, and the input is not held in memory to find its end.
constexpr std::size_t MaxBatchLine = 64 * 1024;

enum class LineRead { Line, TooLong, End };

// The next line of in without its line end; a line longer than MaxBatchLine
// is read to its end and dropped.
LineRead ReadBoundedLine(std::FILE* in, std::string& line)
{
    line.clear();
    bool tooLong = false;
    int c;
    while ((c = std::getc(in)) != EOF && c != '\n') {
        if (line.size() < MaxBatchLine)
            line.push_back(static_cast<char>(c));
        else
            tooLong = true;
    }
    if (c == EOF && line.empty() && !tooLong) return LineRead::End;
    if (tooLong) return LineRead::TooLong;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return LineRead::Line;
}

}  // namespace

int ForEachInputChord(const std::function<void(const chord&)>& use)
{
    int status = ExitOk;
    std::string line;
    for (int number = 1;; ++number) {
        const LineRead read = ReadBoundedLine(stdin, line);
        if (read == LineRead::End) break;
        const std::string context = "line " + std::to_string(number) + ": ";
        ResetParseNoteOctave();
        chord c;
        if (read == LineRead::TooLong) {
            std::fprintf(stderr, "%s: %slonger than %zu bytes\n", ProgramName, context.c_str(), MaxBatchLine);
            status = ExitUsage;
        } else if (!ReadChordNotes(SplitWords(line), c, context)) {
            status = ExitUsage;
            c.Clear();
        }
        use(c);
    }
    if (std::ferror(stdin)) {
        std::fprintf(stderr, "%s: cannot read the input\n", ProgramName);
        return ExitFailure;
    }
    return status;
}

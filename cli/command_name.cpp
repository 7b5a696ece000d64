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

int NameBatch()
{
    int status = ExitOk;
    std::string line;
    for (int number = 1;; ++number) {
        const LineRead read = ReadBoundedLine(stdin, line);
        if (read == LineRead::End) break;
        const std::string context = "line " + std::to_string(number) + ": ";
        // Each line stands alone: a note without octave does not inherit one
        // from the line before.
        ResetParseNoteOctave();
        chord c;
        // A bad line still gets its (empty) output line, so lines stay paired.
        if (read == LineRead::TooLong) {
            std::fprintf(stderr, "%s: %slonger than %zu bytes\n", ProgramName, context.c_str(), MaxBatchLine);
            status = ExitUsage;
        } else if (!ReadChordNotes(SplitWords(line), c, context)) {
            status = ExitUsage;
            c.Clear();
        }
        PrintNames(c, '\t');
    }
    if (std::ferror(stdin)) {
        std::fprintf(stderr, "%s: cannot read the input\n", ProgramName);
        return ExitFailure;
    }
    return status;
}

} // namespace

int RunNameCommand(const std::vector<std::string>& args)
{
    if (args.size() == 1 && args.front() == "--batch") return NameBatch();
    if (args.empty()) return UsageError("name needs at least one note, or --batch");
    chord c;
    if (!ReadChordNotes(args, c)) return ExitUsage;
    PrintNames(c, '\n');
    return ExitOk;
}

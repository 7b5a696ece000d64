#include "cli/chord_arguments.h"

#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <unistd.h>

#include "cli/cli_exit_codes.h"
#include "cli/cli_output.h"
#include "cli/input_lines.h"
#include "core/theory/chord.h"
#include "core/theory/notes.h"
#include "core/theory/shown_notes.h"

namespace {

// The first word that could not be added, and why.
struct NoteProblem {
    enum Kind { None, NotANote, TooManyNotes } kind = None;
    std::string_view word;
};

// Adds the notes of `words`, each followed by a zero byte.
NoteProblem AddNotes(const std::vector<std::string_view>& words, chord& c, ExtraNotes extra)
{
    // Notes held before the i-th word: at most `held` + i.
    const std::size_t held = static_cast<std::size_t>(c.CountNotes());
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string_view word = words[i];
        NOTES n = NoNote;
        // ParseShownNote reads up to a zero byte: a word with one inside would pass
        // off its start as the note.
        if (ParseShownNote(word.data(), &n) != word.data() + word.size()) return {NoteProblem::NotANote, word};
        // A chord holds 12 notes; a 13th pushes out the first.
        if (extra == ExtraNotes::Refuse && held + i >= chord::Slots && c.CountNotes() == chord::Slots &&
            c.FindNote(n) < 0)
            return {NoteProblem::TooManyNotes, word};
        c.AddNote(n);
    }
    return {};
}

void Report(const NoteProblem& problem, const std::string& context)
{
    if (problem.kind == NoteProblem::NotANote) {
        // As far as a zero byte: the rest would not show.
        const std::string word(problem.word.substr(0, problem.word.find('\0')));
        std::fprintf(stderr, "%s: %snot a note: '%s'\n", ProgramName, context.c_str(), word.c_str());
    } else if (problem.kind == NoteProblem::TooManyNotes) {
        std::fprintf(stderr, "%s: %sa chord holds at most %d different notes\n", ProgramName, context.c_str(),
                     chord::Slots);
    }
}

// The blank- or tab-separated words of a line, into `words` (emptied first),
// each ended by a zero byte written over what follows it.
void SplitWords(std::span<char> line, std::vector<std::string_view>& words)
{
    words.clear();
    const auto separates = [](char c) { return c == ' ' || c == '\t'; };
    for (std::size_t at = 0; at < line.size();) {
        if (separates(line[at])) {
            ++at;
            continue;
        }
        std::size_t end = at + 1;
        while (end < line.size() && !separates(line[end])) ++end;
        words.emplace_back(line.data() + at, end - at);
        line.data()[end] = '\0';
        at = end + 1;
    }
}

std::string LineContext(int number) { return "line " + std::to_string(number) + ": "; }

// Answers go out in large blocks when nobody watches them line by line.
void UseLargeOutputBlocks()
{
    if (!isatty(fileno(stdout))) std::setvbuf(stdout, nullptr, _IOFBF, 64 * 1024);
}

}  // namespace

bool ReadChordNotes(const std::vector<std::string>& notes, chord& c, const std::string& context, ExtraNotes extra)
{
    const std::vector<std::string_view> words(notes.begin(), notes.end());
    const NoteProblem problem = AddNotes(words, c, extra);
    Report(problem, context);
    return problem.kind == NoteProblem::None;
}

int ForEachInputChord(const std::function<void(const chord&)>& use)
{
    UseLargeOutputBlocks();
    InputLines input;
    int status = ExitOk;
    std::span<char> line;
    std::vector<std::string_view> words;
    for (int number = 1;; ++number) {
        const InputLines::Read read = input.Next(line);
        if (read == InputLines::Read::End) break;
        ResetShownNoteOctave();
        chord c;
        if (read == InputLines::Read::TooLong) {
            std::fprintf(stderr, "%s: %slonger than %zu bytes\n", ProgramName, LineContext(number).c_str(),
                         InputLines::MaxLine);
            status = ExitUsage;
        } else {
            SplitWords(line, words);
            if (const NoteProblem problem = AddNotes(words, c, ExtraNotes::Refuse); problem.kind != NoteProblem::None) {
                Report(problem, LineContext(number));
                status = ExitUsage;
                c.Clear();
            }
        }
        use(c);
    }
    if (input.Failed()) {
        std::fprintf(stderr, "%s: cannot read the input\n", ProgramName);
        return ExitFailure;
    }
    return status;
}

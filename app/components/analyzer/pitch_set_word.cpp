#include "app/components/analyzer/pitch_set_word.h"

#include "core/theory/chord_spelling.h"
#include "core/theory/shown_notes.h"

namespace {
constexpr NOTES WordBaseNote = 48;

// A stored word may carry a root of 12 to 15; it counts round the octave.
int RootOf(PitchSet word) { return word.Root() % PitchClasses; }

// A chord without notes that sounds like `sound`.
chord SilentLike(const chord& sound)
{
    chord c = sound;
    c.Clear();
    c.soundCount = 0;
    return c;
}
}  // namespace

std::vector<NOTES> WordNotes(PitchSet word)
{
    std::vector<NOTES> notes;
    const int root = RootOf(word);
    for (int i = 0; i < PitchClasses; ++i)
        if (word.Has((root + i) % PitchClasses)) notes.push_back(WordBaseNote + root + i);
    return notes;
}

chord WordChord(PitchSet word, const chord& sound)
{
    chord c = SilentLike(sound);
    for (NOTES n : WordNotes(word)) c.AddNote(n);
    return c;
}

std::vector<chord> WordScaleSteps(PitchSet word, const chord& sound)
{
    std::vector<chord> steps;
    const std::vector<NOTES> notes = WordNotes(word);
    for (NOTES n : notes) {
        steps.push_back(SilentLike(sound));
        steps.back().AddNote(n);
    }
    if (!notes.empty()) {
        steps.push_back(SilentLike(sound));
        steps.back().AddNote(notes.front() + PitchClasses);
    }
    return steps;
}

std::string WordDegreesText(PitchSet word, const SpellingContext* given)
{
    std::string text;
    const int root = RootOf(word);
    const SpellingContext spelling = given ? *given : PitchSetSpelling(root, word.Classes());
    for (int i = 0; i < PitchClasses; ++i) {
        const int p = (root + i) % PitchClasses;
        if (!word.Has(p)) continue;
        char degree[chord::ScaleNameSize] = {};
        chord::GetScaleName(root, p, 0, degree);
        text += degree;
        text += ':';
        text += ShownNoteName(p, spelling);
        text += "  ";
    }
    return text;
}

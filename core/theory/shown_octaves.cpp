// Octave numbers as the user reads and types them. Stored values count from
// A; from C the number changes at C and middle C (MIDI 60) is C4.
#include <atomic>
#include <string>
#include <string_view>

#include "core/theory/notes.h"
#include "core/theory/octave_numbering.h"
#include "core/theory/shown_notes.h"

namespace {

constexpr long long MidiOffset = 3;  // MIDI note number = stored value - 3
constexpr long long Semitones = 12;
// The octave numbers ParseNote reads.
constexpr long long LowestStoredOctave = 1;
constexpr long long HighestStoredOctave = 11;
// A note typed without octave before any with one is in middle C's octave.
constexpr int MiddleOctaveFromC = 4;
constexpr std::size_t MaxOctaveDigits = 2;

std::atomic<int> rememberedOctaveFromC{MiddleOctaveFromC};

long long FloorDiv(long long a, long long b) { return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0); }

long long StoredOctave(long long value) { return FloorDiv(value, Semitones) + 1; }

long long OctaveOf(long long value)
{
    if (ShownOctaveNumbering() == OctaveNumbering::FromC) return FloorDiv(value - MidiOffset, Semitones) - 1;
    return StoredOctave(value);
}

// Semitones the accidentals of a spelled name ("C#", "Bb", "Fx") add to its letter.
int Accidentals(const std::string& name)
{
    int sum = 0;
    for (std::size_t i = 1; i < name.size(); ++i) {
        if (name[i] == '#') sum += 1;
        if (name[i] == 'x') sum += 2;
        if (name[i] == 'b') sum -= 1;
    }
    return sum;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads a note typed with octaves from C by writing its letter's octave as
// stored and letting ParseNote read the spelling.
const char* ParseNoteFromC(const char* text, NOTES* out)
{
    *out = NoNote;
    if (!text) return nullptr;
    const std::string_view word(text);
    std::size_t digits = word.size();
    while (digits > 0 && IsDigit(word[digits - 1])) --digits;
    const bool octaveWritten = digits < word.size();
    // "C-1": the minus is the octave's sign. A flat before an octave is "b".
    const bool negative = octaveWritten && digits > 1 && word[digits - 1] == '-';
    const std::string spelling(word.substr(0, negative ? digits - 1 : digits));
    if (spelling.empty() || spelling.find_first_of("0123456789") != std::string::npos) return nullptr;
    const int letter = NaturalPitchClass(spelling[0]);
    if (letter < 0 || word.size() - digits > MaxOctaveDigits) return nullptr;

    int octave = rememberedOctaveFromC;
    if (octaveWritten) {
        octave = 0;
        for (std::size_t i = digits; i < word.size(); ++i) octave = octave * 10 + (word[i] - '0');
        if (negative) octave = -octave;
    }
    const long long letterFromC = (letter + 9) % Semitones;
    const long long naturalValue = Semitones * (octave + 1) + letterFromC + MidiOffset;
    const long long storedOctave = StoredOctave(naturalValue);
    if (storedOctave < LowestStoredOctave || storedOctave > HighestStoredOctave) return nullptr;
    NOTES n = NoNote;
    if (!ParseNote((spelling + std::to_string(storedOctave)).c_str(), &n)) return nullptr;
    if (octaveWritten) rememberedOctaveFromC = octave;
    *out = n;
    return text + word.size();
}

}  // namespace

int ShownOctave(NOTES n) { return static_cast<int>(OctaveOf(n)); }

std::string ShownFullNoteName(NOTES n, const SpellingContext& context)
{
    const std::string name = ShownNoteName(n, context);
    return name + std::to_string(OctaveOf(static_cast<long long>(n) - Accidentals(name)));
}

const char* ParseShownNote(const char* text, NOTES* out)
{
    NOTES ignored;
    if (!out) out = &ignored;
    if (ShownOctaveNumbering() == OctaveNumbering::FromA) return ParseNote(text, out);
    return ParseNoteFromC(text, out);
}

void ResetShownNoteOctave()
{
    ResetParseNoteOctave();
    rememberedOctaveFromC = MiddleOctaveFromC;
}

// Reading notes, pitch classes and chord degrees from text.
#include "core/theory/notes.h"

#include <atomic>

namespace {

constexpr int StartOctave = 6;
// Octave numbers a note can be written with: 1 up to 11, which holds the
// highest MIDI note (G11 = 130).
constexpr int HighestOctave = 11;
constexpr int MaxAccidentals = 2;

// Octave of the last note that was written with one; every caller shares it,
// as the definition lists rely on "D2 A D3" meaning A2.
std::atomic<int> rememberedOctave{StartOctave};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

int NaturalPitchClass(char letter)
{
    // A B C D E F G
    static constexpr int pitchClasses[7] = {0, 2, 3, 5, 7, 8, 10};
    if (letter >= 'a' && letter <= 'g') letter = static_cast<char>(letter - 'a' + 'A');
    if (letter < 'A' || letter > 'G') return -1;
    return pitchClasses[letter - 'A'];
}

void ResetParseNoteOctave() { rememberedOctave = StartOctave; }

namespace {

// One note as written: its letter, accidentals and octave. Nullptr when text
// is not exactly one note; else a pointer to its terminating zero.
struct WrittenNote {
    int letter = -1;
    int accidentals = 0;
    int octave = StartOctave;
    bool octaveWritten = false;
    NOTES Value() const { return letter + 12 * (octave - 1) + accidentals; }
};

const char* ReadWrittenNote(const char* text, WrittenNote& note)
{
    if (!text) return nullptr;
    note.letter = NaturalPitchClass(text[0]);
    if (note.letter < 0) return nullptr;
    note.octave = rememberedOctave;
    const char* p = text + 1;
    for (; *p; ++p) {
        const char c = *p;
        if (c == '#' || c == '+') {
            if (++note.accidentals > MaxAccidentals) return nullptr;
        } else if (c == 'b' || c == '-') {
            if (--note.accidentals < -MaxAccidentals) return nullptr;
        } else if (c == 'N' || c == 'n') {
            note.accidentals = 0;
        } else if (IsDigit(c)) {
            // Digits next to each other form one octave number, so that the
            // names this program writes for octaves 10 and 11 read back; a
            // digit after anything else starts again.
            if (IsDigit(p[-1]))
                note.octave = note.octave * 10 + (c - '0');
            else
                note.octave = c - '0';
            if (note.octave < 1 || note.octave > HighestOctave) return nullptr;
            note.octaveWritten = true;
        } else {
            return nullptr;
        }
    }
    return p;
}

}  // namespace

const char* ParseNote(const char* text, NOTES* out)
{
    NOTES ignored;
    if (!out) out = &ignored;
    *out = NoNote;
    WrittenNote note;
    const char* end = ReadWrittenNote(text, note);
    // Below A1 ("Ab1" would be -1, the value of no note) or above G11 there
    // is no note to name, sound or store.
    if (!end || note.Value() < LowestNote || note.Value() > HighestNote) return nullptr;
    if (note.octaveWritten) rememberedOctave = note.octave;
    *out = note.Value();
    return end;
}

bool IsNoteSpelling(const char* text)
{
    WrittenNote note;
    return ReadWrittenNote(text, note) != nullptr;
}

int NoteValue(const char* text)
{
    if (!text) return -1;
    int pc = NaturalPitchClass(text[0]);
    if (pc < 0) return -1;
    if (text[1] == 'b')
        pc = (pc + 11) % 12;
    else if (text[1] == '#')
        pc = (pc + 1) % 12;
    return pc;
}

const char* ParseSpelling(const char* text, int* semitones)
{
    // Semitones above the root of the degrees 1 to 13.
    static constexpr int degreeSemitones[14] = {-1, 0, 2, 4, 5, 7, 9, 11, 12, 14, 16, 17, 19, 21};
    int ignored;
    if (!semitones) semitones = &ignored;
    *semitones = -1;
    if (!text || !IsDigit(*text)) return nullptr;

    int degree = 0;
    const char* p = text;
    while (IsDigit(*p)) {
        degree = degree * 10 + (*p - '0');
        if (degree > 13) return nullptr;
        ++p;
    }
    if (degree < 1) return nullptr;

    int result = degreeSemitones[degree];
    if (*p == 'b') {
        --result;
        ++p;
    }
    if (*p == '#') {
        ++result;
        ++p;
    }
    if (result < 0) return nullptr;
    *semitones = result;
    return p;
}

// Note and interval names, and the naming switches the program's preferences set.
#include "core/theory/note_names.h"

#include <cstdio>
#include <cstring>

#include "core/services/string_table.h"
#include "core/theory/chord.h"

namespace {

constexpr int SharpNamesString = 28;
constexpr int FlatNamesString = 23;
constexpr int CellCount = 12;
// Accidentals setting 3: Bb and Eb flat, C#, F# and G# sharp.
constexpr std::uint32_t StandardFlatMask = 18;

void LoadTable(char* table, int id)
{
    const char* text = StringResource(id);
    if (!text) return;
    std::strncpy(table, text, 2 * CellCount);
    table[2 * CellCount] = '\0';
}

// Bit of the accidentals mask that selects the flat name of a black key, or 0
// for a natural.
std::uint32_t FlatMaskBit(int pitchClass)
{
    switch (pitchClass) {
    case 4: return 1;   // C#/Db
    case 6: return 2;   // D#/Eb
    case 9: return 4;   // F#/Gb
    case 11: return 8;  // G#/Ab
    case 1: return 16;  // A#/Bb
    default: return 0;
    }
}

bool UseFlatName(int pitchClass)
{
    switch (chord::Config_Accidentals) {
    case 0: return false;
    case 1: return true;
    case 2: return (chord::Custom_Accidentals & FlatMaskBit(pitchClass)) != 0;
    default: return (StandardFlatMask & FlatMaskBit(pitchClass)) != 0;
    }
}

}  // namespace

char chord::SharpNames[26];
char chord::FlatNames[26];

const char chord::ScaleNames[24][3] = {
    {'1'},      {'2', 'b'}, {'2'},           {'3', 'b'}, {'3'},           {'4'},      {'5', 'b'},      {'5'},
    {'5', '#'}, {'6'},      {'7', 'b'},      {'7'},      {'8'},           {'9', 'b'}, {'9'},           {'9', '#'},
    {'1', '0'}, {'1', '1'}, {'1', '1', '#'}, {'1', '2'}, {'1', '3', 'b'}, {'1', '3'}, {'1', '3', '#'}, {'1', '4'},
};

std::int32_t chord::Config_Accidentals = 3;
std::uint32_t chord::Custom_Accidentals = 0;
std::uint8_t chord::Config_BassStyle = 0;
std::uint8_t chord::Config_AddStyle = 0;
std::uint8_t chord::Config_DiffBass = 0;
std::uint8_t chord::Config_NoRoot = 1;

void LoadNoteNameTables()
{
    if (chord::SharpNames[0] != '\0') return;
    LoadTable(chord::FlatNames, FlatNamesString);
    LoadTable(chord::SharpNames, SharpNamesString);
}

void chord::GetNoteName(NOTES n, char* out)
{
    LoadNoteNameTables();
    const int pc = PitchClass(n);
    const char* sharp = SharpNames + 2 * pc;
    const char* flat = FlatNames + 2 * pc;
    if (sharp[0] == flat[0]) {
        out[0] = sharp[0];
        out[1] = '\0';
        return;
    }
    const char* cell = UseFlatName(pc) ? flat : sharp;
    out[0] = cell[0];
    out[1] = cell[1];
    out[2] = '\0';
}

void chord::GetFullNoteName(NOTES n, char* out)
{
    char name[NoteNameSize];
    GetNoteName(n, name);
    // Octaves change at A, so Ab is written with the octave of the A it
    // flattens ("Ab6" is 59, just below A6): that is how ParseNote reads it back.
    const long long octave = (name[0] == 'A' && name[1] == 'b') ? (n + 1LL) / 12 + 1 : n / 12 + 1;
    // A transposed note far out of range is cut to the caller's 8 bytes.
    char full[32];
    std::snprintf(full, sizeof full, "%s%lld", name, octave);
    std::strncpy(out, full, FullNoteNameSize - 1);
    out[FullNoteNameSize - 1] = '\0';
}

void chord::GetScaleName(NOTES root, NOTES note, int upper, char* out)
{
    // 64-bit so that notes far apart cannot overflow.
    long long d = static_cast<long long>(note) - root;
    if (d < 0) d = d % 12 + 12;
    d %= 12;
    const char* cell = ScaleNames[d + (upper ? 12 : 0)];
    out[0] = cell[0];
    out[1] = cell[1];
    out[2] = cell[2];
    out[3] = '\0';
}

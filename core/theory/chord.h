#pragma once
// chord: the set of up to 12 notes that flows between components, with its
// key and the settings used to sound it.

#include <cstddef>
#include <cstdint>

#include "core/theory/notes.h"

struct ChordNameTag;
struct TuningNameTag;
struct ScaleNameTag;
struct KeyNameTag;

// Caller-owned state of the FindFirst/FindNext searches (names, keys, scales).
struct CHORD_FIND_BUF {
    std::uint32_t bits = 0;
    NOTES entries[24] = {};
    std::uint8_t flags[24] = {};
    std::int32_t count = 0;
    std::int32_t index = 0;
    const void* entry = nullptr;
    std::int32_t pass = 0;
};

class chord {
public:
    static constexpr int Slots = 12;
    // Buffer sizes callers must provide.
    static constexpr std::size_t NoteNameSize = 3;
    static constexpr std::size_t FullNoteNameSize = 8;
    static constexpr std::size_t ScaleNameSize = 4;
    static constexpr std::size_t ChordNameSize = 40;
    static constexpr std::size_t KeyNameSize = 60;
    static constexpr std::size_t ScaleFindSize = 64;
    // Text form: name, "   «", 12 x (up to 7 + 1), "»", zero.
    static constexpr std::size_t TextFormSize = 160;

    NOTES notes[Slots];
    std::uint8_t marks[Slots];
    NOTES key;
    std::int32_t soundCount;
    std::int16_t instrument;
    std::int16_t midiOutput;
    std::int32_t program;

    chord();
    ~chord();
    chord(const chord& other) = default;
    chord& operator=(const chord& other) = default;

    void Clear();
    void SetKey(int newKey);
    NOTES AddNote(NOTES n);
    int RemoveNote(NOTES n);
    int FindNote(NOTES n) const;
    int CountNotes() const;
    NOTES GetBass() const;
    void Sort(int ascending);
    void Transpose(int semitones);

    // Text form "<first name>   «C4 E4 G4 - ... »" (UTF-8 guillemets).
    void ToString(char* out, std::size_t size) const;
    int FromString(const char* text);
    void Copy() const;
    void Cut();
    void Paste();

    static const char* GetFirstChordName();
    static const char* GetFirstTuningName();
    static const char* GetFirstScaleName();

    // Note and interval names.
    static void GetNoteName(NOTES n, char* out);
    static void GetFullNoteName(NOTES n, char* out);
    static void GetScaleName(NOTES root, NOTES note, int upper, char* out);

    // Chord naming.
    int FindFirstName(char* out, CHORD_FIND_BUF& buf) const;
    int FindNextName(char* out, CHORD_FIND_BUF& buf) const;
    static unsigned GetChordBits(NOTES root, const ChordNameTag* def, unsigned* optional);

    // Keys and scales.
    int FindFirstKey(char* out, CHORD_FIND_BUF& buf) const;
    int FindNextKey(char* out, CHORD_FIND_BUF& buf) const;
    int FindFirstScale(char* out, CHORD_FIND_BUF& buf) const;
    int FindNextScale(char* out, CHORD_FIND_BUF& buf) const;
    static unsigned GetKeyBits(NOTES tonic, int major);
    static unsigned GetScaleBits(NOTES root, const ScaleNameTag* scale);

    // Fingering: marks per string (0 at the capo, 7 elsewhere, 8 not played).
    void FindFingering(const chord& tuning, int* marks, int strings, int capo) const;

    // Sounding (implemented with the MIDI layer).
    void SoundOn();
    void SoundOff();
    void TimedSound(unsigned long ms);

    // Note-name tables: 12 two-character cells each, loaded from the string
    // table on first construction.
    static char SharpNames[26];
    static char FlatNames[26];
    // 24 three-character interval cells.
    static const char ScaleNames[24][3];

    static std::int32_t Config_Accidentals;   // 0 sharp, 1 flat, 2 custom, 3 standard
    static std::uint32_t Custom_Accidentals;  // bit set: flat name for that pitch class
    static std::uint8_t Config_BassStyle;
    static std::uint8_t Config_AddStyle;
    static std::uint8_t Config_DiffBass;
    static std::uint8_t Config_NoRoot;
};

// Called when a chord is destroyed, so that the sound layer can withdraw it
// from timed sounding. Installed by the sound layer; null when it has none.
using ChordDestroyedHook = void (*)(chord* c);
void SetChordDestroyedHook(ChordDestroyedHook hook);

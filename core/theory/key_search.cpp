// The keys of the [Keys] list that hold every note of a chord, and the notes
// of a key built on a tonic.
#include <cstring>

#include "core/theory/chord.h"
#include "core/theory/definition_lists.h"

namespace {

constexpr int MajorSteps[KeyLetters] = {2, 2, 1, 2, 2, 2, 1};
// The natural minor, as the [Keys] list spells every minor key.
constexpr int MinorSteps[KeyLetters] = {2, 1, 2, 2, 1, 2, 2};

// Pitch-set word of a key record: its tonic and its seven pitch classes.
std::uint32_t KeyWord(const KeyNameTag& key)
{
    // Keys load only with a tonic, but a record an editor made may lack one.
    const int tonic = NoteValue(key.name);
    std::uint32_t bits = tonic < 0 ? 0 : static_cast<std::uint32_t>(tonic);
    for (int letter = 0; letter < KeyLetters; ++letter)
        bits |= 1u << (4 + PitchClass(key.pitches[letter]));
    return bits;
}

bool KeyHoldsChord(std::uint32_t keyWord, const CHORD_FIND_BUF& buf)
{
    bool anyNote = false;
    for (int i = 0; i < chord::Slots; ++i) {
        if (buf.entries[i] == NoNote) continue;
        anyNote = true;
        if (!(keyWord & (1u << (4 + PitchClass(buf.entries[i]))))) return false;
    }
    return anyNote;
}

} // namespace

int chord::FindFirstKey(char* out, CHORD_FIND_BUF& buf) const
{
    std::memcpy(buf.entries, notes, sizeof notes);
    buf.entry = GetKey(0);
    return FindNextKey(out, buf);
}

int chord::FindNextKey(char* out, CHORD_FIND_BUF& buf) const
{
    if (out) out[0] = '\0';
    for (auto* key = static_cast<const KeyNameTag*>(buf.entry); key; key = key->next) {
        buf.bits = KeyWord(*key);
        if (KeyHoldsChord(buf.bits, buf)) {
            if (out) {
                std::strncpy(out, key->name, KeyNameSize - 1);
                out[KeyNameSize - 1] = '\0';
            }
            buf.entry = key->next;
            return 1;
        }
    }
    buf.entry = nullptr;
    return 0;
}

unsigned chord::GetKeyBits(NOTES tonic, int major)
{
    const int* steps = major ? MajorSteps : MinorSteps;
    int p = PitchClass(tonic);
    unsigned bits = static_cast<unsigned>(p);
    for (int i = 0; i < KeyLetters; ++i) {
        bits |= 1u << (4 + p);
        p = (p + steps[i]) % 12;
    }
    return bits;
}

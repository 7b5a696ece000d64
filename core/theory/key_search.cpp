// The keys of the [Keys] list that hold every note of a chord, and the notes
// of a key built on a tonic.
#include <cstring>

#include "core/theory/chord.h"
#include "core/theory/definition_lists.h"
#include "core/theory/pitch_set.h"

namespace {

constexpr int MajorSteps[KeyLetters] = {2, 2, 1, 2, 2, 2, 1};
// The natural minor, as the [Keys] list spells every minor key.
constexpr int MinorSteps[KeyLetters] = {2, 1, 2, 2, 1, 2, 2};

// A key record's tonic and its seven pitch classes.
PitchSet KeyPitchSet(const KeyNameTag& key)
{
    // Keys load only with a tonic, but a record an editor made may lack one.
    const int tonic = NoteValue(key.name);
    PitchSet set(tonic < 0 ? 0 : tonic, 0);
    for (int letter = 0; letter < KeyLetters; ++letter) set = set.With(PitchClass(key.pitches[letter]));
    return set;
}

bool KeyHoldsChord(PitchSet key, const CHORD_FIND_BUF& buf)
{
    bool anyNote = false;
    for (int i = 0; i < chord::Slots; ++i) {
        if (buf.entries[i] == NoNote) continue;
        anyNote = true;
        if (!key.Has(PitchClass(buf.entries[i]))) return false;
    }
    return anyNote;
}

}  // namespace

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
        const PitchSet keySet = KeyPitchSet(*key);
        buf.bits = keySet.Word();
        if (KeyHoldsChord(keySet, buf)) {
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
    PitchSet set(p, 0);
    for (int i = 0; i < KeyLetters; ++i) {
        set = set.With(p);
        p = (p + steps[i]) % PitchClasses;
    }
    return set.Word();
}

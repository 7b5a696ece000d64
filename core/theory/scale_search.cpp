// The scales and roots that hold every note of a chord, scale by scale in
// list order and, within a scale, root by root upward from the bass.
#include <cstdio>
#include <cstring>
#include <string>

#include "core/theory/chord.h"
#include "core/theory/chord_spelling.h"
#include "core/theory/definition_lists.h"
#include "core/theory/pitch_set.h"
#include "core/theory/shown_notes.h"

namespace {

// Pitch classes met walking from root through the scale's steps, as a 12-bit mask.
unsigned ScalePitchClasses(int root, const ScaleNameTag& scale)
{
    unsigned mask = 0;
    int p = PitchClass(root);
    const int count = scale.count < 0 ? 0 : scale.count > DefinitionSlots ? DefinitionSlots : scale.count;
    for (int i = 0; i < count; ++i) {
        mask |= 1u << p;
        p = PitchClass(p + scale.steps[i]);
    }
    return mask;
}

unsigned ChordPitchClasses(const CHORD_FIND_BUF& buf)
{
    unsigned mask = 0;
    for (int i = 0; i < chord::Slots; ++i)
        if (buf.entries[i] != NoNote) mask |= 1u << PitchClass(buf.entries[i]);
    return mask;
}

}  // namespace

int chord::FindFirstScale(char* out, CHORD_FIND_BUF& buf) const
{
    if (out) out[0] = '\0';
    const NOTES bass = GetBass();
    if (bass == NoNote) {
        buf.entry = nullptr;
        return 0;
    }
    buf.pass = buf.index = PitchClass(bass);
    std::memcpy(buf.entries, notes, sizeof notes);
    buf.entry = GetScale(0);
    return FindNextScale(out, buf);
}

int chord::FindNextScale(char* out, CHORD_FIND_BUF& buf) const
{
    if (out) out[0] = '\0';
    if (buf.index < 0 || buf.index >= PitchClasses || buf.pass < 0 || buf.pass >= PitchClasses) buf.entry = nullptr;
    const unsigned wanted = ChordPitchClasses(buf);
    while (buf.entry) {
        const auto* scale = static_cast<const ScaleNameTag*>(buf.entry);
        const int root = buf.index;
        const unsigned scalePcs = ScalePitchClasses(root, *scale);
        const bool fits = (wanted & ~scalePcs) == 0;
        if (fits) {
            buf.bits = GetScaleBits(root, scale);
            if (out) {
                const std::string rootName = ShownNoteName(root, ScaleSpelling(root, *scale));
                std::snprintf(out, ScaleFindSize, "%s %s", rootName.c_str(), scale->name);
            }
        }
        buf.index = (buf.index + 1) % PitchClasses;
        if (buf.index == buf.pass) buf.entry = scale->next;
        if (fits) return 1;
    }
    return 0;
}

unsigned chord::GetScaleBits(NOTES root, const ScaleNameTag* scale)
{
    return PitchSet(PitchClass(root), scale ? ScalePitchClasses(root, *scale) : 0).Word();
}

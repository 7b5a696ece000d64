#pragma once
// The chord definitions prepared for naming. Each definition is a 12-bit
// interval mask (bit = interval mod 12) with the bits it requires; for every
// 6-bit half of a chord's interval mask, tables hold as bit sets over the
// definitions' list positions which definitions that half fits exactly and
// which it fits with one note left over. A candidate root is thus tried
// against all definitions in a few word operations instead of note by note.

#include <cstdint>
#include <utility>
#include <vector>

#include "core/theory/definition_records.h"

class ChordDefinitionIndex {
public:
    using Word = std::uint64_t;
    static constexpr int WordBits = 64;

    // Rebuilds from the list starting at head, following `next`.
    void Build(const ChordNameTag* head);

    int Size() const { return static_cast<int>(records_.size()); }
    // Changes with every Build, so that what was worked out from one list
    // can tell that the list has changed since.
    unsigned Generation() const { return generation_; }
    int Words() const { return words_; }
    const ChordNameTag* Record(int position) const { return records_[position]; }
    // List position of a record, or -1 when it is not in the list.
    int Position(const ChordNameTag* record) const;
    // The 12-bit interval mask of the definition at `position`.
    unsigned Intervals(int position) const { return intervals_[position]; }

    // Word w of the definitions that `intervals` (relative to the root) fits
    // with nothing left over: every required interval present, every present
    // one in the definition.
    Word Exact(unsigned intervals, int w) const { return Low(intervals, w).exact & High(intervals, w).exact; }
    // Word w of the definitions that `intervals` fits with exactly one
    // interval outside the definition.
    Word OneExtra(unsigned intervals, int w) const
    {
        const HalfFit& low = Low(intervals, w);
        const HalfFit& high = High(intervals, w);
        return (low.oneExtra & high.exact) | (low.exact & high.oneExtra);
    }
    // Word w of the definitions that contain interval bit b.
    Word Contains(int b, int w) const { return contains_[w * 12 + b]; }
    // Word w of the definitions whose first interval is optional.
    Word RootOptional(int w) const { return rootOptional_[w]; }
    // First position from `from` on whose first interval is optional, or Size().
    int NextRootOptional(int from) const;

private:
    static constexpr int HalfBits = 6;
    static constexpr int HalfMasks = 1 << HalfBits;

    struct HalfFit {
        Word exact = 0;
        Word oneExtra = 0;
    };
    const HalfFit& Low(unsigned intervals, int w) const
    {
        return halves_[(w * 2) * HalfMasks + (intervals & (HalfMasks - 1))];
    }
    const HalfFit& High(unsigned intervals, int w) const
    {
        return halves_[(w * 2 + 1) * HalfMasks + ((intervals >> HalfBits) & (HalfMasks - 1))];
    }

    unsigned generation_ = 0;
    int words_ = 0;
    std::vector<const ChordNameTag*> records_;
    std::vector<unsigned> intervals_;
    std::vector<std::pair<std::uintptr_t, int>> byAddress_;  // sorted by address
    std::vector<HalfFit> halves_;                            // [word][low, high][6-bit half of a mask]
    std::vector<Word> contains_;                             // [word][interval bit]
    std::vector<Word> rootOptional_;                         // [word]
};

// The index of the current chord list, rebuilt after the list changed
// (ChordDefinitionsChanged in definition_lists.h).
const ChordDefinitionIndex& CurrentChordDefinitionIndex();

#include "core/theory/chord_definition_index.h"

#include <algorithm>
#include <bit>

#include "core/theory/definition_lists.h"

namespace {

bool indexIsCurrent = false;

struct DefinitionMasks {
    unsigned present = 0;   // every interval
    unsigned required = 0;  // intervals not marked optional
};

DefinitionMasks MasksOf(const ChordNameTag& d)
{
    DefinitionMasks m;
    const int count = std::clamp(d.count, 0, DefinitionSlots);
    for (int i = 0; i < count; ++i) {
        const unsigned bit = 1u << ((d.intervals[i] % 12 + 12) % 12);
        m.present |= bit;
        if (!(d.flags[i] & OptionalInterval)) m.required |= bit;
    }
    return m;
}

}  // namespace

void ChordDefinitionsChanged() { indexIsCurrent = false; }

const ChordDefinitionIndex& CurrentChordDefinitionIndex()
{
    static ChordDefinitionIndex index;
    if (!indexIsCurrent) {
        index.Build(GetChordDefinition(0));
        indexIsCurrent = true;
    }
    return index;
}

void ChordDefinitionIndex::Build(const ChordNameTag* head)
{
    ++generation_;
    records_.clear();
    intervals_.clear();
    for (const ChordNameTag* d = head; d; d = d->next) records_.push_back(d);
    const int size = Size();
    words_ = (size + WordBits - 1) / WordBits;

    byAddress_.clear();
    for (int i = 0; i < size; ++i) byAddress_.emplace_back(reinterpret_cast<std::uintptr_t>(records_[i]), i);
    std::sort(byAddress_.begin(), byAddress_.end());

    halves_.assign(static_cast<std::size_t>(words_) * 2 * HalfMasks, HalfFit{});
    contains_.assign(static_cast<std::size_t>(words_) * 12, 0);
    rootOptional_.assign(static_cast<std::size_t>(words_), 0);

    for (int i = 0; i < size; ++i) {
        const ChordNameTag& d = *records_[i];
        const DefinitionMasks m = MasksOf(d);
        intervals_.push_back(m.present);
        const int w = i / WordBits;
        const Word bit = Word{1} << (i % WordBits);
        for (int b = 0; b < 12; ++b)
            if (m.present & (1u << b)) contains_[w * 12 + b] |= bit;
        if (d.count > 0 && (d.flags[0] & OptionalInterval)) rootOptional_[w] |= bit;
        // A half of a chord's mask fits when it lacks none of the required
        // intervals of that half; it fits exactly when it holds nothing else.
        for (int half = 0; half < 2; ++half) {
            const int shift = half * HalfBits;
            const unsigned required = (m.required >> shift) & (HalfMasks - 1);
            const unsigned present = (m.present >> shift) & (HalfMasks - 1);
            for (unsigned h = 0; h < HalfMasks; ++h) {
                if (required & ~h) continue;
                HalfFit& fit = halves_[(w * 2 + half) * HalfMasks + h];
                const int outside = std::popcount(h & ~present);
                if (outside == 0) fit.exact |= bit;
                if (outside == 1) fit.oneExtra |= bit;
            }
        }
    }
}

int ChordDefinitionIndex::Position(const ChordNameTag* record) const
{
    const auto address = reinterpret_cast<std::uintptr_t>(record);
    auto at = std::lower_bound(byAddress_.begin(), byAddress_.end(), std::make_pair(address, -1));
    return at != byAddress_.end() && at->first == address ? at->second : -1;
}

int ChordDefinitionIndex::NextRootOptional(int from) const
{
    for (int position = std::max(from, 0); position < Size(); ++position) {
        if (rootOptional_[position / WordBits] & (Word{1} << (position % WordBits))) return position;
    }
    return Size();
}

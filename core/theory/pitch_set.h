#pragma once
// The pitch-set word that naming, the key and scale searches and the Search
// dialog give and the Find displays read: a root pitch class in bits 0-3 and
// bit 4 + p for each pitch class p. Studio files keep it as it is.

#include <bit>
#include <cstdint>

constexpr int PitchClasses = 12;
constexpr unsigned AllPitchClasses = 0xFFF;  // one bit per pitch class

class PitchSet {
public:
    constexpr PitchSet() = default;
    // The set of classes (a 12-bit mask, bit p for pitch class p) on root.
    constexpr PitchSet(int root, unsigned classes)
        : word_(static_cast<std::uint32_t>(root & RootMask) | (classes & AllPitchClasses) << ClassShift)
    {
    }
    // The stored word as it stands, stray bits included, so that it goes back
    // unchanged.
    static constexpr PitchSet FromWord(std::uint32_t word)
    {
        PitchSet set;
        set.word_ = word;
        return set;
    }

    constexpr std::uint32_t Word() const { return word_; }
    // 0 is no set at all: the Find display shows nothing.
    constexpr bool Empty() const { return word_ == 0; }
    // 0-15 as stored; a word made here holds 0-11.
    constexpr int Root() const { return static_cast<int>(word_ & RootMask); }
    constexpr unsigned Classes() const { return (word_ >> ClassShift) & AllPitchClasses; }
    constexpr bool Has(int pitchClass) const { return (Classes() >> pitchClass) & 1u; }
    constexpr int Count() const { return std::popcount(Classes()); }

    constexpr PitchSet With(int pitchClass) const { return FromWord(word_ | 1u << (ClassShift + pitchClass)); }

    constexpr bool operator==(const PitchSet&) const = default;

private:
    static constexpr unsigned RootMask = 0xF;
    static constexpr int ClassShift = 4;
    std::uint32_t word_ = 0;
};

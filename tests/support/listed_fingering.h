#pragma once
// Fingerings as guitarists write them ("x 3 2 0 1 0", the lowest string
// first), and the fingering the search lists with those frets, its fingers
// numbered.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <sstream>
#include <string>
#include <vector>

#include "core/theory/ranked_fingerings.h"

inline std::array<int, chord::Slots> FretsFromText(const std::string& text)
{
    std::array<int, chord::Slots> frets;
    frets.fill(NotPlayedFret);
    std::istringstream words(text);
    std::vector<int> read;
    for (std::string word; words >> word;) read.push_back(word == "x" ? NotPlayedFret : std::stoi(word));
    std::copy(read.rbegin(), read.rend(), frets.begin());
    return frets;
}

// Searched for the chord the frets sound, its lowest note the bass.
inline Fingering ListedFingering(const std::vector<NOTES>& tuning, const std::string& text, int capo = 0)
{
    FingeringRequest request;
    request.openStrings = tuning;
    request.capo = capo;
    const auto frets = FretsFromText(text);
    NOTES lowest = NoNote;
    for (std::size_t s = 0; s < tuning.size(); ++s) {
        if (frets[s] == NotPlayedFret) continue;
        const NOTES n = tuning[s] + frets[s];
        request.pitchClasses |= static_cast<std::uint16_t>(1u << PitchClass(n));
        if (lowest == NoNote || n < lowest) lowest = n;
    }
    request.bass = request.root = PitchClass(lowest);
    for (const Fingering& f : FindRankedFingerings(request))
        if (f.frets == frets) return f;
    ADD_FAILURE() << text << " is not listed";
    return {};
}

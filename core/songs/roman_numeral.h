#pragma once
// A chord's Roman numeral in a key: its degree, its quality by case and sign,
// and a secondary dominant read as V of the degree it leads to.

#include <string>

#include "core/songs/song_key.h"

// root: pitch class from C; pitchClasses: bit p for each pitch class from C.
// "I", "ii", "V7", "bVII", "vii°", "V/V", "V7/ii"; empty when no pitch sounds.
std::string RomanNumeral(int root, unsigned pitchClasses, const SongKey& key);

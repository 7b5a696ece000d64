#pragma once
// Which fret of which string a computer key plays on the Guitar. Tablature:
// the digits give the fret, from the lowest string up, one string per key,
// and X leaves the string silent. Fingerboard: the keys are laid over the
// neck, a column per string (lowest on the left) and a row per fret.

namespace GuitarTyping {
constexpr int Tablature = 0;
constexpr int Fingerboard = 1;
}  // namespace GuitarTyping

struct FretKey {
    bool plays = false;  // the key plays `fret` (-1: not played) on `string`
    int fret = -1;
    int string = -1;
    bool resetsTablature = false;  // a key of the map that is no tablature key
};

// c: the key's character (TypingMap::KeyChar); tabString: strings typed so
// far in Tablature.
FretKey FretOfKey(char c, int method, int stringCount, int tabString);

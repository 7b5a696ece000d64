// Numerals count from the tonic along the major scale, with b and # for the
// degrees between (so a minor key reads i, ii°, bIII, iv, V, bVI, bVII).
#include "core/songs/roman_numeral.h"

namespace {

const char* const Degrees[12] = {"I", "bII", "II", "bIII", "III", "IV", "#IV", "V", "bVI", "VI", "bVII", "VII"};

constexpr unsigned MajorScale = 0b101010110101;  // bit = semitones above the tonic
// Natural minor with the raised seventh that its dominant borrows.
constexpr unsigned MinorScale = 0b110110101101;

struct Quality {
    bool minor = false;
    bool diminished = false;
    bool augmented = false;
    bool minorSeventh = false;
    bool majorSeventh = false;
    bool diminishedSeventh = false;
};

Quality QualityOf(unsigned intervals)
{
    auto has = [intervals](int i) { return (intervals >> i & 1) != 0; };
    Quality q;
    q.minor = has(3) && !has(4);
    q.diminished = q.minor && has(6) && !has(7);
    q.augmented = has(4) && has(8) && !has(7);
    q.minorSeventh = has(10);
    q.majorSeventh = !has(10) && has(11);
    q.diminishedSeventh = q.diminished && !has(10) && has(9);
    return q;
}

std::string Lower(std::string text)
{
    for (char& c : text)
        if (c == 'I' || c == 'V') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string Numeral(int degree, const Quality& q)
{
    std::string numeral = q.minor ? Lower(Degrees[degree]) : Degrees[degree];
    if (q.diminished) return numeral + (q.diminishedSeventh ? "°7" : q.minorSeventh ? "ø7" : "°");
    if (q.augmented) numeral += "+";
    if (q.minorSeventh) numeral += "7";
    if (q.majorSeventh) numeral += "maj7";
    return numeral;
}

unsigned Rotate(unsigned pitchClasses, int by) { return (pitchClasses >> by | pitchClasses << (12 - by)) & 0xFFF; }

// The numeral of the key's own triad on a degree, or empty when the degree is
// outside the key or its triad is diminished (nothing to lead to).
std::string TargetNumeral(int degree, const SongKey& key)
{
    // In minor only the dominant takes the raised seventh.
    const unsigned scale = key.major ? MajorScale : degree == 7 ? MinorScale : MinorScale & ~(1u << 11);
    if (degree == 0 || !(scale >> degree & 1)) return {};
    const unsigned triad = Rotate(scale, degree) & 0b11011001;  // unison, thirds, fifths
    const Quality q = QualityOf(triad);
    if (q.diminished || (!q.minor && !(triad >> 4 & 1))) return {};
    return Numeral(degree, q);
}

}  // namespace

std::string RomanNumeral(int root, unsigned pitchClasses, const SongKey& key)
{
    pitchClasses &= 0xFFF;
    if (!pitchClasses) return {};
    const int degree = ((root - key.tonic) % 12 + 12) % 12;
    const unsigned intervals = Rotate(pitchClasses, ((root % 12) + 12) % 12);
    const Quality q = QualityOf(intervals);

    // A major chord or dominant seventh foreign to the key leads to the degree
    // a fifth below it.
    const unsigned scale = key.major ? MajorScale : MinorScale;
    const bool foreign = (Rotate(pitchClasses, key.tonic) & ~scale) != 0;
    const bool dominantShape = (intervals >> 4 & 1) && !q.augmented && !q.majorSeventh && !(intervals >> 6 & 1);
    if (foreign && dominantShape) {
        const std::string target = TargetNumeral((degree + 5) % 12, key);
        if (!target.empty()) return (q.minorSeventh ? "V7/" : "V/") + target;
    }
    return Numeral(degree, q);
}

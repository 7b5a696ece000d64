// Times the fingering search: all fingerings of five-note chords on a
// 12-string guitar with 24 frets (goal: under 5 ms each), and of every triad
// on a standard guitar with 12 frets (goal: under 50 us each).
#include <algorithm>
#include <bit>
#include <chrono>
#include <cstdio>
#include <vector>

#include "core/theory/ranked_fingerings.h"

namespace {

// Open notes in slot order (slot 0 is the last string written).
// 12-string guitar, courses written from low to high: E3 E2 A3 A2 D4 D3 G4 G3 B3 B3 E4 E4.
const std::vector<NOTES> TwelveString = {67, 67, 62, 62, 58, 70, 53, 65, 48, 60, 43, 55};
// Twelve single strings in fourths from E2, each free of the others: no goal,
// shown for how the search grows when nothing ties strings together.
std::vector<NOTES> TwelveFourths()
{
    std::vector<NOTES> open;
    for (int s = 11; s >= 0; --s) open.push_back(43 + 5 * s);
    return open;
}
// Guitar: E2 A2 D3 G3 B3 E4.
const std::vector<NOTES> StandardGuitar = {67, 62, 58, 53, 48, 43};

constexpr int PcC = 3;

struct Timing {
    double mean = 0;     // seconds per chord
    double slowest = 0;  // seconds
    std::size_t fingerings = 0;
};

double SecondsFor(const FingeringRequest& request, int rounds, std::size_t& found)
{
    double best = 1e9;
    for (int r = 0; r < rounds; ++r) {
        const auto start = std::chrono::steady_clock::now();
        found = FindRankedFingerings(request).size();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

// Every chord of `size` pitch classes, its lowest pitch class counted from
// each of the 12 roots as the bass.
Timing TimeEverySet(const std::vector<NOTES>& tuning, int frets, int size, int rounds)
{
    Timing timing;
    int chords = 0;
    for (unsigned set = 1; set < 4096; ++set) {
        if (std::popcount(set) != size) continue;
        FingeringRequest request;
        request.pitchClasses = static_cast<std::uint16_t>(set);
        request.bass = std::countr_zero(set);
        request.openStrings = tuning;
        request.frets = frets;
        std::size_t found = 0;
        const double seconds = SecondsFor(request, rounds, found);
        timing.mean += seconds;
        timing.slowest = std::max(timing.slowest, seconds);
        timing.fingerings += found;
        ++chords;
    }
    timing.mean /= chords;
    return timing;
}

// Major, minor, diminished and augmented on each root, the root as the bass.
Timing TimeTriads(int rounds)
{
    static const int shapes[][2] = {{4, 7}, {3, 7}, {3, 6}, {4, 8}};
    Timing timing;
    int chords = 0;
    for (int root = 0; root < 12; ++root)
        for (const auto& shape : shapes) {
            FingeringRequest request;
            request.pitchClasses = static_cast<std::uint16_t>((1u << root) | (1u << (root + shape[0]) % 12) |
                                                              (1u << (root + shape[1]) % 12));
            request.bass = root;
            request.openStrings = StandardGuitar;
            std::size_t found = 0;
            const double seconds = SecondsFor(request, rounds, found);
            timing.mean += seconds;
            timing.slowest = std::max(timing.slowest, seconds);
            timing.fingerings += found;
            ++chords;
        }
    timing.mean /= chords;
    return timing;
}

} // namespace

int main()
{
    FingeringRequest c9;  // C E G Bb D over C
    for (int interval : {0, 4, 7, 10, 14}) c9.pitchClasses |= static_cast<std::uint16_t>(1u << (PcC + interval) % 12);
    c9.bass = PcC;
    c9.openStrings = TwelveString;
    c9.frets = 24;
    std::size_t found = 0;
    const double c9Seconds = SecondsFor(c9, 20, found);
    std::printf("12-string, 24 frets, C9 (five notes): %zu fingerings in %.3f ms (goal < 5 ms)\n", found,
                c9Seconds * 1e3);

    FingeringRequest free = c9;
    free.openStrings = TwelveFourths();
    const double freeSeconds = SecondsFor(free, 3, found);
    std::printf("12 free strings in fourths, 24 frets, C9: %zu fingerings in %.3f ms (no goal)\n", found,
                freeSeconds * 1e3);

    const Timing five = TimeEverySet(TwelveString, 24, 5, 3);
    std::printf("12-string, 24 frets, all 792 five-note chords: mean %.3f ms, slowest %.3f ms, %.0f fingerings "
                "each on average (goal < 5 ms)\n",
                five.mean * 1e3, five.slowest * 1e3, five.fingerings / 792.0);

    const Timing triads = TimeTriads(200);
    std::printf("standard guitar, 12 frets, 48 triads (major, minor, diminished, augmented): mean %.1f us, "
                "slowest %.1f us, %.0f fingerings each on average (goal < 50 us)\n",
                triads.mean * 1e6, triads.slowest * 1e6, triads.fingerings / 48.0);
    return 0;
}

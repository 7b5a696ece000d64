// Times the fingering search: all fingerings of five-note chords on a
// 12-string guitar with 24 frets (goal: under 5 ms each), and of every triad
// on a standard guitar with 12 frets (goal: under 50 us each).
#include <algorithm>
#include <bit>
#include <chrono>
#include <limits>
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

double SecondsFor(const FingeringRequest& request, int rounds, std::size_t& found,
                  std::size_t count = std::numeric_limits<std::size_t>::max())
{
    double best = 1e9;
    for (int r = 0; r < rounds; ++r) {
        const auto start = std::chrono::steady_clock::now();
        found = FindRankedFingerings(request, count).size();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

Timing TimeEach(const std::vector<FingeringRequest>& requests, int rounds,
                std::size_t count = std::numeric_limits<std::size_t>::max())
{
    Timing timing;
    for (const FingeringRequest& request : requests) {
        std::size_t found = 0;
        const double seconds = SecondsFor(request, rounds, found, count);
        timing.mean += seconds;
        timing.slowest = std::max(timing.slowest, seconds);
        timing.fingerings += found;
    }
    timing.mean /= static_cast<double>(requests.size());
    return timing;
}

FingeringRequest Chord(unsigned pitchClasses, int bass, const std::vector<NOTES>& tuning, int frets)
{
    FingeringRequest request;
    request.pitchClasses = static_cast<std::uint16_t>(pitchClasses);
    request.bass = bass;
    request.openStrings = tuning;
    request.frets = frets;
    return request;
}

// Every chord of `size` pitch classes, its lowest pitch class (from A) the bass.
std::vector<FingeringRequest> EverySet(const std::vector<NOTES>& tuning, int frets, int size)
{
    std::vector<FingeringRequest> requests;
    for (unsigned set = 1; set < 4096; ++set)
        if (std::popcount(set) == size) requests.push_back(Chord(set, std::countr_zero(set), tuning, frets));
    return requests;
}

// Major, minor, diminished and augmented on each root, the root as the bass.
std::vector<FingeringRequest> Triads(const std::vector<NOTES>& tuning, int frets)
{
    static const int shapes[][2] = {{4, 7}, {3, 7}, {3, 6}, {4, 8}};
    std::vector<FingeringRequest> requests;
    for (int root = 0; root < 12; ++root)
        for (const auto& shape : shapes)
            requests.push_back(Chord((1u << root) | (1u << (root + shape[0]) % 12) | (1u << (root + shape[1]) % 12),
                                     root, tuning, frets));
    return requests;
}

}  // namespace

int main()
{
    unsigned ninth = 0;  // C E G Bb D over C
    for (int interval : {0, 4, 7, 10, 14}) ninth |= 1u << (PcC + interval) % 12;
    const FingeringRequest c9 = Chord(ninth, PcC, TwelveString, 24);
    std::size_t found = 0;
    const double c9Seconds = SecondsFor(c9, 20, found);
    std::printf("12-string, 24 frets, C9 (five notes): %zu fingerings in %.3f ms (goal < 5 ms)\n", found,
                c9Seconds * 1e3);

    FingeringRequest free = c9;
    free.openStrings = TwelveFourths();
    const double freeSeconds = SecondsFor(free, 3, found);
    std::printf("12 free strings in fourths, 24 frets, C9: %zu fingerings in %.3f ms (no goal)\n", found,
                freeSeconds * 1e3);

    const Timing five = TimeEach(EverySet(TwelveString, 24, 5), 3);
    std::printf(
        "12-string, 24 frets, all 792 five-note chords: mean %.3f ms, slowest %.3f ms, %.0f fingerings "
        "each on average (goal < 5 ms)\n",
        five.mean * 1e3, five.slowest * 1e3, five.fingerings / 792.0);

    const Timing triads = TimeEach(Triads(StandardGuitar, 12), 200);
    std::printf(
        "standard guitar, 12 frets, 48 triads (major, minor, diminished, augmented): mean %.1f us, "
        "slowest %.1f us, %.0f fingerings each on average (goal < 50 us)\n",
        triads.mean * 1e6, triads.slowest * 1e6, triads.fingerings / 48.0);

    // What the Guitar's Fingerings list asks for: the best 24, each with its fingers.
    const Timing listed = TimeEach(Triads(StandardGuitar, 12), 200, 24);
    std::printf("the same, the best 24 as the Fingerings list shows them: mean %.1f us, slowest %.1f us\n",
                listed.mean * 1e6, listed.slowest * 1e6);
    return 0;
}

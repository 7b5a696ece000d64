// Names every non-empty pitch-class set (4,095 chords, each voiced upward
// within one octave from C5) with the default definitions, listing all names
// of each, and reports the time per set and the names per second.
// bench_naming [ACCIDENTALS]: under that spelling setting (4: by chord).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/services/file_names.h"
#include "core/theory/chord.h"
#include "core/theory/definition_lists.h"

namespace {

constexpr NOTES C5 = 51;
constexpr int Sets = 4095;

struct Round {
    double seconds = 0;
    long names = 0;
};

Round NameEverySet(const chord* chords)
{
    Round round;
    CHORD_FIND_BUF search;
    char name[chord::ChordNameSize];
    const auto start = std::chrono::steady_clock::now();
    for (int s = 0; s < Sets; ++s)
        for (int found = chords[s].FindFirstName(name, search); found; found = chords[s].FindNextName(name, search))
            ++round.names;
    round.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return round;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1) chord::Config_Accidentals = std::atoi(argv[1]);
    const std::string ini = std::string(GetLibraryDirectory()) + "cantrel.ini";
    UseINIFileName(ini.c_str());
    if (!InitializeChordList() || CountChordDefinitions() == 0) {
        std::fprintf(stderr, "bench_naming: cannot load the chord definitions from %s\n", ini.c_str());
        return 1;
    }

    static chord chords[Sets];
    for (int mask = 1; mask <= Sets; ++mask)
        for (int i = 0; i < 12; ++i)
            if (mask & (1 << i)) chords[mask - 1].AddNote(C5 + i);

    NameEverySet(chords);  // warm up: builds the definition index, fills the caches
    Round best;
    best.seconds = 1e9;
    constexpr int Rounds = 50;
    for (int r = 0; r < Rounds; ++r) {
        const Round round = NameEverySet(chords);
        if (round.seconds < best.seconds) best = round;
    }
    std::printf("definitions: %d, accidentals setting %d\n", CountChordDefinitions(), chord::Config_Accidentals);
    std::printf("pitch-class sets: %d, names: %ld (%.2f per set)\n", Sets, best.names,
                static_cast<double>(best.names) / Sets);
    std::printf("best of %d rounds: %.3f us per set, %.0f names per second\n", Rounds, best.seconds * 1e6 / Sets,
                best.names / best.seconds);
    ReleaseChordList();
    return 0;
}

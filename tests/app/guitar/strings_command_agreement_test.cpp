// cantrel-cli strings lays out chords exactly as the Guitar lays out a chord
// that arrives, for every tuning of the default list.
#include <filesystem>
#include <random>
#include <sstream>

#include "cli/cli_runner.h"
#include "guitar_fixture.h"

namespace {

// The line the command's batch prints for the guitar's strings.
std::string Listing(const GuitarClient* g)
{
    std::ostringstream out;
    for (int s = 0; s < g->StringCount; ++s) {
        const NOTES n = g->Chord.notes[s];
        out << (s ? "\t" : "") << s << ' ';
        if (n == NoNote) {
            out << '-';
            continue;
        }
        char name[chord::FullNoteNameSize];
        chord::GetFullNoteName(n, name);
        out << name << ' ' << n - g->Tuning.notes[s];
    }
    out << '\n';
    return out.str();
}

}  // namespace

TEST_F(GuitarTest, StringsCommandAgreesWithTheComponent)
{
    const std::string ini = scratch.File("default.ini");
    std::filesystem::copy_file(CANTREL_SOURCE_DIR "/data/cantrel.ini", ini);
    UseINIFileName(ini.c_str());
    ReleaseTuningList();
    ReleaseInstruments();
    ASSERT_TRUE(InitializeTuningList());
    const int tunings = CountTunings();
    ASSERT_GE(tunings, 20);

    // 20 instruments, 15 chords on each.
    std::mt19937 random(11);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    for (int round = 0; round < 20; ++round) {
        GuitarClient::Settings settings = guitar->CurrentSettings();
        settings.tuningIndex = pick(0, tunings - 1);
        settings.fretCount = pick(4, 33);
        settings.capoFret = pick(0, settings.fretCount - 1);
        guitar->ApplySettings(settings);

        std::string input, expected;
        bool leftOut = false;  // a note no string reaches fails the command's run
        for (int c = 0; c < 15; ++c) {
            chord arriving;
            for (int i = pick(1, 9); i > 0; --i) {
                const NOTES n = pick(20, 110);
                if (arriving.FindNote(n) >= 0) continue;
                arriving.AddNote(n);
                char name[chord::FullNoteNameSize];
                chord::GetFullNoteName(n, name);
                input += std::string(name) + ' ';
            }
            input += '\n';
            guitar->TakeChord(arriving);
            expected += Listing(guitar);
            leftOut = leftOut || guitar->Chord.CountNotes() != arriving.CountNotes();
        }
        const CliResult r =
            RunCli({"--ini", ini, "strings", "--batch", "--tuning", std::to_string(settings.tuningIndex), "--frets",
                    std::to_string(settings.fretCount), "--capo", std::to_string(settings.capoFret)},
                   input);
        ASSERT_EQ(r.exitCode, leftOut ? 1 : 0) << r.err;
        ASSERT_EQ(r.out, expected) << "round " << round;
    }
}

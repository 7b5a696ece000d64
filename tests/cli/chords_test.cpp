// cantrel-cli chords: the chart of a song file, its options and its failures.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_runner.h"
#include "support/midi_file_writer.h"
#include "support/scratch_dir.h"
#include "support/test_settings.h"

namespace {

// Field `index` of each line, tab-separated.
std::vector<std::string> Column(const std::vector<std::string>& lines, std::size_t index)
{
    std::vector<std::string> column;
    for (const std::string& line : lines) {
        std::vector<std::string> fields(1);
        for (char c : line) {
            if (c == '\t')
                fields.emplace_back();
            else
                fields.back().push_back(c);
        }
        column.push_back(index < fields.size() ? fields[index] : "");
    }
    return column;
}

// A band in A minor: chords on channel 1, a bass line on channel 2, drums on 10.
std::string Band()
{
    MidiFileWriter file(1, 240);
    MidiTrackWriter& keys = file.Track();
    MidiTrackWriter& bass = file.Track();
    MidiTrackWriter& drums = file.Track();
    keys.runningStatus = bass.runningStatus = true;
    const std::vector<std::vector<int>> chords = {{57, 60, 64}, {62, 65, 69}, {56, 59, 62, 64}, {57, 60, 64}};
    const int roots[] = {45, 50, 40, 45};
    for (int bar = 0; bar < 4; ++bar) {
        keys.Chord(960 * bar, 960, chords[bar], 0);
        bass.Note(960 * bar, 960, roots[bar], 1);
        for (int beat = 0; beat < 4; ++beat) drums.Note(960 * bar + 240 * beat, 30, 38, 9);
    }
    return file.Bytes();
}

}  // namespace

TEST(CliChords, ChartKeyChannelsAndJson)
{
    ScratchDir scratch;
    const std::string song = scratch.Write("band.mid", Band());
    CliResult r = RunCli({"--ini", TestSettings::File(), "chords", "--key", song});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 5u) << r.out;
    EXPECT_EQ(lines.front(), "key\tA Minor");
    lines.erase(lines.begin());
    EXPECT_EQ(Column(lines, 0), (std::vector<std::string>{"1:1", "2:1", "3:1", "4:1"}));
    EXPECT_EQ(Column(lines, 1), (std::vector<std::string>{"0.000", "2.000", "4.000", "6.000"}));
    EXPECT_EQ(Column(lines, 3), (std::vector<std::string>{"i", "iv", "V7", "i"}));
    EXPECT_EQ(Column(lines, 4), (std::vector<std::string>{"Am", "Dm", "E7", "Am"}));

    // Per beat, without the key: four lines a bar and no numeral column.
    r = RunCli({"--ini", TestSettings::File(), "chords", "--per", "beat", song});
    lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(Column(lines, 0)[5], "2:2");
    EXPECT_EQ(Column(lines, 3)[5], "Dm");

    // The bass alone, then the drums too (the percussion channel only when named).
    r = RunCli({"--ini", TestSettings::File(), "chords", "--channels", "2", song});
    EXPECT_EQ(Column(Lines(r.out), 2).front().find(' '), std::string::npos) << "one note: " << r.out;
    r = RunCli({"--ini", TestSettings::File(), "chords", "--channels=2,9-10", "--per=bar", song});
    ASSERT_EQ(Lines(r.out).size(), 4u);
    EXPECT_NE(Column(Lines(r.out), 2).front().find(' '), std::string::npos) << "bass and snare: " << r.out;

    r = RunCli({"--ini", TestSettings::File(), "chords", "--json", "--key", song});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"key\": \"A Minor\", \"sections\": [{\"firstBar\": 1, \"lastBar\": 4, \"key\": \"A Minor\"}]", 0),
              0u)
        << r.out;
    EXPECT_NE(r.out.find("\"names\": [\"E7\""), std::string::npos);
    EXPECT_NE(r.out.find("\"numeral\": \"V7\""), std::string::npos);
}

// I-IV-V-I in Ab: spelled by chord, the key and every note read in flats, as
// the standard spelling does not.
TEST(CliChords, ByChordSpellsTheKeyAndEachChordsNotes)
{
    MidiFileWriter file(1, 240);
    MidiTrackWriter& keys = file.Track();
    const std::vector<std::vector<int>> chords = {{56, 60, 63}, {61, 65, 68}, {63, 67, 70}, {56, 60, 63}};
    for (int bar = 0; bar < 4; ++bar) keys.Chord(960 * bar, 960, chords[bar], 0);
    ScratchDir scratch;
    const std::string song = scratch.Write("flat.mid", file.Bytes());
    const struct {
        const char* accidentals;
        const char* key;
        std::vector<std::string> notes;
    } cases[] = {
        {"3", "key\tG# Major", {"G#3 C4 Eb4", "C#4 F4 G#4", "Eb4 G4 Bb4", "G#3 C4 Eb4"}},
        {"4", "key\tAb Major", {"Ab3 C4 Eb4", "Db4 F4 Ab4", "Eb4 G4 Bb4", "Ab3 C4 Eb4"}},
    };
    for (const auto& c : cases) {
        const CliResult r = RunCli({"--ini", TestSettings::File(), "--accidentals", c.accidentals, "--octaves", "c",
                                    "chords", "--key", song});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        std::vector<std::string> lines = Lines(r.out);
        ASSERT_EQ(lines.size(), 5u) << r.out;
        EXPECT_EQ(lines.front(), c.key) << c.accidentals;
        lines.erase(lines.begin());
        EXPECT_EQ(Column(lines, 2), c.notes) << c.accidentals;
    }
}

TEST(CliChords, BrokenFilesAndBadOptionsFailWithTheirStatus)
{
    ScratchDir scratch;
    const std::string song = scratch.Write("band.mid", Band());
    std::string format2 = Band();
    format2[9] = 2;
    MidiFileWriter silent(0);
    silent.Track().Tempo(0, 400000);
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string says;
    };
    const std::vector<Case> cases = {
        {{"chords", scratch.File("missing.mid")}, 1, "475: " + scratch.File("missing.mid") + " cannot be opened"},
        {{"chords", scratch.File("")}, 1, "475: " + scratch.File("") + " cannot be opened: it is a folder"},
        {{"chords", scratch.Write("studio.mid", "[Studio]\n")}, 1, "476: "},
        {{"chords", scratch.Write("format2.mid", format2)}, 1, "477: "},
        {{"chords", scratch.Write("cut.mid", Band().substr(0, 60))}, 1, "478: "},
        {{"chords", scratch.Write("silent.mid", silent.Bytes())}, 1,
         "480: "},
        {{"chords", "--per", "phrase", song}, 2, "--per takes change, beat or bar"},
        {{"chords", "--channels", "0,17", song}, 2, "--channels takes channels 1 to 16"},
        {{"chords", song, song}, 2, "chords takes one file"},
        {{"chords"}, 2, "chords needs a MIDI file"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"--ini", TestSettings::File()};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliResult r = RunCli(args);
        SCOPED_TRACE(c.says);
        EXPECT_EQ(r.exitCode, c.status);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    }
}

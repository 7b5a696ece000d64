// The chords, bars and beats, key and numerals of songs written here, in
// several keys, metres and textures.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/songs/midi_song.h"
#include "core/songs/song_chords.h"
#include "core/songs/song_key.h"
#include "core/theory/definition_lists.h"
#include "support/midi_file_writer.h"

namespace {

class SongChords : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(InitializeChordList()); }
    void TearDown() override { ReleaseChordList(); }
};

MidiSong Read(const MidiFileWriter& file)
{
    const std::string bytes = file.Bytes();
    MidiFileReading reading = ReadMidiSong(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    EXPECT_FALSE(reading.problem) << (reading.problem ? reading.problem->text : "");
    return reading.song.value_or(MidiSong{});
}

// What a chart line says: bar:beat, first name, numeral.
std::vector<std::string> Chart(const std::vector<ChordSpan>& spans)
{
    std::vector<std::string> lines;
    for (const ChordSpan& s : spans)
        lines.push_back(std::to_string(s.at.bar) + ":" + std::to_string(s.at.beat) + " " +
                        (s.names.empty() ? "-" : s.names.front()) + (s.numeral.empty() ? "" : " " + s.numeral));
    return lines;
}

struct Progression {
    const char* what;
    int numerator, denominator, microsecondsPerQuarter;
    std::vector<std::vector<int>> chords;  // one a bar, MIDI keys
    const char* key;
    std::vector<std::string> chart;
};

const Progression Progressions[] = {
    {"I-vi-IV-V in C, 4/4", 4, 4, 500000,
     {{60, 64, 67}, {57, 60, 64}, {53, 57, 60}, {55, 59, 62}, {48, 60, 64, 67}},
     "C Major", {"1:1 C I", "2:1 Am vi", "3:1 F IV", "4:1 G V", "5:1 C I"}},
    {"I-IV-V7-I in G, 3/4 at 90", 3, 4, 666667,
     {{55, 59, 62}, {60, 64, 67}, {62, 66, 69, 72}, {43, 55, 59, 62}},
     "G Major", {"1:1 G I", "2:1 C IV", "3:1 D7 V7", "4:1 G I"}},
    {"i-iv-V7-i in A minor, 6/8", 6, 8, 500000,
     {{57, 60, 64}, {62, 65, 69}, {52, 56, 59, 62}, {45, 57, 60, 64}},
     "A Minor", {"1:1 Am i", "2:1 Dm iv", "3:1 E7 V7", "4:1 Am i"}},
    {"borrowed and secondary chords in D", 4, 4, 500000,
     {{50, 62, 66, 69}, {60, 64, 67}, {55, 59, 62}, {50, 62, 66, 69}, {52, 56, 59, 62}, {57, 61, 64, 67}, {50, 62, 66, 69}},
     "D Major", {"1:1 D I", "2:1 C bVII", "3:1 G IV", "4:1 D I", "5:1 E7 V7/V", "6:1 A7 V7", "7:1 D I"}},
};

}  // namespace

TEST_F(SongChords, ProgressionsInKeysAndMetresReadAsWritten)
{
    for (const Progression& p : Progressions) {
        SCOPED_TRACE(p.what);
        MidiFileWriter file(1, 480);
        MidiTrackWriter& conductor = file.Track();
        conductor.Tempo(0, p.microsecondsPerQuarter);
        conductor.Metre(0, p.numerator, p.denominator);
        MidiTrackWriter& piano = file.Track();
        MidiTrackWriter& drums = file.Track();
        const std::int64_t bar = 480 * 4 * p.numerator / p.denominator;
        for (std::size_t i = 0; i < p.chords.size(); ++i) {
            piano.Chord(static_cast<std::int64_t>(i) * bar, bar, p.chords[i]);
            // Kick and hi-hat on the percussion channel, left out of the chords.
            for (std::int64_t t = 0; t < bar; t += 240) drums.Note(static_cast<std::int64_t>(i) * bar + t, 60, t ? 42 : 36, 9);
        }
        const MidiSong song = Read(file);
        ChordReadingOptions options;
        options.numerals = true;
        EXPECT_EQ(Chart(ReadSongChords(song, options)), p.chart);
        EXPECT_EQ(FindKey(SongPitchClassDurations(song, options.channels, 0, song.lengthTicks)).Name(), p.key);
    }
}

TEST_F(SongChords, TexturesReadAsTheirChords)
{
    MidiFileWriter file(0, 480);
    MidiTrackWriter& track = file.Track();
    // Bar 1: C held over a walking bass C D E F.
    track.Chord(0, 1920, {60, 64, 67});
    for (int i = 0; i < 4; ++i) track.Note(480 * i, 480, 48 + std::vector<int>{0, 2, 4, 5}[i]);
    // Bar 2: F arpeggiated in sixteenths, A C F A up and down.
    for (int i = 0; i < 16; ++i) track.Note(1920 + 120 * i, 120, std::vector<int>{53, 57, 60, 65}[i % 4]);
    // Bar 3: G broken as an Alberti bass G D B D in eighths under a held B.
    for (int i = 0; i < 8; ++i) track.Note(3840 + 240 * i, 240, std::vector<int>{43, 50, 47, 50}[i % 4]);
    track.Note(3840, 1920, 71);
    // Bar 4: C rolled from the bass, a grace note D5 before the top, held.
    track.Note(5760, 1920, 48);
    track.Note(5790, 1890, 55);
    track.Note(5820, 1860, 64);
    track.Note(5840, 20, 74);
    track.Note(5860, 1820, 72);
    const MidiSong song = Read(file);

    ChordReadingOptions perBar;
    perBar.cut = SpanCut::PerBar;
    EXPECT_EQ(Chart(ReadSongChords(song, perBar)),
              (std::vector<std::string>{"1:1 C", "2:1 F", "3:1 G", "4:1 C"}));

    // At each change the walking bass shows, the rolled chord and its grace
    // note do not.
    const std::vector<ChordSpan> changes = ReadSongChords(song, ChordReadingOptions{});
    const std::vector<std::string> chart = Chart(changes);
    ASSERT_GE(chart.size(), 2u);
    EXPECT_EQ(chart.front(), "1:1 C");
    EXPECT_EQ(chart[1], "1:2 Cadd9");
    EXPECT_EQ(chart.back(), "4:1 C");
    EXPECT_NEAR(changes.back().startSeconds, 6.0, 1e-9);
    EXPECT_EQ(changes.back().notes, (std::vector<NOTES>{51, 58, 67, 75}));  // C3 G3 E4 C5, the engine's numbering

    ChordReadingOptions perBeat;
    perBeat.cut = SpanCut::PerBeat;
    const std::vector<std::string> beats = Chart(ReadSongChords(song, perBeat));
    ASSERT_EQ(beats.size(), 16u);
    EXPECT_EQ(beats[4], "2:1 F");
    EXPECT_EQ(beats[15], "4:4 C");
}

TEST_F(SongChords, QuickFiguresAndGapsGoIntoTheirChord)
{
    MidiFileWriter file(0, 480);
    MidiTrackWriter& track = file.Track();
    for (int i = 0; i < 8; ++i) track.Chord(240 * i, 200, {60, 64, 67});  // staccato eighths
    for (int i = 0; i < 32; ++i) track.Note(1920 + 60 * i, 60, std::vector<int>{53, 57, 60, 65}[i % 4]);  // 32nds
    track.Note(3840, 30, 69);  // a grace note before G
    track.Chord(3870, 1890, {55, 59, 62});
    const std::vector<ChordSpan> spans = ReadSongChords(Read(file), {});
    EXPECT_EQ(Chart(spans), (std::vector<std::string>{"1:1 C", "2:1 F", "3:1 G"}));
    ASSERT_EQ(spans.size(), 3u);
    EXPECT_EQ(spans[1].startTick, 1920);
    EXPECT_EQ(spans[2].startTick, 3870);
}

TEST_F(SongChords, TempoChangesAndSmpteTimeTheSpans)
{
    // Two bars at 120, then two at 60: each chord a bar.
    MidiFileWriter metrical(1, 480);
    MidiTrackWriter& conductor = metrical.Track();
    conductor.Tempo(3840, 1000000);
    MidiTrackWriter& piano = metrical.Track();
    // SMPTE at 24 frames of 10 ticks: 240 ticks a second, one chord a second.
    MidiFileWriter smpte(0, 0x8000 | (256 - 24) << 8 | 10);
    MidiTrackWriter& timecode = smpte.Track();
    const std::vector<std::vector<int>> chords = {{60, 64, 67}, {65, 69, 72}, {67, 71, 74}, {60, 64, 67}};
    for (std::size_t i = 0; i < chords.size(); ++i) {
        piano.Chord(1920 * static_cast<std::int64_t>(i), 1920, chords[i]);
        timecode.Chord(240 * static_cast<std::int64_t>(i), 240, chords[i]);
    }
    const std::vector<ChordSpan> slowing = ReadSongChords(Read(metrical), {});
    ASSERT_EQ(slowing.size(), 4u);
    EXPECT_NEAR(slowing[2].startSeconds, 4.0, 1e-9);
    EXPECT_NEAR(slowing[3].startSeconds, 8.0, 1e-9);
    EXPECT_NEAR(slowing[3].endSeconds, 12.0, 1e-9);
    EXPECT_EQ(slowing[3].at.bar, 4);

    const std::vector<ChordSpan> timed = ReadSongChords(Read(smpte), {});
    ASSERT_EQ(Chart(timed), (std::vector<std::string>{"1:1 C", "1:3 F", "2:1 G", "2:3 C"}));
    EXPECT_NEAR(timed[3].startSeconds, 3.0, 1e-9);
}

TEST_F(SongChords, EachSectionHasItsKey)
{
    // Eight bars in C, eight in G, eight in C again: I IV V7 I twice each.
    MidiFileWriter file(0, 480);
    MidiTrackWriter& track = file.Track();
    const std::vector<std::vector<int>> inC = {{48, 60, 64, 67}, {53, 60, 65, 69}, {43, 59, 62, 65, 67}, {48, 60, 64, 67}};
    std::int64_t at = 0;
    for (int shift : {0, 7, 0})
        for (int round = 0; round < 2; ++round)
            for (std::vector<int> chord : inC) {
                for (int& key : chord) key += shift;
                track.Chord(at, 1920, chord);
                at += 1920;
            }
    const std::vector<KeySection> sections = FindSectionKeys(Read(file), ChordReadingOptions{}.channels);
    ASSERT_EQ(sections.size(), 3u);
    EXPECT_EQ(sections[0].key.Name(), "C Major");
    EXPECT_EQ(sections[1].key.Name(), "G Major");
    EXPECT_EQ(sections[1].firstBar, 9);
    EXPECT_EQ(sections[1].lastBar, 16);
    EXPECT_EQ(sections[2].key.Name(), "C Major");
    EXPECT_EQ(sections[2].lastBar, 24);
}

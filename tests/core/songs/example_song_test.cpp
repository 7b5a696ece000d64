// The example song shipped in data/songs: written here, and read back as the
// progression it is. CANTREL_WRITE_EXAMPLE_SONG=1 writes it anew.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "core/songs/midi_song.h"
#include "core/songs/song_chords.h"
#include "core/theory/definition_lists.h"
#include "support/midi_file_writer.h"

namespace {

const std::string ExampleSongPath = std::string(CANTREL_SOURCE_DIR) + "/data/songs/i-vi-iv-v.mid";

// I-vi-IV-V in C twice, the second time ending on V7-I: piano, bass, flute
// melody and drums, at 96 beats a minute.
std::string ExampleSong()
{
    MidiFileWriter file(1, 480);
    MidiTrackWriter& conductor = file.Track();
    const std::string title = "I vi IV V";
    std::vector<std::uint8_t> name = {0xFF, 0x03, static_cast<std::uint8_t>(title.size())};
    name.insert(name.end(), title.begin(), title.end());
    conductor.Raw(0, name);
    conductor.Tempo(0, 625000);
    conductor.Metre(0, 4, 4);

    MidiTrackWriter& piano = file.Track();
    MidiTrackWriter& bass = file.Track();
    MidiTrackWriter& melody = file.Track();
    MidiTrackWriter& drums = file.Track();
    piano.Raw(0, {0xC0, 0});    // Acoustic Grand Piano
    bass.Raw(0, {0xC1, 32});    // Acoustic Bass
    melody.Raw(0, {0xC2, 73});  // Flute
    struct Bar {
        std::vector<int> chord;
        int root;
        std::vector<int> tune;
    };
    const Bar bars[] = {
        {{60, 64, 67}, 48, {76, 79, 76, 72}}, {{57, 60, 64}, 45, {76, 72, 69, 72}},
        {{57, 60, 65}, 41, {77, 81, 77, 72}}, {{55, 59, 62}, 43, {74, 71, 67, 71}},
        {{60, 64, 67}, 48, {72, 76, 79, 84}}, {{57, 60, 64}, 45, {81, 76, 72, 76}},
        {{57, 60, 65}, 41, {77, 72, 69, 72}}, {{55, 59, 62, 65}, 43, {71, 74, 77, 74}},
        {{60, 64, 67}, 36, {72, 72, 72, 72}},
    };
    std::int64_t at = 0;
    for (const Bar& bar : bars) {
        for (int half = 0; half < 2; ++half) {
            piano.Chord(at + 960 * half, 960, bar.chord, 0);
            bass.Note(at + 960 * half, 960, bar.root, 1);
        }
        for (int beat = 0; beat < 4; ++beat) {
            melody.Note(at + 480 * beat, 480, bar.tune[static_cast<std::size_t>(beat)], 2);
            drums.Note(at + 480 * beat, 120, beat % 2 ? 38 : 36, 9);
            drums.Note(at + 480 * beat, 120, 42, 9);
            drums.Note(at + 480 * beat + 240, 120, 42, 9);
        }
        at += 1920;
    }
    return file.Bytes();
}

}  // namespace

TEST(ExampleSong, IsTheOneTheTestsWriteAndReadsAsItsProgression)
{
    const std::string written = ExampleSong();
    if (std::getenv("CANTREL_WRITE_EXAMPLE_SONG")) std::ofstream(ExampleSongPath, std::ios::binary) << written;
    std::ifstream in(ExampleSongPath, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), written) << "run with CANTREL_WRITE_EXAMPLE_SONG=1";

    ASSERT_TRUE(InitializeChordList());
    const MidiFileReading reading =
        ReadMidiSong(reinterpret_cast<const std::uint8_t*>(written.data()), written.size());
    ASSERT_TRUE(reading.song);
    ChordReadingOptions options;
    options.numerals = true;
    std::string numerals;
    for (const ChordSpan& span : ReadSongChords(*reading.song, options)) numerals += span.numeral + " ";
    ReleaseChordList();
    EXPECT_EQ(numerals, "I vi IV V I vi IV V7 I ");
}

// Reading Standard MIDI Files written here: notes, tempo map, metres, the
// file's shorthand (running status, velocity 0) and what it must skip.
#include <gtest/gtest.h>

#include <string>

#include "core/songs/midi_song.h"
#include "support/midi_file_writer.h"

namespace {

MidiSong Read(const std::string& bytes)
{
    MidiFileReading reading = ReadMidiSong(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    EXPECT_FALSE(reading.problem) << (reading.problem ? reading.problem->text : "");
    return reading.song.value_or(MidiSong{});
}

struct Moment {
    std::int64_t tick;
    double seconds;
    int bar;
    int beat;
};

// Writes notes at each moment's tick and checks its time both ways.
void ExpectMoments(MidiFileWriter& file, MidiTrackWriter& track, const std::vector<Moment>& moments)
{
    for (const Moment& m : moments) track.Note(m.tick, 10, 60);
    const MidiSong song = Read(file.Bytes());
    ASSERT_EQ(song.notes.size(), moments.size());
    for (std::size_t i = 0; i < moments.size(); ++i) {
        const Moment& m = moments[i];
        SCOPED_TRACE(m.tick);
        EXPECT_NEAR(song.notes[i].startSeconds, m.seconds, 1e-9);
        EXPECT_EQ(song.TickAt(m.seconds), m.tick);
        EXPECT_EQ(song.BarBeatAt(m.tick).bar, m.bar);
        EXPECT_EQ(song.BarBeatAt(m.tick).beat, m.beat);
    }
}

}  // namespace

TEST(MidiSongReading, TempoMapAndMetresGiveSecondsBarsAndBeats)
{
    {
        SCOPED_TRACE("4/4 at 120, then 60 from bar 3 (format 1, conductor track)");
        MidiFileWriter file(1, 480);
        MidiTrackWriter& conductor = file.Track();
        conductor.Tempo(0, 500000);
        conductor.Tempo(3840, 1000000);
        ExpectMoments(file, file.Track(), {{0, 0, 1, 1}, {480, 0.5, 1, 2}, {1920, 2, 2, 1}, {3840, 4, 3, 1},
                                           {4320, 5, 3, 2}});
    }
    {
        SCOPED_TRACE("3/4, then 6/8 from bar 3 (format 0)");
        MidiFileWriter file(0, 96);
        MidiTrackWriter& track = file.Track();
        track.Metre(0, 3, 4);
        track.Metre(576, 6, 8);
        ExpectMoments(file, track, {{0, 0, 1, 1}, {288, 1.5, 2, 1}, {480, 2.5, 2, 3}, {576, 3, 3, 1},
                                    {624, 3.25, 3, 2}, {864, 4.5, 4, 1}});
    }
    {
        SCOPED_TRACE("SMPTE: 25 frames of 40 ticks a second, beats counted at 120");
        MidiFileWriter file(0, 0x8000 | (256 - 25) << 8 | 40);
        ExpectMoments(file, file.Track(), {{0, 0, 1, 1}, {500, 0.5, 1, 2}, {1500, 1.5, 1, 4}, {2000, 2, 2, 1}});
    }
}

TEST(MidiSongReading, ShorthandOverlapsAndSkippedEventsGiveTheSameNotes)
{
    auto write = [](bool running, bool zeroVelocity) {
        MidiFileWriter file(1, 480);
        MidiTrackWriter& track = file.Track();
        track.runningStatus = running;
        track.offAsZeroVelocity = zeroVelocity;
        track.Raw(0, {0xF0, 3, 0x7E, 0x7F, 0xF7});                   // system exclusive
        track.Raw(0, {0xFF, 0x03, 5, 'P', 'i', 'a', 'n', 'o'});      // track name
        track.Raw(0, {0xB0, 64, 127});                                // the pedal down
        track.Raw(480, {0xC3, 73});                                   // channel 4 plays a flute
        track.Raw(480, {0xB3, 7, 90});                                // its volume and pan
        track.Raw(480, {0xB3, 10, 20});
        track.Raw(600, {0xD3, 40});                                   // pressure is not kept
        track.Raw(600, {0xA3, 72, 40});
        track.Raw(720, {0xE3, 0x00, 0x50});                           // bent up a quarter of the way
        track.Raw(1200, {0xB0, 64, 0});                               // the pedal up
        track.Chord(0, 960, {60, 64, 67});
        track.Note(240, 960, 60);                                     // strikes C again while it sounds
        track.Raw(480, {0xFF, 0x7F, 2, 0, 0});                       // sequencer-specific
        track.Note(960, 480, 72, 3, 80);
        return file.Bytes();
    };
    const MidiSong plain = Read(write(false, false));
    ASSERT_EQ(plain.notes.size(), 5u);
    // The first C ends with the first note-off of its key, the second with the next.
    EXPECT_EQ(plain.notes[0].key, 60);
    EXPECT_EQ(plain.notes[0].endTick, 960);
    EXPECT_EQ(plain.notes[3].startTick, 240);
    EXPECT_EQ(plain.notes[3].endTick, 1200);
    EXPECT_EQ(plain.notes[4].channel, 3);
    EXPECT_EQ(plain.notes[4].velocity, 80);
    EXPECT_NEAR(plain.lengthSeconds, 1.5, 1e-9);
    ASSERT_EQ(plain.programs.size(), 1u);
    EXPECT_EQ(plain.programs[0].channel, 3);
    EXPECT_EQ(plain.programs[0].program, 73);
    EXPECT_NEAR(plain.programs[0].seconds, 0.5, 1e-9);
    // The pedal held over the first chord leaves its notes as written.
    auto controls = [](const MidiSong& song) {
        std::vector<std::string> kept;
        for (const ControlChange& c : song.controls)
            kept.push_back(std::to_string(c.tick) + " " + std::to_string(c.channel) + ":" + std::to_string(c.controller) +
                           "=" + std::to_string(c.value) + " @" + std::to_string(c.seconds));
        for (const PitchBend& b : song.bends)
            kept.push_back(std::to_string(b.tick) + " " + std::to_string(b.channel) + ":bend=" + std::to_string(b.value) +
                           " @" + std::to_string(b.seconds));
        return kept;
    };
    EXPECT_EQ(controls(plain), (std::vector<std::string>{"0 0:64=127 @0.000000", "480 3:7=90 @0.500000",
                                                         "480 3:10=20 @0.500000", "1200 0:64=0 @1.250000",
                                                         "720 3:bend=10240 @0.750000"}));

    for (auto [running, zero] : {std::pair{true, false}, {false, true}, {true, true}}) {
        const MidiSong other = Read(write(running, zero));
        ASSERT_EQ(other.notes.size(), plain.notes.size());
        for (std::size_t i = 0; i < plain.notes.size(); ++i) {
            EXPECT_EQ(other.notes[i].startTick, plain.notes[i].startTick);
            EXPECT_EQ(other.notes[i].endTick, plain.notes[i].endTick);
            EXPECT_EQ(other.notes[i].key, plain.notes[i].key);
        }
        EXPECT_EQ(controls(other), controls(plain));
    }
}

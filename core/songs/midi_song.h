#pragma once
// A Standard MIDI File as the studio reads it: its notes with their times in
// seconds and in ticks, the tempo map and the time signatures for bars and
// beats. Only what the chord reading and the Player need is kept; meta and
// system-exclusive events and aftertouch are skipped.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct SongNote {
    std::int64_t startTick = 0;
    std::int64_t endTick = 0;
    double startSeconds = 0;
    double endSeconds = 0;
    int channel = 0;  // 0..15; the percussion channel is 9
    int key = 0;      // MIDI note number 0..127
    int velocity = 0;
};

// The instrument a channel plays from then on (General MIDI program 0..127).
struct ProgramChange {
    std::int64_t tick = 0;
    double seconds = 0;
    int channel = 0;
    int program = 0;
};

// A channel's controller moved: the sustain pedal (64), volume (7), pan (10),
// expression (11), modulation (1), ... The chord reading takes notes as
// written: a pedal held does not lengthen them.
struct ControlChange {
    std::int64_t tick = 0;
    double seconds = 0;
    int channel = 0;
    int controller = 0;  // 0..127
    int value = 0;       // 0..127
};

// A channel's pitch wheel moved.
struct PitchBend {
    static constexpr int Centre = 8192;
    std::int64_t tick = 0;
    double seconds = 0;
    int channel = 0;
    int value = Centre;  // 0..16383
};

struct TimeSignature {
    std::int64_t tick = 0;
    int numerator = 4;
    int denominator = 4;  // 2, 4, 8, ...
    int bar = 1;          // the bar it starts (filled by the reader)
};

struct TempoChange {
    std::int64_t tick = 0;
    int microsecondsPerQuarter = 500000;
    double seconds = 0;  // when it takes effect (filled by the reader)
};

// Where a moment lies in the music: bar and beat counted from 1.
struct BarBeat {
    int bar = 1;
    int beat = 1;
};

struct MidiSong {
    int format = 0;               // 0 or 1
    int ticksPerQuarter = 0;      // metrical division; 0 when SMPTE
    double secondsPerTick = 0;    // SMPTE division: fixed
    std::vector<SongNote> notes;  // ordered by start, then key
    std::vector<TempoChange> tempos;         // ordered by tick, the first at tick 0
    std::vector<TimeSignature> signatures;   // ordered by tick, the first at tick 0
    std::vector<ProgramChange> programs;     // ordered by tick
    std::vector<ControlChange> controls;     // ordered by tick, then as the file has them
    std::vector<PitchBend> bends;            // ordered by tick, then as the file has them
    double lengthSeconds = 0;
    std::int64_t lengthTicks = 0;

    double SecondsAt(std::int64_t tick) const;
    std::int64_t TickAt(double seconds) const;
    BarBeat BarBeatAt(std::int64_t tick) const;
    // The first tick of beat `beat` (from 0) of the bar `bar` (from 1); bars and
    // beats past the last signature go on in its metre.
    std::int64_t TickOfBarBeat(int bar, int beat) const;
    // Ticks of a quarter note for bars and beats; a SMPTE file counts its
    // quarters at 120 a minute.
    double QuarterTicks() const;
};

// Why a file could not be read, as the user is told: message `number` with
// the file's name and the detail.
struct MidiFileProblem {
    int number = 0;
    std::string file;    // as the user named it; empty when only bytes were read
    std::string detail;  // what is wrong and where ("track 2 ends without its end mark")
    std::string text;    // the whole message
};

// Reads a whole file's bytes. Broken or unsupported files (format 2, a chunk
// cut short, a track without its end, ...) give a problem and no song.
struct MidiFileReading {
    std::optional<MidiSong> song;
    std::optional<MidiFileProblem> problem;
};
MidiFileReading ReadMidiSong(const std::uint8_t* bytes, std::size_t size);

// Reads the file at `path`; the problem names it as `path`.
MidiFileReading ReadMidiSongFile(const std::string& path);

// Shows the problem through Error; returns what Error returned.
int ReportMidiFileProblem(const MidiFileProblem& problem);

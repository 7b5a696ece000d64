#pragma once
// A Standard MIDI File as the studio reads it: its notes with their times in
// seconds and in ticks, the tempo map and the time signatures for bars and
// beats. Only what the chord reading and the Player need is kept; meta and
// system-exclusive events are skipped.

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

struct TimeSignature {
    std::int64_t tick = 0;
    int numerator = 4;
    int denominator = 4;  // 2, 4, 8, ...
};

struct TempoChange {
    std::int64_t tick = 0;
    int microsecondsPerQuarter = 500000;
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
    std::vector<TempoChange> tempos;
    std::vector<TimeSignature> signatures;
    double lengthSeconds = 0;
    std::int64_t lengthTicks = 0;

    double SecondsAt(std::int64_t tick) const;
    std::int64_t TickAt(double seconds) const;
    BarBeat BarBeatAt(std::int64_t tick) const;
};

// Why a file could not be read, as the user is told.
struct MidiFileProblem {
    std::string text;
};

// Reads a whole file's bytes. Broken or unsupported files (format 2, a chunk
// cut short, a track without its end, ...) give a problem and no song.
struct MidiFileReading {
    std::optional<MidiSong> song;
    std::optional<MidiFileProblem> problem;
};
MidiFileReading ReadMidiSong(const std::uint8_t* bytes, std::size_t size);

#pragma once
// Writes Standard MIDI Files for the tests: notes, tempos and metres at
// absolute ticks, turned into the file's delta times, with running status
// and note-on velocity 0 for note-off when asked.

#include <algorithm>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

class MidiTrackWriter {
public:
    bool runningStatus = false;
    bool offAsZeroVelocity = false;
    bool endMark = true;

    void Note(std::int64_t tick, std::int64_t length, int key, int channel = 0, int velocity = 96)
    {
        Event(tick, 1, {static_cast<std::uint8_t>(0x90 | channel), Byte(key), Byte(velocity)});
        if (offAsZeroVelocity)
            Event(tick + length, 0, {static_cast<std::uint8_t>(0x90 | channel), Byte(key), 0});
        else
            Event(tick + length, 0, {static_cast<std::uint8_t>(0x80 | channel), Byte(key), 64});
    }
    void Chord(std::int64_t tick, std::int64_t length, const std::vector<int>& keys, int channel = 0)
    {
        for (int key : keys) Note(tick, length, key, channel);
    }
    void Tempo(std::int64_t tick, int microsecondsPerQuarter)
    {
        Event(tick, 0, {0xFF, 0x51, 3, Byte(microsecondsPerQuarter >> 16), Byte(microsecondsPerQuarter >> 8),
                        Byte(microsecondsPerQuarter)});
    }
    void Metre(std::int64_t tick, int numerator, int denominator)
    {
        int power = 0;
        while ((1 << power) < denominator) ++power;
        Event(tick, 0, {0xFF, 0x58, 4, Byte(numerator), Byte(power), 24, 8});
    }
    // Bytes as they stand in the file after the delta time.
    void Raw(std::int64_t tick, std::vector<std::uint8_t> bytes) { Event(tick, 0, std::move(bytes)); }

    std::string Bytes() const
    {
        std::vector<TimedEvent> events = events_;
        // Ends before beginnings at the same tick, so that a repeated note restarts.
        std::stable_sort(events.begin(), events.end(), [](const TimedEvent& a, const TimedEvent& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
        });
        std::string out;
        std::int64_t last = 0;
        std::uint8_t running = 0;
        for (const TimedEvent& e : events) {
            Quantity(out, static_cast<std::uint32_t>(e.tick - last));
            last = e.tick;
            std::size_t from = 0;
            if (e.bytes[0] < 0xF0) {
                if (runningStatus && e.bytes[0] == running) from = 1;
                running = e.bytes[0];
            }
            out.append(e.bytes.begin() + static_cast<long>(from), e.bytes.end());
        }
        if (endMark) out += std::string("\x00\xFF\x2F\x00", 4);
        return out;
    }

    static void Quantity(std::string& out, std::uint32_t value)
    {
        std::string bytes(1, static_cast<char>(value & 0x7F));
        while (value >>= 7) bytes.insert(bytes.begin(), static_cast<char>(0x80 | (value & 0x7F)));
        out += bytes;
    }

private:
    struct TimedEvent {
        std::int64_t tick;
        int order;
        std::vector<std::uint8_t> bytes;
    };
    static std::uint8_t Byte(int value) { return static_cast<std::uint8_t>(value & 0xFF); }
    void Event(std::int64_t tick, int order, std::vector<std::uint8_t> bytes)
    {
        events_.push_back({tick, order, std::move(bytes)});
    }
    std::vector<TimedEvent> events_;
};

class MidiFileWriter {
public:
    // division: ticks a quarter, or a SMPTE division (0x8000 | -fps << 8 | ticks a frame).
    explicit MidiFileWriter(int format = 1, int division = 480) : format_(format), division_(division) {}

    MidiTrackWriter& Track()
    {
        tracks_.emplace_back();
        return tracks_.back();
    }

    std::string Bytes() const
    {
        std::string out = "MThd";
        Number(out, 6, 4);
        Number(out, static_cast<std::uint32_t>(format_), 2);
        Number(out, static_cast<std::uint32_t>(tracks_.size()), 2);
        Number(out, static_cast<std::uint32_t>(division_), 2);
        for (const MidiTrackWriter& track : tracks_) {
            const std::string bytes = track.Bytes();
            out += "MTrk";
            Number(out, static_cast<std::uint32_t>(bytes.size()), 4);
            out += bytes;
        }
        return out;
    }

    static void Number(std::string& out, std::uint32_t value, int bytes)
    {
        for (int i = bytes - 1; i >= 0; --i) out += static_cast<char>(value >> (8 * i) & 0xFF);
    }

private:
    int format_;
    int division_;
    std::deque<MidiTrackWriter> tracks_;  // deque: Track() references stay valid
};

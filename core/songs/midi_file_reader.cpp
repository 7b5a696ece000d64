// Reading a Standard MIDI File into a song: our own small reader. It keeps
// only notes, programs, controllers, pitch bends, tempos and time signatures,
// so it stays a few hundred lines that
// refuse a damaged file with a message instead of guessing at it.
#include <algorithm>
#include <array>
#include <string>

#include "core/songs/midi_file_problems.h"
#include "core/songs/midi_song.h"
#include "core/songs/song_timing.h"

namespace {

// Bounds past which a file is damaged, not music: they keep every later step
// (beats, chord spans) to a size that cannot hold the program up.
constexpr double LongestQuarters = 20000;       // near three hours at 120 beats a minute
constexpr double LongestSeconds = 24 * 3600.0;
constexpr std::size_t MostNotes = 4000000;
constexpr std::size_t MostControls = 4000000;  // controllers and bends together

struct Problem {
    int number = 0;
    std::string detail;
};

std::string TrackName(int track) { return "track " + std::to_string(track + 1); }

// Reads big-endian numbers and variable-length quantities within bounds.
class ByteReader {
public:
    ByteReader(const std::uint8_t* bytes, std::size_t size) : at_(bytes), end_(bytes + size) {}
    std::size_t Left() const { return static_cast<std::size_t>(end_ - at_); }
    bool AtEnd() const { return at_ == end_; }
    const std::uint8_t* Here() const { return at_; }
    std::uint8_t Byte() { return *at_++; }  // callers check Left() first
    std::uint32_t Number(int bytes)
    {
        std::uint32_t value = 0;
        for (int i = 0; i < bytes; ++i) value = value << 8 | *at_++;
        return value;
    }
    void Skip(std::size_t count) { at_ += count; }
    void StepBack() { --at_; }
    // False when the quantity runs past the end or over four bytes.
    bool Quantity(std::uint32_t& value)
    {
        value = 0;
        for (int i = 0; i < 4; ++i) {
            if (AtEnd()) return false;
            const std::uint8_t b = Byte();
            value = value << 7 | (b & 0x7F);
            if (!(b & 0x80)) return true;
        }
        return false;
    }

private:
    const std::uint8_t* at_;
    const std::uint8_t* end_;
};

struct RawTempo {
    std::int64_t tick;
    int order;
    int microsecondsPerQuarter;
};

struct RawSignature {
    std::int64_t tick;
    int order;
    int numerator;
    int denominator;
};

// What the tracks hold, in ticks; seconds come once the tempo map is whole.
struct TrackContents {
    std::vector<SongNote> notes;
    std::vector<RawTempo> tempos;
    std::vector<RawSignature> signatures;
    std::vector<ProgramChange> programs;
    std::vector<ControlChange> controls;
    std::vector<PitchBend> bends;
    std::int64_t lengthTicks = 0;
    int order = 0;  // events in file order, so that the later of two at one tick wins
};

int DataBytes(std::uint8_t status)
{
    const int kind = status >> 4;
    return kind == 0xC || kind == 0xD ? 1 : 2;
}

// Reads the tracks one after another into the same contents.
class TrackReader {
public:
    explicit TrackReader(TrackContents& contents) : contents_(contents) {}

    std::optional<Problem> Read(int track, ByteReader bytes)
    {
        track_ = track;
        std::int64_t tick = 0;
        std::uint8_t running = 0;
        while (!bytes.AtEnd()) {
            std::uint32_t delta = 0;
            if (!bytes.Quantity(delta)) return Damaged("a time longer than four bytes or cut off");
            tick += delta;
            if (tick > tickBound) return Damaged("its times run past any song's length");
            if (bytes.AtEnd()) return Damaged("an event is cut off");
            std::uint8_t status = bytes.Byte();
            if (status < 0x80) {
                if (!running) return Damaged("a data byte stands where an event should begin");
                status = running;
                bytes.StepBack();  // the byte read is the event's first data byte
            }
            if (status == 0xFF) {
                if (bytes.Left() < 1) return Damaged("a meta event is cut off");
                const std::uint8_t type = bytes.Byte();
                std::uint32_t length = 0;
                if (!bytes.Quantity(length) || length > bytes.Left()) return Damaged("a meta event is cut off");
                const ByteReader data(bytes.Here(), length);
                bytes.Skip(length);
                if (type == 0x2F) {
                    EndAll(tick);
                    contents_.lengthTicks = std::max(contents_.lengthTicks, tick);
                    return std::nullopt;  // whatever follows the end mark is not part of the track
                }
                Meta(type, data, tick);
            } else if (status == 0xF0 || status == 0xF7) {
                std::uint32_t length = 0;
                if (!bytes.Quantity(length) || length > bytes.Left())
                    return Damaged("a system-exclusive event is cut off");
                bytes.Skip(length);
            } else if (status >= 0xF0) {
                return Damaged("it holds a byte that no file event begins with");
            } else {
                running = status;
                const int count = DataBytes(status);
                if (bytes.Left() < static_cast<std::size_t>(count)) return Damaged("an event is cut off");
                const std::uint8_t first = bytes.Byte();
                const std::uint8_t second = count == 2 ? bytes.Byte() : 0;
                if ((first | second) & 0x80) return Damaged("an event is missing its data");
                if (auto problem = Channel(status, first, second, tick)) return problem;
            }
        }
        EndAll(tick);
        return Problem{MidiFileDamaged, TrackName(track_) + " ends without its end mark"};
    }

    std::int64_t tickBound = 0;

private:
    std::optional<Problem> Damaged(const std::string& what) const
    {
        return Problem{MidiFileDamaged, TrackName(track_) + ": " + what};
    }

    void Meta(std::uint8_t type, ByteReader data, std::int64_t tick)
    {
        if (type == 0x51 && data.Left() >= 3) {
            const int tempo = static_cast<int>(data.Number(3));
            if (tempo > 0) contents_.tempos.push_back({tick, contents_.order++, tempo});
        } else if (type == 0x58 && data.Left() >= 2) {
            const int numerator = data.Byte();
            const int power = data.Byte();
            // A metre the bars cannot be counted in is left out, not guessed.
            if (numerator > 0 && power <= 5)
                contents_.signatures.push_back({tick, contents_.order++, numerator, 1 << power});
        }
    }

    // A channel event with its data bytes: notes, programs, controllers and
    // bends are kept.
    std::optional<Problem> Channel(std::uint8_t status, int first, int second, std::int64_t tick)
    {
        const int kind = status >> 4;
        const int channel = status & 0x0F;
        if (kind == 0xC) contents_.programs.push_back({tick, 0, channel, first});
        if (kind == 0xB || kind == 0xE) {
            if (contents_.controls.size() + contents_.bends.size() >= MostControls)
                return Problem{MidiFileTooLarge, "it holds more than " + std::to_string(MostControls) +
                                                     " controller and pitch bend changes"};
            if (kind == 0xB)
                contents_.controls.push_back({tick, 0, channel, first, second});
            else
                contents_.bends.push_back({tick, 0, channel, second << 7 | first});
        }
        if (kind != 0x8 && kind != 0x9) return std::nullopt;
        const int key = first;
        const int velocity = second;
        if (kind == 0x9 && velocity > 0) {
            if (contents_.notes.size() >= MostNotes)
                return Problem{MidiFileTooLarge, "it holds more than " + std::to_string(MostNotes) + " notes"};
            Sounding& sounding = open_[channel * 128 + key];
            if (sounding.notes.empty()) struck_.push_back(channel * 128 + key);
            sounding.notes.push_back(contents_.notes.size());
            SongNote note;
            note.startTick = note.endTick = tick;
            note.channel = channel;
            note.key = key;
            note.velocity = velocity;
            contents_.notes.push_back(note);
        } else {
            // Notes of one pitch that overlap end in the order they began.
            Sounding& sounding = open_[channel * 128 + key];
            if (sounding.first < sounding.notes.size()) {
                contents_.notes[sounding.notes[sounding.first++]].endTick = tick;
                if (sounding.first == sounding.notes.size()) sounding = {};
            }
        }
        return std::nullopt;
    }

    // Notes still sounding at the end of the track end with it.
    void EndAll(std::int64_t tick)
    {
        for (int slot : struck_) {
            Sounding& sounding = open_[slot];
            for (std::size_t i = sounding.first; i < sounding.notes.size(); ++i)
                contents_.notes[sounding.notes[i]].endTick = tick;
            sounding = {};
        }
        struck_.clear();
    }

    // The notes of one channel and key that have begun and not ended, oldest
    // from `first` on.
    struct Sounding {
        std::vector<std::size_t> notes;
        std::size_t first = 0;
    };

    int track_ = 0;
    TrackContents& contents_;
    std::array<Sounding, 16 * 128> open_;
    std::vector<int> struck_;  // slots of open_ in use
};

// The header: format, track count and division; the song keeps the timing.
std::optional<Problem> ReadHeader(ByteReader& bytes, MidiSong& song, int& trackCount)
{
    if (bytes.Left() < 8 || std::string(reinterpret_cast<const char*>(bytes.Here()), 4) != "MThd")
        return Problem{MidiFileNotSmf, "it does not begin with a MIDI header"};
    bytes.Skip(4);
    const std::uint32_t length = bytes.Number(4);
    if (length < 6) return Problem{MidiFileDamaged, "its header is too short"};
    if (length > bytes.Left()) return Problem{MidiFileCutShort, "its header is cut off"};
    ByteReader header(bytes.Here(), length);
    bytes.Skip(length);
    const int format = static_cast<int>(header.Number(2));
    trackCount = static_cast<int>(header.Number(2));
    const std::uint32_t division = header.Number(2);
    if (format > 1) return Problem{MidiFileFormat, std::to_string(format)};
    song.format = format;
    if (division & 0x8000) {
        const int framesPerSecond = -static_cast<int>(static_cast<std::int8_t>(division >> 8));
        const int ticksPerFrame = static_cast<int>(division & 0xFF);
        if (framesPerSecond <= 0 || ticksPerFrame == 0)
            return Problem{MidiFileDamaged, "its header gives no time for a tick"};
        // 29 stands for the 29.97 frames a second of drop-frame time code.
        const double frames = framesPerSecond == 29 ? 30000.0 / 1001.0 : framesPerSecond;
        song.secondsPerTick = 1.0 / (frames * ticksPerFrame);
    } else {
        if (division == 0) return Problem{MidiFileDamaged, "its header gives no time for a tick"};
        song.ticksPerQuarter = static_cast<int>(division);
    }
    return std::nullopt;
}

void BuildTempoMap(TrackContents& contents, MidiSong& song)
{
    std::stable_sort(contents.tempos.begin(), contents.tempos.end(), [](const RawTempo& a, const RawTempo& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    song.tempos = {TempoChange{}};
    for (const RawTempo& raw : contents.tempos) {
        if (raw.tick == song.tempos.back().tick)
            song.tempos.back().microsecondsPerQuarter = raw.microsecondsPerQuarter;
        else
            song.tempos.push_back({raw.tick, raw.microsecondsPerQuarter, 0});
    }
    FillTempoSeconds(song);

    std::stable_sort(contents.signatures.begin(), contents.signatures.end(),
                     [](const RawSignature& a, const RawSignature& b) {
                         return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
                     });
    song.signatures = {TimeSignature{}};
    for (const RawSignature& raw : contents.signatures) {
        TimeSignature& last = song.signatures.back();
        if (raw.numerator == last.numerator && raw.denominator == last.denominator) continue;
        if (raw.tick == last.tick) {
            last.numerator = raw.numerator;
            last.denominator = raw.denominator;
        } else {
            song.signatures.push_back({raw.tick, raw.numerator, raw.denominator, 1});
        }
    }
    FillSignatureBars(song);
}

// Channel events in tick order (a track's own order kept within a tick), with
// their seconds once the tempo map is whole.
template <class Change>
std::vector<Change> Timed(std::vector<Change> changes, const MidiSong& song)
{
    std::stable_sort(changes.begin(), changes.end(), [](const Change& a, const Change& b) { return a.tick < b.tick; });
    for (Change& change : changes) change.seconds = song.SecondsAt(change.tick);
    return changes;
}

}  // namespace

MidiFileReading ReadMidiSong(const std::uint8_t* data, std::size_t size)
{
    MidiFileReading reading;
    auto refuse = [&reading](const Problem& problem) {
        reading.problem = MakeMidiFileProblem(problem.number, "", problem.detail);
        return reading;
    };

    MidiSong song;
    ByteReader bytes(data, size);
    int trackCount = 0;
    if (auto problem = ReadHeader(bytes, song, trackCount)) return refuse(*problem);

    // A tick bound from the division alone, so that no track can run on for
    // ever whatever its tempos; the tempo map is checked once it is whole.
    const double quarterTicks = song.QuarterTicks();
    const std::int64_t tickBound =
        static_cast<std::int64_t>(std::min(LongestQuarters * std::max(quarterTicks, 1.0),
                                           song.secondsPerTick ? LongestSeconds / song.secondsPerTick : 1e18));

    TrackContents contents;
    TrackReader reader(contents);
    reader.tickBound = tickBound;
    int tracksRead = 0;
    while (tracksRead < trackCount) {
        if (bytes.AtEnd())
            return refuse({MidiFileCutShort, "its header names " + std::to_string(trackCount) + " tracks but it holds " +
                                                 std::to_string(tracksRead)});
        if (bytes.Left() < 8) return refuse({MidiFileCutShort, "the heading of " + TrackName(tracksRead) + " is cut off"});
        const std::string type(reinterpret_cast<const char*>(bytes.Here()), 4);
        bytes.Skip(4);
        const std::uint32_t length = bytes.Number(4);
        if (length > bytes.Left())
            return refuse({MidiFileCutShort, (type == "MTrk" ? TrackName(tracksRead) : "a chunk") + " gives " +
                                                 std::to_string(length) + " bytes but only " +
                                                 std::to_string(bytes.Left()) + " follow"});
        const ByteReader chunk(bytes.Here(), length);
        bytes.Skip(length);
        if (type != "MTrk") continue;  // chunks of other kinds are not ours to read
        if (auto problem = reader.Read(tracksRead, chunk)) return refuse(*problem);
        ++tracksRead;
    }

    BuildTempoMap(contents, song);
    song.notes = std::move(contents.notes);
    song.lengthTicks = contents.lengthTicks;
    for (const SongNote& note : song.notes) song.lengthTicks = std::max(song.lengthTicks, note.endTick);
    song.lengthSeconds = song.SecondsAt(song.lengthTicks);
    if (song.lengthSeconds > LongestSeconds) return refuse({MidiFileDamaged, "it would last more than a day"});
    if (song.notes.empty()) return refuse({MidiFileNoNotes, ""});

    for (SongNote& note : song.notes) {
        note.startSeconds = song.SecondsAt(note.startTick);
        note.endSeconds = song.SecondsAt(note.endTick);
    }
    song.programs = Timed(std::move(contents.programs), song);
    song.controls = Timed(std::move(contents.controls), song);
    song.bends = Timed(std::move(contents.bends), song);
    std::stable_sort(song.notes.begin(), song.notes.end(), [](const SongNote& a, const SongNote& b) {
        return a.startTick != b.startTick ? a.startTick < b.startTick : a.key < b.key;
    });
    reading.song = std::move(song);
    return reading;
}

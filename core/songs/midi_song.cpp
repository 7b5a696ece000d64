// Times of a song: ticks to seconds through the tempo map, and to bars and
// beats through the time signatures.
#include <algorithm>
#include <cmath>

#include "core/songs/midi_song.h"
#include "core/songs/song_timing.h"

namespace {

// Rounding slack, so that a time computed for a tick gives that tick back.
constexpr double Slack = 1e-6;

const TempoChange DefaultTempo{};
const TimeSignature DefaultSignature{};

const TempoChange& TempoAtTick(const MidiSong& song, std::int64_t tick)
{
    auto after = std::upper_bound(song.tempos.begin(), song.tempos.end(), tick,
                                  [](std::int64_t t, const TempoChange& change) { return t < change.tick; });
    return after == song.tempos.begin() ? (song.tempos.empty() ? DefaultTempo : song.tempos.front()) : *(after - 1);
}

const TimeSignature& SignatureAtTick(const MidiSong& song, std::int64_t tick)
{
    auto after = std::upper_bound(song.signatures.begin(), song.signatures.end(), tick,
                                  [](std::int64_t t, const TimeSignature& s) { return t < s.tick; });
    return after == song.signatures.begin() ? (song.signatures.empty() ? DefaultSignature : song.signatures.front())
                                            : *(after - 1);
}

// Beats of signature s from its start to tick.
double BeatsSince(const MidiSong& song, const TimeSignature& s, std::int64_t tick)
{
    return static_cast<double>(tick - s.tick) * s.denominator / (4.0 * song.QuarterTicks());
}

}  // namespace

double MidiSong::QuarterTicks() const
{
    if (ticksPerQuarter > 0) return ticksPerQuarter;
    // Time code has no tempo of its own: beats are counted at 120 a minute.
    return secondsPerTick > 0 ? 0.5 / secondsPerTick : 1;
}

double MidiSong::SecondsAt(std::int64_t tick) const
{
    if (ticksPerQuarter <= 0) return static_cast<double>(tick) * secondsPerTick;
    const TempoChange& tempo = TempoAtTick(*this, tick);
    return tempo.seconds + static_cast<double>(tick - tempo.tick) * tempo.microsecondsPerQuarter / 1e6 / ticksPerQuarter;
}

std::int64_t MidiSong::TickAt(double seconds) const
{
    if (ticksPerQuarter <= 0)
        return secondsPerTick > 0 ? static_cast<std::int64_t>(std::floor(seconds / secondsPerTick + Slack)) : 0;
    auto after = std::upper_bound(tempos.begin(), tempos.end(), seconds,
                                  [](double s, const TempoChange& change) { return s < change.seconds; });
    const TempoChange& tempo =
        after == tempos.begin() ? (tempos.empty() ? DefaultTempo : tempos.front()) : *(after - 1);
    const double ticks = (seconds - tempo.seconds) * 1e6 * ticksPerQuarter / tempo.microsecondsPerQuarter;
    return tempo.tick + static_cast<std::int64_t>(std::floor(ticks + Slack));
}

BarBeat MidiSong::BarBeatAt(std::int64_t tick) const
{
    const TimeSignature& s = SignatureAtTick(*this, tick);
    const auto beats = static_cast<std::int64_t>(std::floor(BeatsSince(*this, s, tick) + Slack));
    return {s.bar + static_cast<int>(beats / s.numerator), static_cast<int>(beats % s.numerator) + 1};
}

std::int64_t MidiSong::TickOfBarBeat(int bar, int beat) const
{
    auto after = std::upper_bound(signatures.begin(), signatures.end(), bar,
                                  [](int b, const TimeSignature& s) { return b < s.bar; });
    const TimeSignature& s =
        after == signatures.begin() ? (signatures.empty() ? DefaultSignature : signatures.front()) : *(after - 1);
    const double beats = static_cast<double>(bar - s.bar) * s.numerator + beat;
    return s.tick + static_cast<std::int64_t>(std::ceil(beats * 4.0 * QuarterTicks() / s.denominator - Slack));
}

void FillTempoSeconds(MidiSong& song)
{
    double seconds = 0;
    for (std::size_t i = 0; i < song.tempos.size(); ++i) {
        if (i > 0) {
            const TempoChange& before = song.tempos[i - 1];
            seconds += song.ticksPerQuarter > 0 ? static_cast<double>(song.tempos[i].tick - before.tick) *
                                                      before.microsecondsPerQuarter / 1e6 / song.ticksPerQuarter
                                                : 0;
        }
        song.tempos[i].seconds = song.ticksPerQuarter > 0 ? seconds : song.SecondsAt(song.tempos[i].tick);
    }
}

void FillSignatureBars(MidiSong& song)
{
    for (std::size_t i = 1; i < song.signatures.size(); ++i) {
        const TimeSignature& before = song.signatures[i - 1];
        // A metre that changes within a bar begins a new bar there.
        const double bars = BeatsSince(song, before, song.signatures[i].tick) / before.numerator;
        song.signatures[i].bar = before.bar + static_cast<int>(std::ceil(bars - Slack));
    }
}

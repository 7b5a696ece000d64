#include "core/songs/span_cutting.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <queue>
#include <tuple>

namespace {

bool SameChord(const SoundingStretch& a, const SoundingStretch& b)
{
    const int bassA = a.Bass(), bassB = b.Bass();
    return a.ChordPitchClasses() == b.ChordPitchClasses() && (bassA < 0 ? -1 : bassA % 12) == (bassB < 0 ? -1 : bassB % 12);
}

// Neighbours joined wherever their chord and bass are the same.
std::vector<SoundingStretch> JoinSameChords(const std::vector<SoundingStretch>& stretches)
{
    std::vector<SoundingStretch> joined;
    for (const SoundingStretch& s : stretches) {
        if (!joined.empty() && joined.back().endTick == s.startTick && SameChord(joined.back(), s))
            joined.back().Absorb(s);
        else
            joined.push_back(s);
    }
    return joined;
}

// Short stretches in a row within one beat are one figure (a quick arpeggio,
// a run, a trill) and are read together; the beat keeps a figure that goes on
// through a change of chord from joining both.
std::vector<SoundingStretch> JoinShortRuns(const std::vector<SoundingStretch>& stretches, double shortestSeconds,
                                           const MidiSong& song)
{
    std::vector<SoundingStretch> joined;
    bool lastShort = false;
    BarBeat runBeat;
    for (const SoundingStretch& s : stretches) {
        const bool isShort = s.seconds < shortestSeconds;
        const BarBeat beat = song.BarBeatAt(s.startTick);
        if (isShort && lastShort && beat.bar == runBeat.bar && beat.beat == runBeat.beat) {
            joined.back().Absorb(s);
        } else {
            joined.push_back(s);
            runBeat = beat;
        }
        lastShort = isShort;
    }
    return joined;
}

}  // namespace

std::vector<SoundingStretch> CutAtChanges(const std::vector<SoundingStretch>& elementary, double shortestSeconds,
                                          const MidiSong& song)
{
    std::vector<SoundingStretch> stretches = JoinSameChords(JoinShortRuns(elementary, shortestSeconds, song));

    // The shortest stretch goes first into a neighbour, until none is short;
    // a linked list and a queue keep that quick on long songs.
    const std::size_t count = stretches.size();
    std::vector<std::size_t> before(count), after(count);
    std::vector<bool> gone(count, false);
    std::vector<unsigned> version(count, 0);
    for (std::size_t i = 0; i < count; ++i) {
        before[i] = i == 0 ? count : i - 1;
        after[i] = i + 1;
    }
    using Entry = std::tuple<double, std::size_t, unsigned>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> shortest;
    for (std::size_t i = 0; i < count; ++i)
        if (stretches[i].seconds < shortestSeconds) shortest.emplace(stretches[i].seconds, i, 0);

    while (!shortest.empty()) {
        const std::size_t i = std::get<1>(shortest.top());
        const unsigned v = std::get<2>(shortest.top());
        shortest.pop();
        if (gone[i] || v != version[i]) continue;
        const std::size_t prev = before[i], next = after[i];
        auto shared = [&](std::size_t j) {
            return j >= count ? -1 : std::popcount(stretches[i].ChordPitchClasses() & stretches[j].ChordPitchClasses());
        };
        if (prev >= count && next >= count) continue;
        const bool intoNext = shared(next) > shared(prev);
        const std::size_t into = intoNext ? next : prev;
        if (intoNext)
            stretches[into].AbsorbBefore(stretches[i]);
        else
            stretches[into].Absorb(stretches[i]);
        gone[i] = true;
        if (prev < count) after[prev] = next;
        if (next < count) before[next] = prev;
        ++version[into];
        if (stretches[into].seconds < shortestSeconds) shortest.emplace(stretches[into].seconds, into, version[into]);
    }

    std::vector<SoundingStretch> kept;
    for (std::size_t i = 0; i < count; ++i)
        if (!gone[i]) kept.push_back(stretches[i]);
    kept = JoinSameChords(kept);
    std::erase_if(kept, [](const SoundingStretch& s) { return s.ChordPitchClasses() == 0; });
    return kept;
}

std::vector<SoundingStretch> CutPerBeat(const std::vector<SoundingStretch>& stretches, const MidiSong& song,
                                        bool wholeBars)
{
    std::vector<SoundingStretch> spans;
    if (stretches.empty()) return spans;
    const std::int64_t end = stretches.back().endTick;
    std::size_t first = 0;
    for (std::int64_t tick = 0; tick < end;) {
        const BarBeat at = song.BarBeatAt(tick);
        std::int64_t next = wholeBars ? song.TickOfBarBeat(at.bar + 1, 0) : song.TickOfBarBeat(at.bar, at.beat);
        // A metre that changes within a bar or beat cuts it there.
        const auto change = std::upper_bound(song.signatures.begin(), song.signatures.end(), tick,
                                             [](std::int64_t t, const TimeSignature& s) { return t < s.tick; });
        if (change != song.signatures.end() && change->tick < next) next = change->tick;
        if (next <= tick) next = tick + 1;
        // Silence is skipped to the beat where sound begins again.
        while (first < stretches.size() && stretches[first].endTick <= tick) ++first;
        if (first < stretches.size() && stretches[first].keys.none() && stretches[first].endTick > next) {
            tick = next;
            continue;
        }
        SoundingStretch span = SoundingBetween(stretches, first, tick, next, song);
        if (span.ChordPitchClasses() != 0) spans.push_back(span);
        tick = next;
    }
    return spans;
}

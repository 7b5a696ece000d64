#include "core/songs/sounding_stretch.h"

#include <algorithm>

namespace {

// A pitch class sounding for less than this share of the longest-sounding one
// is a passing or ornamental note.
constexpr double ChordToneShare = 0.3;

}  // namespace

unsigned SoundingStretch::ChordPitchClasses() const
{
    const double longest = *std::max_element(pitchClassSeconds.begin(), pitchClassSeconds.end());
    unsigned chosen = 0;
    if (longest <= 0) return 0;
    for (int pc = 0; pc < 12; ++pc)
        if (pitchClassSeconds[pc] >= ChordToneShare * longest) chosen |= 1u << pc;
    if (startBass >= 0) chosen |= 1u << (startBass % 12);
    return chosen;
}

int SoundingStretch::Bass() const
{
    if (startBass >= 0) return startBass;
    const unsigned chosen = ChordPitchClasses();
    for (int key = 0; key < 128; ++key)
        if (keys[key] && (chosen >> (key % 12) & 1)) return key;
    return -1;
}

void SoundingStretch::Absorb(const SoundingStretch& next)
{
    endTick = next.endTick;
    seconds += next.seconds;
    for (int pc = 0; pc < 12; ++pc) pitchClassSeconds[pc] += next.pitchClassSeconds[pc];
    keys |= next.keys;
    if (startBass < 0) startBass = next.startBass;
}

void SoundingStretch::AbsorbBefore(const SoundingStretch& before)
{
    SoundingStretch joined = before;
    joined.Absorb(*this);
    *this = joined;
}

std::vector<SoundingStretch> SoundingStretches(const MidiSong& song, std::uint16_t channels)
{
    struct Change {
        std::int64_t tick;
        int key;
        int step;  // +1 begins, -1 ends
    };
    std::vector<Change> changes;
    for (const SongNote& note : song.notes)
        if ((channels >> note.channel & 1) && note.endTick > note.startTick) {
            changes.push_back({note.startTick, note.key, +1});
            changes.push_back({note.endTick, note.key, -1});
        }
    std::sort(changes.begin(), changes.end(),
              [](const Change& a, const Change& b) { return a.tick < b.tick; });

    std::vector<SoundingStretch> stretches;
    std::array<int, 128> sounding{};
    std::bitset<128> keys;
    double before = 0;
    for (std::size_t i = 0; i < changes.size();) {
        const std::int64_t tick = changes[i].tick;
        for (; i < changes.size() && changes[i].tick == tick; ++i) {
            int& count = sounding[changes[i].key];
            count += changes[i].step;
            keys[changes[i].key] = count > 0;
        }
        const double now = song.SecondsAt(tick);
        if (!stretches.empty()) stretches.back().seconds = now - before;
        before = now;
        if (!stretches.empty()) {
            SoundingStretch& last = stretches.back();
            last.endTick = tick;
            for (int key = 0; key < 128; ++key)
                if (last.keys[key]) last.pitchClassSeconds[key % 12] = last.seconds;
        }
        if (i == changes.size()) break;
        SoundingStretch next;
        next.startTick = tick;
        next.keys = keys;
        for (int key = 0; key < 128 && next.startBass < 0; ++key)
            if (keys[key]) next.startBass = key;
        stretches.push_back(next);
    }
    return stretches;
}

SoundingStretch SoundingBetween(const std::vector<SoundingStretch>& stretches, std::size_t& first,
                                std::int64_t fromTick, std::int64_t toTick, const MidiSong& song)
{
    SoundingStretch window;
    window.startTick = fromTick;
    window.endTick = toTick;
    window.seconds = song.SecondsAt(toTick) - song.SecondsAt(fromTick);
    while (first < stretches.size() && stretches[first].endTick <= fromTick) ++first;
    for (std::size_t i = first; i < stretches.size() && stretches[i].startTick < toTick; ++i) {
        const SoundingStretch& s = stretches[i];
        if (s.keys.none()) continue;
        if (window.startBass < 0) window.startBass = s.startBass;
        const double share = (song.SecondsAt(std::min(s.endTick, toTick)) -
                              song.SecondsAt(std::max(s.startTick, fromTick)));
        for (int pc = 0; pc < 12; ++pc)
            if (s.pitchClassSeconds[pc] > 0) window.pitchClassSeconds[pc] += share;
        window.keys |= s.keys;
    }
    return window;
}

// Key finding after Krumhansl and Schmuckler: the durations of the twelve
// pitch classes are correlated with a major and a minor profile turned to
// each tonic, and the best correlation wins. The profiles are Temperley's
// (from the Kostka-Payne corpus of common-practice excerpts), which tell
// relative major and minor apart better on plain triadic music than the
// original probe-tone ratings.
#include "core/songs/song_key.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/songs/pitch_class_names.h"
#include "core/theory/chord_spelling.h"
#include "core/theory/shown_notes.h"

namespace {

constexpr PitchClassDurations MajorProfile = {0.748, 0.060, 0.488, 0.082, 0.670, 0.460,
                                              0.096, 0.715, 0.104, 0.366, 0.057, 0.400};
constexpr PitchClassDurations MinorProfile = {0.712, 0.084, 0.474, 0.618, 0.049, 0.460,
                                              0.105, 0.747, 0.404, 0.067, 0.133, 0.330};

double Correlation(const PitchClassDurations& durations, const PitchClassDurations& profile, int tonic)
{
    double meanD = 0, meanP = 0;
    for (int i = 0; i < 12; ++i) {
        meanD += durations[i] / 12;
        meanP += profile[i] / 12;
    }
    double cross = 0, sumD = 0, sumP = 0;
    for (int pc = 0; pc < 12; ++pc) {
        const double d = durations[pc] - meanD;
        const double p = profile[(pc - tonic + 12) % 12] - meanP;
        cross += d * p;
        sumD += d * d;
        sumP += p * p;
    }
    return sumD > 0 && sumP > 0 ? cross / std::sqrt(sumD * sumP) : 0;
}

}  // namespace

// Spelled as keys are, each letter once from the simpler signature.
std::string SongKey::Name() const
{
    static constexpr std::array<int, 7> MajorSteps = {0, 2, 4, 5, 7, 9, 11};
    static constexpr std::array<int, 7> MinorSteps = {0, 2, 3, 5, 7, 8, 10};
    const NOTES tonicNote = NoteOfMidiKey(60 + tonic);
    unsigned classes = 0;
    for (int step : major ? MajorSteps : MinorSteps) classes |= 1u << PitchClass(tonicNote + step);
    return ShownNoteName(tonicNote, PitchSetSpelling(tonicNote, classes)) + (major ? " Major" : " Minor");
}

SongKey FindKey(const PitchClassDurations& durations)
{
    SongKey best;
    double bestFit = -2;
    for (int major = 1; major >= 0; --major)
        for (int tonic = 0; tonic < 12; ++tonic) {
            const double fit = Correlation(durations, major ? MajorProfile : MinorProfile, tonic);
            if (fit > bestFit + 1e-12) {
                bestFit = fit;
                best = {tonic, major == 1};
            }
        }
    return best;
}

PitchClassDurations SongPitchClassDurations(const MidiSong& song, std::uint16_t channels, std::int64_t fromTick,
                                            std::int64_t toTick)
{
    PitchClassDurations durations{};
    for (const SongNote& note : song.notes) {
        if (note.startTick >= toTick) break;  // notes are ordered by start
        if (!(channels >> note.channel & 1)) continue;
        const std::int64_t start = std::max(note.startTick, fromTick);
        const std::int64_t end = std::min(note.endTick, toTick);
        if (end > start) durations[note.key % 12] += song.SecondsAt(end) - song.SecondsAt(start);
    }
    return durations;
}

std::vector<KeySection> FindSectionKeys(const MidiSong& song, std::uint16_t channels, int barsPerSection)
{
    barsPerSection = std::max(barsPerSection, 1);
    const int lastBar = song.BarBeatAt(std::max<std::int64_t>(song.lengthTicks - 1, 0)).bar;
    std::vector<std::int64_t> starts;  // each stretch's first tick, and the end of the last
    for (int bar = 1; bar <= lastBar; bar += barsPerSection) starts.push_back(song.TickOfBarBeat(bar, 0));
    starts.push_back(std::max(song.TickOfBarBeat(lastBar + 1, 0), song.lengthTicks));

    // One pass over the notes, each shared among the stretches it sounds in.
    std::vector<PitchClassDurations> durations(starts.size() - 1, PitchClassDurations{});
    for (const SongNote& note : song.notes) {
        if (!(channels >> note.channel & 1) || note.endTick <= note.startTick) continue;
        auto at = std::upper_bound(starts.begin(), starts.end(), note.startTick) - starts.begin() - 1;
        for (auto i = std::max<std::ptrdiff_t>(at, 0); i + 1 < static_cast<std::ptrdiff_t>(starts.size()) &&
                                                       starts[static_cast<std::size_t>(i)] < note.endTick;
             ++i) {
            const auto from = std::max(note.startTick, starts[static_cast<std::size_t>(i)]);
            const auto to = std::min(note.endTick, starts[static_cast<std::size_t>(i) + 1]);
            if (to > from) durations[static_cast<std::size_t>(i)][note.key % 12] += song.SecondsAt(to) - song.SecondsAt(from);
        }
    }

    std::vector<KeySection> sections;
    for (std::size_t i = 0; i < durations.size(); ++i) {
        const int first = 1 + static_cast<int>(i) * barsPerSection;
        const int last = std::min(first + barsPerSection - 1, lastBar);
        const bool silent = std::all_of(durations[i].begin(), durations[i].end(), [](double d) { return d <= 0; });
        if (silent && !sections.empty()) {
            sections.back().lastBar = last;  // a silent stretch stays in the key before it
            continue;
        }
        const SongKey key = FindKey(durations[i]);
        if (!sections.empty() && sections.back().key.tonic == key.tonic && sections.back().key.major == key.major)
            sections.back().lastBar = last;
        else
            sections.push_back({first, last, key});
    }
    return sections;
}

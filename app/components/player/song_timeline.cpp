#include "app/components/player/song_timeline.h"

#include <algorithm>

namespace {
constexpr int PercussionChannel = 9;

TimelineEvent ChannelEvent(double seconds, TimelineEvent::Kind kind, int channel)
{
    TimelineEvent e;
    e.seconds = seconds;
    e.kind = kind;
    e.channel = static_cast<std::uint8_t>(channel);
    return e;
}
}  // namespace

TimelineEvent ControlEvent(double seconds, int channel, int controller, int value)
{
    TimelineEvent e = ChannelEvent(seconds, TimelineEvent::Control, channel);
    e.controller = static_cast<std::uint8_t>(controller);
    e.value = static_cast<std::uint16_t>(value);
    return e;
}

TimelineEvent BendEvent(double seconds, int channel, int value)
{
    TimelineEvent e = ChannelEvent(seconds, TimelineEvent::Bend, channel);
    e.value = static_cast<std::uint16_t>(value);
    return e;
}

TimelineEvent ProgramEvent(double seconds, int channel, int program)
{
    TimelineEvent e = ChannelEvent(seconds, TimelineEvent::ProgramChange, channel);
    e.program = static_cast<std::uint8_t>(program);
    return e;
}

std::vector<TimelineEvent> BuildTimeline(const MidiSong& song, const std::vector<ChordSpan>& spans)
{
    std::vector<TimelineEvent> events;
    events.reserve(song.notes.size() * 2 + song.programs.size() + song.controls.size() + song.bends.size() +
                   spans.size() + 16);
    std::uint16_t played = 0;
    for (const SongNote& n : song.notes) {
        const auto channel = static_cast<std::uint8_t>(n.channel);
        const auto key = static_cast<std::uint8_t>(n.key);
        events.push_back({n.startSeconds, TimelineEvent::NoteOn, channel, key, static_cast<std::uint8_t>(n.velocity)});
        events.push_back({n.endSeconds, TimelineEvent::NoteOff, channel, key});
        played |= static_cast<std::uint16_t>(1u << n.channel);
    }
    std::uint16_t setAtStart = 0;
    for (const ProgramChange& change : song.programs) {
        if (change.channel == PercussionChannel) continue;
        if (change.tick == 0) setAtStart |= static_cast<std::uint16_t>(1u << change.channel);
        events.push_back(ProgramEvent(change.seconds, change.channel, change.program));
    }
    for (const ControlChange& change : song.controls)
        events.push_back(ControlEvent(change.seconds, change.channel, change.controller, change.value));
    for (const PitchBend& bend : song.bends) events.push_back(BendEvent(bend.seconds, bend.channel, bend.value));
    for (int channel = 0; channel < 16; ++channel)
        if (channel != PercussionChannel && (played & ~setAtStart & (1u << channel)))
            events.push_back(ProgramEvent(0, channel, 0));
    for (std::size_t i = 0; i < spans.size(); ++i) {
        TimelineEvent e;
        e.seconds = spans[i].startSeconds;
        e.kind = TimelineEvent::ChordBegins;
        e.span = static_cast<int>(i);
        events.push_back(e);
    }
    std::stable_sort(events.begin(), events.end(), [](const TimelineEvent& a, const TimelineEvent& b) {
        return a.seconds != b.seconds ? a.seconds < b.seconds : a.kind < b.kind;
    });
    return events;
}

std::size_t FirstEventAt(const std::vector<TimelineEvent>& events, double seconds)
{
    const auto at = std::lower_bound(events.begin(), events.end(), seconds,
                                     [](const TimelineEvent& e, double s) { return e.seconds < s; });
    return static_cast<std::size_t>(at - events.begin());
}

int SpanAt(const std::vector<ChordSpan>& spans, double seconds)
{
    const auto after = std::upper_bound(spans.begin(), spans.end(), seconds,
                                        [](double s, const ChordSpan& span) { return s < span.startSeconds; });
    return static_cast<int>(after - spans.begin()) - 1;
}

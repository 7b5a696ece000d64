#include "app/components/player/song_timeline.h"

#include <algorithm>

std::vector<TimelineEvent> BuildTimeline(const MidiSong& song, const std::vector<ChordSpan>& spans)
{
    std::vector<TimelineEvent> events;
    events.reserve(song.notes.size() * 2 + spans.size());
    for (const SongNote& n : song.notes) {
        const auto channel = static_cast<std::uint8_t>(n.channel);
        const auto key = static_cast<std::uint8_t>(n.key);
        events.push_back({n.startSeconds, TimelineEvent::NoteOn, channel, key, -1});
        events.push_back({n.endSeconds, TimelineEvent::NoteOff, channel, key, -1});
    }
    for (std::size_t i = 0; i < spans.size(); ++i)
        events.push_back({spans[i].startSeconds, TimelineEvent::ChordBegins, 0, 0, static_cast<int>(i)});
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

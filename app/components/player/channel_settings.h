#pragma once
// What a song has set its channels to by some moment, as the fewest messages
// that set an output the same way: the last value of each controller, of the
// pitch wheel and of the instrument, in the order they came. Keeping that
// order keeps what a reset of the controllers undid undone. A program goes
// with the bank it was chosen from, and a data entry with the parameter it
// was for, since the output reads those when the message arrives.

#include <array>
#include <cstdint>
#include <map>
#include <vector>

#include "app/components/player/song_timeline.h"

class ChannelSettings {
public:
    // Takes the song's events in order, from its start to the moment.
    void Take(const TimelineEvent& e);
    // The messages that set the instruments of `instruments` and the
    // controllers and wheels of `controls` (a bit a channel), in order.
    std::vector<TimelineEvent> Messages(std::uint16_t instruments, std::uint16_t controls) const;

private:
    struct Setting {
        std::size_t order = 0;
        std::vector<TimelineEvent> messages;  // what it needs first, then itself
    };
    // Which registered or non-registered parameter a data entry sets.
    struct Parameter {
        bool registered = true;
        int high = 127;  // 127, 127: none
        int low = 127;
    };
    struct Context {
        int bankHigh = -1;  // -1: never chosen
        int bankLow = -1;
        Parameter registered;
        Parameter other{false};
        bool otherChosen = false;
    };

    void Keep(std::uint64_t key, std::vector<TimelineEvent> messages);
    void Select(Context& context, const TimelineEvent& e);
    std::vector<TimelineEvent> ParameterChoice(const Context& context, int channel) const;

    std::map<std::uint64_t, Setting> settings_;
    std::array<Context, 16> contexts_;
    std::size_t order_ = 0;
};

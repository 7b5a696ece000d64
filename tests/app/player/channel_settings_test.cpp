// What a jump into a song sends to set the channels as the song had them:
// the fewest messages that leave an output in the same state as playing
// everything up to there.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/components/player/channel_settings.h"

namespace {

// "C channel:controller=value", "B channel:value", "P channel:program".
TimelineEvent Event(const std::string& text)
{
    const int channel = std::stoi(text.substr(1));
    const std::string rest = text.substr(text.find(':') + 1);
    if (text[0] == 'B') return BendEvent(0, channel, std::stoi(rest));
    if (text[0] == 'P') return ProgramEvent(0, channel, std::stoi(rest));
    return ControlEvent(0, channel, std::stoi(rest), std::stoi(rest.substr(rest.find('=') + 1)));
}

std::string Text(const TimelineEvent& e)
{
    const std::string channel = std::to_string(e.channel) + ":";
    if (e.kind == TimelineEvent::Bend) return "B" + channel + std::to_string(e.value);
    if (e.kind == TimelineEvent::ProgramChange) return "P" + channel + std::to_string(e.program);
    return "C" + channel + std::to_string(e.controller) + "=" + std::to_string(e.value);
}

}  // namespace

TEST(ChannelSettings, TheLastOfEachSettingInTheOrderTheSongMadeThem)
{
    struct Case {
        const char* what;
        std::vector<std::string> song;
        std::uint16_t controls;
        std::vector<std::string> sent;
    };
    const std::vector<Case> cases = {
        {"the last value of each, the controllers of the channels asked for, every instrument",
         {"C0:7=100", "C1:7=90", "B1:10000", "C0:7=50", "P2:3", "B0:0", "B0:8192"},
         0x0001,
         {"C0:7=50", "P2:3", "B0:8192"}},
        {"a program goes with the bank it was chosen from; the bank chosen since stays chosen",
         {"C0:0=1", "C0:32=2", "P0:5", "C0:0=3"},
         0xFFFF,
         {"C0:32=2", "C0:0=1", "C0:32=2", "P0:5", "C0:0=3"}},
        {"a data entry goes with its parameter; the parameter chosen since stays chosen",
         {"C0:101=0", "C0:100=0", "C0:6=12", "C0:99=1", "C0:98=8", "C0:6=70", "C0:101=127", "C0:100=127"},
         0xFFFF,
         {"C0:101=0", "C0:100=0", "C0:6=12", "C0:99=1", "C0:98=8", "C0:99=1", "C0:98=8", "C0:6=70", "C0:101=127",
          "C0:100=127"}},
        {"a reset stays after what it reset; notes cut off and steps are no settings",
         {"C0:64=127", "C0:121=0", "C0:7=80", "C0:123=0", "C0:120=0", "C0:96=0", "C0:97=0"},
         0xFFFF,
         {"C0:64=127", "C0:121=0", "C0:7=80"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ChannelSettings settings;
        for (const std::string& text : c.song) settings.Take(Event(text));
        std::vector<std::string> sent;
        for (const TimelineEvent& e : settings.Messages(0xFFFF, c.controls)) sent.push_back(Text(e));
        EXPECT_EQ(sent, c.sent);
    }
}

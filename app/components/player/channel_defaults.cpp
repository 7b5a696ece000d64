#include "app/components/player/channel_defaults.h"

#include <algorithm>
#include <array>

namespace {

constexpr int ResetControllers = 121;
constexpr int FirstModeMessage = 120;

struct Default {
    int controller;
    int value;
    bool keptByReset;  // "reset all controllers" leaves it as it is
};

constexpr std::array<Default, 9> Defaults = {{
    {0, 0, true},      // bank, high
    {1, 0, false},     // modulation
    {7, 100, true},    // volume
    {10, 64, true},    // pan
    {11, 127, false},  // expression
    {32, 0, true},     // bank, low
    {64, 0, false},    // sustain
    {66, 0, false},    // sostenuto
    {67, 0, false},    // soft
}};

bool HasDefault(int controller)
{
    return std::any_of(Defaults.begin(), Defaults.end(), [&](const Default& d) { return d.controller == controller; });
}

}  // namespace

bool ChangesChannelSetting(int controller) { return controller >= 0 && controller < FirstModeMessage; }

std::vector<TimelineEvent> ChannelDefaults(int channel, const std::bitset<128>& changed, bool bent)
{
    bool reset = false;
    for (int controller = 0; controller < FirstModeMessage; ++controller)
        if (changed[controller] && !HasDefault(controller)) reset = true;

    std::vector<TimelineEvent> messages;
    if (reset) messages.push_back(ControlEvent(0, channel, ResetControllers, 0));
    for (const Default& d : Defaults)
        if (changed[d.controller] && (!reset || d.keptByReset))
            messages.push_back(ControlEvent(0, channel, d.controller, d.value));
    if (bent && !reset) messages.push_back(BendEvent(0, channel, PitchBend::Centre));
    return messages;
}

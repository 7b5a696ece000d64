#include "app/components/player/channel_settings.h"

#include <algorithm>

namespace {

enum Controller {
    BankHigh = 0,
    DataHigh = 6,
    BankLow = 32,
    DataLow = 38,
    DataUp = 96,
    DataDown = 97,
    OtherLow = 98,
    OtherHigh = 99,
    RegisteredLow = 100,
    RegisteredHigh = 101,
    AllSoundOff = 120,
    ResetControllers = 121,
    AllNotesOff = 123,
};

// Places beside the 128 controllers that hold one value a channel.
constexpr int WheelPlace = 128;
constexpr int ProgramPlace = 129;

std::uint64_t Key(int channel, int place, std::uint32_t detail = 0)
{
    return std::uint64_t(channel) << 48 | std::uint64_t(place) << 32 | detail;
}

}  // namespace

void ChannelSettings::Keep(std::uint64_t key, std::vector<TimelineEvent> messages)
{
    Setting& setting = settings_[key];
    setting.order = order_++;
    setting.messages = std::move(messages);
}

std::vector<TimelineEvent> ChannelSettings::ParameterChoice(const Context& context, int channel) const
{
    const Parameter& p = context.otherChosen ? context.other : context.registered;
    return {ControlEvent(0, channel, p.registered ? RegisteredHigh : OtherHigh, p.high),
            ControlEvent(0, channel, p.registered ? RegisteredLow : OtherLow, p.low)};
}

void ChannelSettings::Select(Context& context, const TimelineEvent& e)
{
    switch (e.controller) {
    case BankHigh: context.bankHigh = e.value; break;
    case BankLow: context.bankLow = e.value; break;
    case OtherHigh: context.other.high = e.value; context.otherChosen = true; break;
    case OtherLow: context.other.low = e.value; context.otherChosen = true; break;
    case RegisteredHigh: context.registered.high = e.value; context.otherChosen = false; break;
    case RegisteredLow: context.registered.low = e.value; context.otherChosen = false; break;
    case ResetControllers:
        // The reset leaves no parameter chosen.
        context.registered = Parameter{};
        context.otherChosen = false;
        break;
    default: break;
    }
}

void ChannelSettings::Take(const TimelineEvent& e)
{
    Context& context = contexts_[e.channel & 0x0F];
    switch (e.kind) {
    case TimelineEvent::Control: {
        // Sounds cut off and steps from an unknown value are no settings.
        if (e.controller == AllSoundOff || e.controller == AllNotesOff || e.controller == DataUp ||
            e.controller == DataDown)
            return;
        Select(context, e);
        if (e.controller == DataHigh || e.controller == DataLow) {
            const Parameter& p = context.otherChosen ? context.other : context.registered;
            std::vector<TimelineEvent> messages = ParameterChoice(context, e.channel);
            messages.push_back(e);
            Keep(Key(e.channel, e.controller, std::uint32_t(p.registered) << 16 | std::uint32_t(p.high) << 8 | p.low),
                 std::move(messages));
        } else {
            Keep(Key(e.channel, e.controller), {e});
        }
        return;
    }
    case TimelineEvent::Bend: Keep(Key(e.channel, WheelPlace), {e}); return;
    case TimelineEvent::ProgramChange: {
        std::vector<TimelineEvent> messages;
        if (context.bankHigh >= 0) messages.push_back(ControlEvent(0, e.channel, BankHigh, context.bankHigh));
        if (context.bankLow >= 0) messages.push_back(ControlEvent(0, e.channel, BankLow, context.bankLow));
        messages.push_back(e);
        Keep(Key(e.channel, ProgramPlace), std::move(messages));
        return;
    }
    default: return;
    }
}

std::vector<TimelineEvent> ChannelSettings::Messages(std::uint16_t instruments, std::uint16_t controls) const
{
    std::vector<const Setting*> kept;
    for (const auto& [key, setting] : settings_) {
        const int place = int(key >> 32 & 0xFFFF);
        const auto channel = static_cast<unsigned>(key >> 48);
        if ((place == ProgramPlace ? instruments : controls) & (1u << channel)) kept.push_back(&setting);
    }
    std::sort(kept.begin(), kept.end(), [](const Setting* a, const Setting* b) { return a->order < b->order; });
    std::vector<TimelineEvent> messages;
    for (const Setting* setting : kept) messages.insert(messages.end(), setting->messages.begin(), setting->messages.end());
    return messages;
}

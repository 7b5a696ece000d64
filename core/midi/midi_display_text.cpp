#include <cstdio>

#include "core/midi/midi_event.h"

namespace {

// One name per channel message type (0x80-0xE0), one that is never chosen,
// then one per system status 0xF0-0xFF.
constexpr const char* EventNames[24] = {
    "Note Off",
    "Note On",
    "Key Aftertouch",
    "Control Change",
    "Program Change",
    "Channel Aftertouch",
    "Pitch Bend",
    "System Message",
    "System Exclusive",
    "MTC Quarter Frame",
    "Song Position Pointer",
    "Song Select",
    "Undefined",
    "Undefined",
    "Tune Request",
    "System Exclusive End",
    "Timing Clock",
    "Undefined",
    "Start",
    "Continue",
    "Stop",
    "Undefined",
    "Active Sensing",
    "System Reset",
};

const char* NameOf(unsigned status)
{
    if (status >= 0xF0) return EventNames[8 + (status & 0x0F)];
    return EventNames[(status >> 4) - 8];
}

}  // namespace

void GetDisplayText(char* out, const event_tag* ev)
{
    const unsigned s = ev->message & 0xFF;
    const unsigned d1 = (ev->message >> 8) & 0xFF;
    const unsigned d2 = (ev->message >> 16) & 0xFF;
    const unsigned type = s & 0xF0;
    const unsigned channel = s & 0x0F;
    const char* suffix = (ev->status & EventOutOfSync) ? "(Out of sync)" : "";
    const std::size_t n = DisplayTextSize;

    if (s < 0x80) {
        std::snprintf(out, n, "%-21s\t%u\t%u\t\t%s", "Unknown Event", d1, d2, suffix);
        return;
    }
    switch (type) {
    case 0x80:
    case 0x90: {
        const char* name = (type == 0x90 && d2 == 0) ? NameOf(0x80) : NameOf(s);
        std::snprintf(out, n, "%-21s\tNote=%u\tVelocity=%u\tChannel=%u\t%s", name, d1, d2, channel, suffix);
        return;
    }
    case 0xA0:
    case 0xB0:
    case 0xE0: std::snprintf(out, n, "%-21s\t%u\t%u\tChannel=%u\t%s", NameOf(s), d1, d2, channel, suffix); return;
    case 0xC0:
    case 0xD0: std::snprintf(out, n, "%-21s\t%u\t\tChannel=%u\t%s", NameOf(s), d1, channel, suffix); return;
    default: break;
    }
    switch (s) {
    case 0xF1:
    case 0xF3: std::snprintf(out, n, "%-21s\t%u\t\t\t%s", NameOf(s), d1, suffix); return;
    case 0xF2: std::snprintf(out, n, "%-21s\t%u\t%u\t\t%s", NameOf(s), d1, d2, suffix); return;
    default: std::snprintf(out, n, "%-21s\t\t\t\t%s", NameOf(s), suffix); return;
    }
}

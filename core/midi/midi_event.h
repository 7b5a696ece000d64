#pragma once
// One received MIDI event and its one-line text form.

#include <cstddef>
#include <cstdint>

struct event_tag {
    std::int32_t status;    // bit value 1: the message came in out of sync
    std::int32_t device;    // input device identifier
    std::uint32_t time;     // milliseconds since the device was started
    std::uint32_t message;  // status byte in bits 0-7, data 1 in 8-15, data 2 in 16-23
};
static_assert(sizeof(event_tag) == 16);

constexpr std::int32_t EventOutOfSync = 1;
constexpr std::size_t DisplayTextSize = 80;

// Writes the line describing *ev ("Note On<pad>\tNote=60\tVelocity=64\t...").
// `out` holds at least DisplayTextSize bytes.
void GetDisplayText(char* out, const event_tag* ev);

#pragma once
// Short messages as a MIDI instrument sends them, and playing them into the
// studio through a capture backend's input 0.

#include <QCoreApplication>

#include <cstdint>
#include <initializer_list>

#include "core/midi/capture_backend.h"
#include "core/midi/midi_input.h"

inline std::uint32_t NoteOn(int midi, int velocity = 100, int channel = 0)
{
    return static_cast<std::uint32_t>(0x90 | channel) | (midi << 8) | (velocity << 16);
}
inline std::uint32_t NoteOff(int midi, int channel = 0)
{
    return static_cast<std::uint32_t>(0x80 | channel) | (midi << 8);
}
inline std::uint32_t SustainPedal(bool down) { return 0xB0u | (64u << 8) | ((down ? 127u : 0u) << 16); }

// Sends the messages from input 0 and hands them to the components' inputs,
// as the event loop would, without painting anything.
inline void PlayInto(CaptureBackend& capture, std::initializer_list<std::uint32_t> messages)
{
    for (std::uint32_t m : messages) capture.Feed(0, {m, 0, false});
    QCoreApplication::sendPostedEvents(nullptr, MidiInputEventType());
}

#pragma once
// A Guitar in a studio with a capture backend standing in for the MIDI
// instrument at input 0 (the Preferences' default input), and helpers that
// play on it as the instrument would.

#include <QCoreApplication>

#include <cstdint>
#include <memory>

#include "app/components/shared/live_midi_input.h"
#include "app/guitar/guitar_fixture.h"
#include "core/midi/capture_backend.h"
#include "core/midi/midi_input.h"

inline std::uint32_t NoteOn(int midi, int velocity = 100, int channel = 0)
{
    return static_cast<std::uint32_t>(0x90 | channel) | (midi << 8) | (velocity << 16);
}
inline std::uint32_t NoteOff(int midi, int channel = 0) { return static_cast<std::uint32_t>(0x80 | channel) | (midi << 8); }
inline std::uint32_t SustainPedal(bool down) { return 0xB0u | (64u << 8) | ((down ? 127u : 0u) << 16); }

class LiveInputTest : public GuitarTest {
protected:
    void SetUp() override
    {
        auto backend = std::make_unique<CaptureBackend>();
        capture = backend.get();
        SetMidiBackend(std::move(backend));
        GuitarTest::SetUp();
    }
    void TearDown() override
    {
        GuitarTest::TearDown();
        MidiDev::ReleaseDevices();
        SetMidiBackend(nullptr);
    }

    static void SwitchOn(GuitarClient* g, bool putOutEach = false)
    {
        GuitarClient::Settings s = g->CurrentSettings();
        s.liveInput = {true, putOutEach};
        g->ApplySettings(s);
    }

    // Sends the messages from input 0 and hands them to the components'
    // inputs, as the event loop would, without painting anything.
    void Play(std::initializer_list<std::uint32_t> messages)
    {
        for (std::uint32_t m : messages) capture->Feed(0, {m, 0, false});
        QCoreApplication::sendPostedEvents(nullptr, MidiInputEventType());
    }

    CaptureBackend* capture = nullptr;
};

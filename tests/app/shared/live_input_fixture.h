#pragma once
// A Guitar in a studio with a capture backend standing in for the MIDI
// instrument at input 0 (the Preferences' default input), and helpers that
// play on it as the instrument would.

#include <QCoreApplication>

#include <cstdint>
#include <memory>

#include "app/components/shared/live_midi_input.h"
#include "app/guitar/guitar_fixture.h"
#include "app/shared/midi_messages.h"
#include "core/midi/capture_backend.h"
#include "core/midi/midi_dev.h"
#include "core/midi/midi_input.h"

class LiveInputTest : public GuitarTest {
protected:
    void SetUp() override
    {
        auto backend = std::make_unique<CaptureBackend>();
        capture = backend.get();
        SetMidiBackend(std::move(backend));
        GuitarTest::SetUp();
        // Two chord types, so that the status bar has names to show.
        scratch.Write("cantrel.ini",
                      std::string("[Chords]\n1=\"\",\"Major\", 1 3 5\n2=\"m\",\"Minor\", 1 3b 5\n") + GuitarTunings);
        ForgetProfiles();
        InitializeChordList();
    }
    void TearDown() override
    {
        ReleaseChordList();
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

    void Play(std::initializer_list<std::uint32_t> messages) { PlayInto(*capture, messages); }

    CaptureBackend* capture = nullptr;
};

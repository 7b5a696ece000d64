#pragma once
// A capture backend, a scratch cantrel.ini, recorded messages and beeps for
// every MIDI test; devices are released after each.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/midi/capture_backend.h"
#include "core/midi/midi_beep.h"
#include "core/midi/midi_dev.h"
#include "core/services/file_names.h"
#include "core/services/profile.h"
#include "support/error_recorder.h"
#include "support/scratch_dir.h"

using Bytes = std::vector<std::uint8_t>;

class MidiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteIni("");
        UseINIFileName(scratch.File("cantrel.ini").c_str());
        auto backend = std::make_unique<CaptureBackend>();
        capture = backend.get();
        SetMidiBackend(std::move(backend));
        SetMidiBeeper([this] { ++beeps; });
    }
    void TearDown() override
    {
        MidiDev::ReleaseDevices();
        RunEventsFor(0);
        SetMidiBeeper({});
        SetMidiBackend(nullptr);
        ForgetProfiles();
    }

    void WriteIni(const std::string& text)
    {
        ForgetProfiles();
        scratch.Write("cantrel.ini", text);
    }
    std::string IniText()
    {
        FlushProfiles();
        return scratch.Read("cantrel.ini");
    }

    // The short messages sent to `device` (all devices: -99), in order.
    std::vector<Bytes> Sent(int device = -99) const
    {
        std::vector<Bytes> sent;
        for (const auto& m : capture->Messages())
            if (m.kind == CapturedMessage::Short && (device == -99 || m.device == device))
                sent.emplace_back(m.bytes, m.bytes + m.size);
        return sent;
    }

    // Lets timers fire and posted events arrive for `ms` milliseconds, then
    // deletes what was left for deletion.
    static void RunEventsFor(int ms)
    {
        QElapsedTimer clock;
        clock.start();
        do {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        } while (clock.elapsed() < ms);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    ScratchDir scratch;
    ErrorRecorder errors;
    CaptureBackend* capture = nullptr;
    int beeps = 0;
};

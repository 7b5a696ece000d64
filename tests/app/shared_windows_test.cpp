// The shared windows of the core library the studio stands on: the MIDI test
// button, and the chord names the studio writes into the status bar.
#include <QComboBox>
#include <QMainWindow>
#include <QStatusBar>
#include <QTest>

#include "core/studio/chord_names_line.h"
#include "core/midi/capture_backend.h"
#include "core/midi/midi_backend.h"
#include "core/midi/midi_dev.h"
#include "ui/tmidi_button.h"
#include "studio_fixture.h"

namespace {

TEST(MidiButtonTest, PlaysMiddleCWithTheChosenProgramWhileHeld)
{
    ScratchDir scratch;
    UseINIFileName(scratch.Write("cantrel.ini", "").c_str());
    auto backend = std::make_unique<CaptureBackend>();
    CaptureBackend* capture = backend.get();
    SetMidiBackend(std::move(backend));
    {
        MidiDev device(1);
        device.velocity = 64;
        QComboBox programs;
        for (int i = 0; i < 128; ++i) programs.addItem(QString::number(i));
        programs.setCurrentIndex(24);
        TMIDIButton button(nullptr, &programs, &device, "Test");
        button.resize(60, 20);
        button.show();
        QTest::mousePress(&button, Qt::LeftButton);
        QTest::mouseRelease(&button, Qt::LeftButton);
        std::vector<std::vector<int>> sent;
        for (const CapturedMessage& m : capture->Messages()) {
            std::vector<int> bytes(m.bytes, m.bytes + m.size);
            sent.push_back(bytes);
        }
        const std::vector<std::vector<int>> expected{{0xC0, 24}, {0x90, 60, 64}, {0x80, 60, 0}};
        EXPECT_EQ(sent, expected);
    }
    MidiDev::ReleaseDevices();
    SetMidiBackend(nullptr);
    ForgetProfiles();
}

class StatusBarTest : public StudioTest {};

TEST_F(StatusBarTest, ActivationWritesTheActiveChordsNamesAndNeverTooLongALine)
{
    std::vector<std::string> lines;
    SetChordNamesSink([&](const std::string& line) { lines.push_back(line); });
    RecordingClient* r = Recorder();
    r->SetNotes({39, 43, 46});
    studio->setActiveSubWindow(nullptr);
    studio->setActiveSubWindow(r->Frame());
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), ChordNamesLine(r->Chord, MaxChords()));
    EXPECT_EQ(mmMDIChild::ActiveComponent(), r->Frame());
    EXPECT_EQ(studio->HelpContext, ComponentType::Keyboard);

    EXPECT_EQ(ChordNamesLine(r->Chord, 0), "");
    EXPECT_LT(ChordNamesLine(r->Chord, 1000).size(), ChordNamesLineSize);
    SetChordNamesSink({});
}

TEST_F(StatusBarTest, MaxChordsComesFromTheSettings)
{
    scratch.Write("cantrel.ini", "[Global]\nMaxChords=2\n");
    ForgetProfiles();
    ReadMaxChords();
    EXPECT_EQ(MaxChords(), 2);
    scratch.Write("cantrel.ini", "");
    ForgetProfiles();
    ReadMaxChords();
    EXPECT_EQ(MaxChords(), DefaultMaxChords);
}

}  // namespace

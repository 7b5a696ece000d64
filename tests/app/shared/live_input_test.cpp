// Playing a MIDI instrument into the studio: the held notes become the
// Guitar's chord, laid on its strings, named and put out as they change.
#include "live_input_fixture.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>

#include <atomic>
#include <cstring>
#include <thread>

#include "app/components/guitar/guitar_settings_dialog.h"
#include "app/components/shared/live_input_boxes.h"
#include "core/studio/chord_names_line.h"
#include "app/commands/component_commands.h"
#include "core/studio/component_links.h"

namespace {

// C, E and G around middle C, and where the standard guitar lays them.
constexpr int C = 60, E = 64, G = 67;
const std::vector<NOTES> CMajorOnStrings{70, 67, 63, -1, -1, -1};
const std::vector<NOTES> Silent(6, NoNote);

TEST_F(LiveInputTest, NotesModeShowsExactlyWhatSoundsWithThePedalHoldingReleasedNotes)
{
    guitar->SetMode(NotesMode);
    SwitchOn(guitar);
    ASSERT_TRUE(guitar->LiveInput().Listening());
    std::vector<std::string> lines;
    SetChordNamesSink([&](const std::string& line) { lines.push_back(line); });

    // Any channel; the third note comes on channel 10.
    Play({NoteOn(C), NoteOn(E, 90, 3), NoteOn(G, 1, 9)});
    EXPECT_EQ(Strings(guitar), CMajorOnStrings);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "C");

    // A note-on without velocity lets go of E; a note-off on another
    // channel than the one holding G does not.
    Play({NoteOn(E, 0, 3), NoteOff(G, 2)});
    EXPECT_EQ(Strings(guitar), (std::vector<NOTES>{70, 63, -1, -1, -1, -1}));
    EXPECT_EQ(lines.back(), ChordNamesLine(guitar->Chord, MaxChords()));
    EXPECT_NE(lines.back(), "C");

    // The pedal holds what is let go under it, until it comes up.
    Play({SustainPedal(true), NoteOff(C), NoteOff(G, 9)});
    EXPECT_EQ(Strings(guitar), (std::vector<NOTES>{70, 63, -1, -1, -1, -1}));
    Play({NoteOn(E)});
    EXPECT_EQ(Strings(guitar), CMajorOnStrings);
    Play({SustainPedal(false)});
    EXPECT_EQ(Strings(guitar), (std::vector<NOTES>{67, -1, -1, -1, -1, -1}));
    Play({NoteOff(E)});
    EXPECT_EQ(Strings(guitar), Silent);
    SetChordNamesSink({});
    EXPECT_TRUE(errors.Empty());
}

TEST_F(LiveInputTest, ChordModeKeepsALetGoChordUntilTheNextPressAndPutsOutSettledChords)
{
    RecordingClient* downstream = Recorder();
    Connect(guitar, 0, downstream, 0);
    SwitchOn(guitar, true);
    ASSERT_EQ(guitar->Mode, ChordMode);
    // Waits until `count` chords have arrived downstream (or long enough to
    // be sure that no more come), with the event loop running.
    auto arrivals = [&](std::size_t count) {
        QElapsedTimer clock;
        clock.start();
        while (downstream->arrivals.size() < count && clock.elapsed() < 5000) QTest::qWait(5);
        QTest::qWait(2 * LiveMidiInput::SettleMs);
        return downstream->arrivals.size();
    };

    // A chord struck by hand: its notes come one after another, each shown
    // at once; the chord goes on once, when it has settled.
    Play({NoteOn(C)});
    Play({NoteOn(E)});
    EXPECT_EQ(guitar->Chord.CountNotes(), 2);
    Play({NoteOn(G)});
    EXPECT_EQ(Strings(guitar), CMajorOnStrings);
    EXPECT_TRUE(downstream->arrivals.empty()) << "nothing before the chord has settled";
    ASSERT_EQ(arrivals(1), 1u);
    EXPECT_EQ(downstream->arrivals.back().notes, (std::vector<NOTES>{70, 67, 63}));

    // Letting go changes nothing: the chord stays to be looked at.
    Play({NoteOff(C), NoteOn(G, 0), NoteOff(E)});
    EXPECT_EQ(Strings(guitar), CMajorOnStrings);
    EXPECT_EQ(arrivals(2), 1u);

    // A note the neck does not have (MIDI 120) leaves the strings empty,
    // and that goes on too; the next chord begins with the first key after
    // everything was let go.
    Play({NoteOn(120)});
    EXPECT_EQ(Strings(guitar), Silent) << "the new chord has no note the strings reach";
    ASSERT_EQ(arrivals(2), 2u);
    EXPECT_TRUE(downstream->arrivals.back().notes.empty());
    Play({NoteOn(G)});
    EXPECT_EQ(Strings(guitar), (std::vector<NOTES>{70, -1, -1, -1, -1, -1}));
    Play({NoteOff(G), NoteOff(120), NoteOn(C + 12)});
    EXPECT_EQ(Strings(guitar), (std::vector<NOTES>{75, -1, -1, -1, -1, -1}));
    EXPECT_EQ(arrivals(3), 3u) << "G alone never settled";
    EXPECT_EQ(downstream->arrivals.back().notes, (std::vector<NOTES>{75}));
    EXPECT_TRUE(errors.Empty());
}

TEST_F(LiveInputTest, TheSettingsDialogSwitchesTheInputAndTheStudioKeepsIt)
{
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<GuitarSettingsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* input = dialog->findChild<QCheckBox*>("id130");
        auto* putOut = dialog->findChild<QCheckBox*>("id131");
        ASSERT_TRUE(input && putOut);
        EXPECT_FALSE(input->isChecked()) << "off unless chosen";
        EXPECT_FALSE(putOut->isEnabled());
        input->setChecked(true);
        EXPECT_TRUE(putOut->isEnabled());
        putOut->setChecked(true);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    EXPECT_TRUE(guitar->Frame()->Command(ComponentCommand::ChangeSettings));
    EXPECT_TRUE(guitar->LiveInput().Listening());
    EXPECT_EQ(guitar->LiveInput().Setting(), (LiveInputSetting{true, true}));

    // The record comes after the Guitar's own and the Fingerings list's; a
    // line without it is an older file and loads with the input off.
    const std::string saved = SettingsLine(guitar);
    ASSERT_EQ(saved.size(), 2u + 240 + 2 + 200 + 2 + 8 + 2 + 8);
    EXPECT_EQ(saved.substr(saved.size() - 10), "0403000000");
    GuitarClient* older = NewGuitar();
    std::string withoutRecord = saved.substr(0, saved.size() - 10);
    char* in = withoutRecord.data();
    int remaining = static_cast<int>(withoutRecord.size());
    older->LoadSettings(in, remaining);
    EXPECT_FALSE(older->LiveInput().Setting().on);
    EXPECT_FALSE(older->LiveInput().Listening());

    const std::string path = scratch.File("live.cts");
    ASSERT_TRUE(studio->SaveStudio(path.c_str()));
    ASSERT_TRUE(studio->LoadStudio(path.c_str(), true, false));
    auto* loaded = dynamic_cast<GuitarClient*>(FirstComponent());
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->LiveInput().Setting(), (LiveInputSetting{true, true}));
    ASSERT_TRUE(loaded->LiveInput().Listening());
    guitar = loaded;
    Play({NoteOn(C), NoteOn(E), NoteOn(G)});
    EXPECT_EQ(Strings(loaded), CMajorOnStrings);

    // Another input chosen in the Preferences: the Guitar plays from it, and
    // the keys still down on the old one are forgotten.
    MidiDev::SetMidiSettings(2, MidiDev::Mapper, 0, 64);
    LiveMidiInput::FollowPreferences();
    EXPECT_EQ(loaded->LiveInput().Device(), 2);
    EXPECT_FALSE(capture->Feed(0, {NoteOn(C + 12), 0, false}));
    capture->Feed(2, {NoteOn(C), 0, false});
    QCoreApplication::sendPostedEvents(nullptr, MidiInputEventType());
    EXPECT_EQ(Strings(loaded), (std::vector<NOTES>{-1, 63, -1, -1, -1, -1}));
    EXPECT_TRUE(errors.Empty());
}

TEST_F(LiveInputTest, AnInputThatCannotBeHadLeavesTheSettingOff)
{
    // No input chosen in the Preferences.
    scratch.Write("cantrel.ini", std::string("[Midi]\nInDeviceID=-1\n") + GuitarTunings);
    ForgetProfiles();
    SwitchOn(guitar);
    EXPECT_FALSE(guitar->LiveInput().Setting().on);
    EXPECT_EQ(errors.Numbers(), std::vector<int>{451});

    // A device that refuses to open.
    errors.Clear();
    scratch.Write("cantrel.ini", std::string("[Midi]\nInDeviceID=1\n") + GuitarTunings);
    ForgetProfiles();
    capture->FailInputOpen(1, {MidiFailure::Allocated, "held by another program"});
    SwitchOn(guitar);
    EXPECT_FALSE(guitar->LiveInput().Listening());
    EXPECT_EQ(errors.Numbers(), std::vector<int>{451});
}

TEST_F(LiveInputTest, ADeviceThatVanishesIsReportedOnceAndEveryInputOnItGoesOff)
{
    GuitarClient* second = NewGuitar();
    SwitchOn(guitar);
    SwitchOn(second);
    ASSERT_TRUE(guitar->LiveInput().Listening() && second->LiveInput().Listening());
    Play({NoteOn(C)});
    LiveMidiInput::CheckDevices();
    EXPECT_TRUE(errors.Empty()) << "still there";

    ClearStudioModified();
    capture->SetInputNames({"Capture Input 1", "Capture Input 2"});
    LiveMidiInput::CheckDevices();
    LiveMidiInput::CheckDevices();
    EXPECT_EQ(errors.Numbers(), std::vector<int>{415});
    EXPECT_FALSE(guitar->LiveInput().Listening());
    EXPECT_FALSE(second->LiveInput().Setting().on);
    EXPECT_TRUE(StudioModified());
    EXPECT_EQ(capture->OpenInputs(), 0);

    // What the device still sends goes nowhere.
    const std::vector<NOTES> before = Strings(guitar);
    EXPECT_FALSE(capture->Feed(0, {NoteOn(E), 0, false}));
    EXPECT_EQ(Strings(guitar), before);

    // The timer finds it too, without a freeze of the window.
    errors.Clear();
    capture->SetInputNames({"Capture Input 0", "Capture Input 1"});
    SwitchOn(guitar);
    ASSERT_TRUE(guitar->LiveInput().Listening());
    capture->SetInputNames({});
    QElapsedTimer clock;
    clock.start();
    while (guitar->LiveInput().Listening() && clock.elapsed() < 5 * LiveMidiInput::DeviceCheckMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_FALSE(guitar->LiveInput().Listening());
    EXPECT_EQ(errors.Numbers(), std::vector<int>{415});
}

// 100,000 events in one second from the instrument's thread: the last chord
// is right, and when a busy machine made the queue drop events the player
// was told once. (How long the window waits meanwhile, and whether events
// were dropped, is bench_live_input_flood's to measure.)
TEST_F(LiveInputTest, AFloodOfEventsLosesNoNoteOff)
{
    guitar->SetMode(NotesMode);
    SwitchOn(guitar);
    LiveMidiInput& live = guitar->LiveInput();
    ASSERT_TRUE(live.Listening());

    constexpr int Events = 100000;
    std::atomic<bool> done{false};
    std::thread instrument([this, &done] {
        using namespace std::chrono;
        const auto start = steady_clock::now();
        int sent = 0;
        auto send = [&](std::uint32_t m) {
            capture->Feed(0, {m, 0, false});
            if (++sent % 100 == 0) std::this_thread::sleep_until(start + microseconds(10 * sent));
        };
        // C, E and G go down first and stay; trills run over the rest of
        // the keys, each let go again, half by velocity-0 note-ons.
        send(NoteOn(C));
        send(NoteOn(E));
        send(NoteOn(G));
        for (int i = 0; sent < Events - 1; ++i) {
            const int key = 30 + i % 90;
            if (key == C || key == E || key == G) continue;
            send(NoteOn(key, 1 + i % 126, i % 16));
            send(i % 2 ? NoteOff(key, i % 16) : NoteOn(key, 0, i % 16));
        }
        send(SustainPedal(false));
        done = true;
    });

    QEventLoop loop;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        if (done && PendingMidiEvents(&live) == 0) loop.quit();
    });
    tick.start(5);
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);  // a safety net, never the test's goal
    loop.exec();
    instrument.join();
    QCoreApplication::sendPostedEvents(nullptr, MidiInputEventType());

    EXPECT_EQ(Strings(guitar), CMajorOnStrings);
    EXPECT_TRUE(errors.Empty() || errors.Numbers() == std::vector<int>{456}) << errors.Numbers().size();
}

}  // namespace

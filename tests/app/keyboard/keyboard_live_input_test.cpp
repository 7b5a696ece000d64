// A MIDI instrument played into the Keyboard: what lies beyond its keys is
// left out, as for an arriving chord, and the setting lives in the studio.
#include "keyboard_fixture.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

#include "app/components/keyboard/keyboard_settings_dialog.h"
#include "app/components/shared/live_midi_input.h"
#include "app/shared/midi_messages.h"
#include "core/studio/chord_names_line.h"
#include "app/commands/component_commands.h"
#include "core/studio/component_links.h"
#include "core/midi/midi_event_queue.h"

namespace {

TEST_F(KeyboardTest, LiveInputShowsTheHeldNotesOnItsKeysAndPutsThemOut)
{
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<KeyboardSettingsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QCheckBox*>("id130")->setChecked(true);
        dialog->findChild<QCheckBox*>("id131")->setChecked(true);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    EXPECT_TRUE(keyboard->Frame()->Command(ComponentCommand::ChangeSettings));
    ASSERT_TRUE(keyboard->LiveInput().Listening());
    SplitterClient* downstream = Splitter();
    Connect(keyboard, 0, downstream, 0);
    studio->setActiveSubWindow(keyboard->Frame());  // the status bar names the active component's chord
    std::vector<std::string> lines;
    SetChordNamesSink([&](const std::string& line) { lines.push_back(line); });

    // MIDI 40 and 90 lie beyond the three octaves from C4 (MIDI 48-83).
    PlayInto(*capture, {NoteOn(40), NoteOn(60), NoteOn(64), NoteOn(90), NoteOn(67)});
    EXPECT_EQ(Notes(), (std::vector<NOTES>{63, 67, 70}));
    // Put out once the chord has settled.
    QElapsedTimer clock;
    clock.start();
    while (downstream->Chord.CountNotes() == 0 && clock.elapsed() < 5000) QTest::qWait(5);
    std::vector<NOTES> arrived;
    for (NOTES n : downstream->Chord.notes)
        if (n != NoNote) arrived.push_back(n);
    std::sort(arrived.begin(), arrived.end());
    EXPECT_EQ(arrived, (std::vector<NOTES>{63, 67, 70}));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), ChordNamesLine(keyboard->Chord, MaxChords()));
    EXPECT_TRUE(NotesOn().empty()) << "the player hears the instrument, not the keyboard again";
    SetChordNamesSink({});

    const std::string path = scratch.File("keys.cts");
    ASSERT_TRUE(studio->SaveStudio(path.c_str()));
    ASSERT_TRUE(studio->LoadStudio(path.c_str(), true, false));
    keyboard = dynamic_cast<KeyboardClient*>(FirstComponent());
    ASSERT_NE(keyboard, nullptr);
    EXPECT_EQ(keyboard->LiveInput().Setting(), (LiveInputSetting{true, true}));
    ASSERT_TRUE(keyboard->LiveInput().Listening());
    EXPECT_TRUE(Notes().empty()) << "a restored keyboard starts without notes";
    PlayInto(*capture, {NoteOn(72)});
    EXPECT_EQ(Notes(), (std::vector<NOTES>{75}));
    EXPECT_TRUE(errors.Empty());
}

// The window stalls while the instrument floods it: the queue keeps the
// oldest events and drops the rest. The keys then show what the instrument
// holds at the end, not the keys held when the queue filled, and the player
// is told once.
TEST_F(KeyboardTest, LiveInputLosingEventsInABacklogLeavesNoStuckKeysAndSaysSoOnce)
{
    keyboard->SetMode(NotesMode);
    keyboard->LiveInput().Apply({true, false});
    ASSERT_TRUE(keyboard->LiveInput().Listening());
    auto flood = [this](std::initializer_list<int> finalChord) {
        // Every key of C4-B4 (MIDI 48-59) goes down, trills run over the
        // keys above until the queue is long full, then C4-B4 are let go
        // and the final chord is struck: all while nothing is read.
        for (int key = 48; key < 60; ++key) capture->Feed(0, {NoteOn(key), 0, false});
        for (int i = 0; i < 2 * MidiEventQueue::Capacity; ++i) {
            const int key = 72 + i % 12;
            capture->Feed(0, {NoteOn(key), 0, false});
            capture->Feed(0, {NoteOff(key), 0, false});
        }
        for (int key = 48; key < 60; ++key) capture->Feed(0, {NoteOff(key), 0, false});
        for (int key : finalChord) capture->Feed(0, {NoteOn(key), 0, false});
        QCoreApplication::sendPostedEvents(nullptr, MidiInputEventType());
    };
    flood({60, 64, 67});
    EXPECT_EQ(Notes(), (std::vector<NOTES>{63, 67, 70}));
    EXPECT_EQ(errors.Numbers(), std::vector<int>{456});

    // Playing on goes on from there; a second backlog is not told again.
    PlayInto(*capture, {NoteOff(64)});
    EXPECT_EQ(Notes(), (std::vector<NOTES>{63, 70}));
    PlayInto(*capture, {NoteOff(60), NoteOff(67)});
    flood({62, 65});
    EXPECT_EQ(Notes(), (std::vector<NOTES>{65, 68}));
    EXPECT_EQ(errors.Numbers(), std::vector<int>{456});
    EXPECT_TRUE(NotesOn().empty());
}

}  // namespace

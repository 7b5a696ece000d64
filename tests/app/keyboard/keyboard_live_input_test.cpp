// A MIDI instrument played into the Keyboard: what lies beyond its keys is
// left out, as for an arriving chord, and the setting lives in the studio.
#include "keyboard_fixture.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTimer>

#include "app/components/keyboard/keyboard_settings_dialog.h"
#include "app/components/shared/live_midi_input.h"
#include "app/shared/midi_messages.h"
#include "app/studio/chord_names_line.h"
#include "app/studio/component_commands.h"
#include "app/studio/component_links.h"

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
    std::vector<std::string> lines;
    SetChordNamesSink([&](const std::string& line) { lines.push_back(line); });

    // MIDI 40 and 90 lie beyond the three octaves from C4 (MIDI 48-83).
    PlayInto(*capture, {NoteOn(40), NoteOn(60), NoteOn(64), NoteOn(90), NoteOn(67)});
    EXPECT_EQ(Notes(), (std::vector<NOTES>{63, 67, 70}));
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

}  // namespace

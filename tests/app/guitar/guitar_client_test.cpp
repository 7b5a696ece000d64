// The Guitar/Strings component driven as a player would: clicks, typing,
// arrow keys, arriving chords, modes and settings.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "app/components/guitar/fingerboard_pictures.h"
#include "app/components/guitar/guitar_settings_dialog.h"
#include "app/components/guitar/string_markers.h"
#include "app/commands/component_commands.h"
#include "app/studio/new_component_dialog.h"
#include "app/commands/studio_commands.h"
#include "controls/my_hslider.h"
#include "guitar_fixture.h"

namespace {

const std::vector<NOTES> Standard = {67, 62, 58, 53, 48, 43};

chord ChordOf(std::initializer_list<NOTES> notes)
{
    chord c;
    for (NOTES n : notes) c.AddNote(n);
    return c;
}

}  // namespace

TEST_F(GuitarTest, StartsOnItsOpenStringsWithTheFullToolBar)
{
    ASSERT_NE(guitar, nullptr);
    EXPECT_EQ(guitar->TypeId, 1003);
    EXPECT_EQ(Strings(guitar), Standard);
    EXPECT_EQ(guitar->FretCount, 13);
    EXPECT_EQ(guitar->BoardFlags, 14);
    EXPECT_EQ(guitar->Chord.program, 25);
    for (int s = 0; s < 6; ++s)
        EXPECT_EQ(MarkerOf(guitar->Geometry(), guitar->State(), s).icon, FingerboardPicture::OpenMarker) << s;
    // New Component offers it.
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QRadioButton*>("id103")->setChecked(true);
        qobject_cast<QDialog*>(dialog)->accept();
    });
    const int kind = RunNewComponentDialog(studio);
    EXPECT_EQ(kind, ComponentKind::Guitar);
    studio->ChooseNewComponent = [kind] { return kind; };
    studio->Command(StudioCommand::NewComponent);
    ASSERT_EQ(ComponentCount(), 2);
    EXPECT_NE(dynamic_cast<GuitarClient*>(LastComponent()), nullptr);
    EXPECT_EQ(LastComponent()->Title(), "Guitar 2\u00A0");

    for (int command : {ComponentCommand::PutOut, ComponentCommand::GetIn, ComponentCommand::Find,
                        ComponentCommand::ChangeSettings, ComponentCommand::ModeButtonChord, ComponentCommand::Reset,
                        ComponentCommand::SoundButtonOff, ComponentCommand::ChangeConnections})
        EXPECT_NE(guitar->Frame()->findChild<QAction*>(QStringLiteral("cmd%1").arg(command)), nullptr) << command;
}

TEST_F(GuitarTest, ArrivingChordsAreLaidOnTheStrings)
{
    guitar->TakeChord(ChordOf({63, 67, 70}));
    EXPECT_EQ(Strings(guitar), (std::vector<NOTES>{70, 67, 63, -1, -1, -1}));
    EXPECT_EQ(guitar->Chord.key, NoNote);
    EXPECT_EQ(guitar->Chord.program, 25) << "the guitar keeps its own sound";

    // Twelve notes on six strings: one note a string, each within its frets.
    guitar->TakeChord(ChordOf({43, 45, 47, 48, 50, 52, 53, 55, 57, 58, 60, 62}));
    const std::vector<NOTES> laid = Strings(guitar);
    for (int s = 0; s < 6; ++s) {
        if (laid[s] != NoNote) {
            EXPECT_TRUE(laid[s] >= Standard[s] && laid[s] <= Standard[s] + 12) << s;
        }
    }
    EXPECT_EQ(std::count(laid.begin(), laid.end(), NoNote), 1);

    // Through the note flow, from a keyboard stand-in.
    RecordingClient* keys = Recorder();
    keys->SetNotes({63, 67, 70});
    Connect(keys, 0, guitar, 0);
    PutOut(keys);
    EXPECT_EQ(Strings(guitar), (std::vector<NOTES>{70, 67, 63, -1, -1, -1}));
}

TEST_F(GuitarTest, ClicksPlayAndReleaseFretsAndTheCapoStopsThem)
{
    QTest::mouseClick(guitar, Qt::LeftButton, {}, Spot(guitar, 3, 1));
    EXPECT_EQ(Strings(guitar), (std::vector<NOTES>{67, 65, 58, 53, 48, 43}));
    QTest::mouseClick(guitar, Qt::LeftButton, {}, Spot(guitar, 3, 1));
    EXPECT_EQ(Strings(guitar)[1], NoNote) << "a second click releases the string";
    QTest::mouseClick(guitar, Qt::LeftButton, {}, QPoint(guitar->width() - 2, 30));
    EXPECT_EQ(Strings(guitar)[1], NoNote) << "right of the last fret plays nothing";

    GuitarClient::Settings settings = guitar->CurrentSettings();
    settings.capoFret = 2;
    guitar->ApplySettings(settings);
    QTest::mouseClick(guitar, Qt::LeftButton, {}, Spot(guitar, 1, 4));
    EXPECT_EQ(Strings(guitar)[4], 50) << "left of the capo plays the capo";

    // Shift moves the shape: its lowest fret lands on the clicked one.
    guitar->TakeChord(ChordOf({63, 67}));  // strings 1 and 2 at frets 5 and 5
    ASSERT_EQ(Strings(guitar), (std::vector<NOTES>{-1, 67, 63, -1, -1, -1}));
    QTest::mouseClick(guitar, Qt::LeftButton, Qt::ShiftModifier, Spot(guitar, 7, 4));
    EXPECT_EQ(Strings(guitar), (std::vector<NOTES>{-1, 69, 65, -1, -1, -1}));

    // Notes mode: every click leaves just the clicked string.
    guitar->SetMode(NotesMode);
    QTest::mouseClick(guitar, Qt::LeftButton, {}, Spot(guitar, 4, 0));
    EXPECT_EQ(Strings(guitar), (std::vector<NOTES>{71, -1, -1, -1, -1, -1}));

    // The label column sets the key the strings are spelled in.
    QTest::mouseClick(guitar, Qt::LeftButton, {}, QPoint(2, Spot(guitar, 0, 0).y()));
    EXPECT_EQ(guitar->Chord.key, 71);
}

TEST_F(GuitarTest, TypingTablatureAndFingerboard)
{
    Type("X32010");
    EXPECT_EQ(Strings(guitar), (std::vector<NOTES>{67, 63, 58, 55, 51, -1}));
    EXPECT_EQ(guitar->TabString, 0) << "wraps after the last string";
    Type("3Q");  // a key of the map that is no tablature key starts again
    Type("5");
    EXPECT_EQ(Strings(guitar)[5], 48);
    EXPECT_EQ(guitar->Chord.soundCount, 0) << "the sound is off";

    guitar->TypingMethod = 1;
    guitar->TakeChord(chord());
    Type("1");
    EXPECT_EQ(Strings(guitar), (std::vector<NOTES>{-1, -1, -1, -1, -1, 43}));
    Type("Q");
    EXPECT_EQ(Strings(guitar)[5], 44);
    Type("7");
    EXPECT_EQ(Strings(guitar)[3], 57);
    Type("7");
    EXPECT_EQ(Strings(guitar)[3], NoNote) << "the same fret again releases the string";

    // Sound on: a typed fret sounds while its key is held.
    guitar->SetSound(1);
    QTest::keyPress(guitar, Qt::Key_W);
    EXPECT_EQ(guitar->Chord.soundCount, 1);
    QTest::keyRelease(guitar, Qt::Key_W);
    EXPECT_EQ(guitar->Chord.soundCount, 0);
}

TEST_F(GuitarTest, ArrowsMoveTheShapeOnlyWhereEveryNoteFits)
{
    guitar->TakeChord(ChordOf({79, 64}));  // string 0 at fret 12, string 1 at fret 2
    ASSERT_EQ(Strings(guitar), (std::vector<NOTES>{79, 64, -1, -1, -1, -1}));
    QTest::keyClick(guitar, Qt::Key_Right);
    EXPECT_EQ(Strings(guitar), (std::vector<NOTES>{79, 64, -1, -1, -1, -1})) << "past the last fret: refused";
    QTest::keyClick(guitar, Qt::Key_Left);
    EXPECT_EQ(Strings(guitar), (std::vector<NOTES>{78, 63, -1, -1, -1, -1}));

    // Open strings stay unless the arrows move them too.
    QTest::keyClick(guitar, Qt::Key_Backspace);
    guitar->BoardFlags &= ~BoardFlag::ArrowsMoveOpen;
    QTest::mouseClick(guitar, Qt::LeftButton, {}, Spot(guitar, 2, 3));
    QTest::keyClick(guitar, Qt::Key_Right);
    EXPECT_EQ(Strings(guitar), (std::vector<NOTES>{67, 62, 58, 56, 48, 43}));
    guitar->BoardFlags |= BoardFlag::ArrowsMoveOpen;
    QTest::keyClick(guitar, Qt::Key_Left);
    EXPECT_EQ(Strings(guitar), (std::vector<NOTES>{67, 62, 58, 56, 48, 43})) << "open strings cannot go lower";

    // Up: a fourth higher on the string above; the last string opens.
    guitar->TakeChord(chord());
    QTest::mouseClick(guitar, Qt::LeftButton, {}, Spot(guitar, 3, 1));
    QTest::keyClick(guitar, Qt::Key_Up);
    EXPECT_EQ(Strings(guitar), (std::vector<NOTES>{70, -1, -1, -1, -1, 43}));
    QTest::keyClick(guitar, Qt::Key_Down);
    EXPECT_EQ(Strings(guitar), (std::vector<NOTES>{67, 65, -1, -1, -1, -1}));
}

TEST_F(GuitarTest, ChordModeWithOneStringReturnsToOpenStrings)
{
    guitar->SetMode(NotesMode);
    QTest::mouseClick(guitar, Qt::LeftButton, {}, Spot(guitar, 5, 2));
    EXPECT_EQ(Strings(guitar), (std::vector<NOTES>{-1, -1, 63, -1, -1, -1}));
    EXPECT_EQ(MarkerOf(guitar->Geometry(), guitar->State(), 0).icon, 0) << "silent strings unmarked in Notes mode";
    guitar->SetMode(ChordMode);
    EXPECT_EQ(Strings(guitar), Standard);

    // Cut leaves the open strings; BackSpace returns to them.
    guitar->TakeChord(ChordOf({70}));
    guitar->CutChord();
    EXPECT_EQ(Strings(guitar), Standard);
}

TEST_F(GuitarTest, SettingsDialogDropsNotesTheNewNeckCannotPlay)
{
    guitar->TakeChord(ChordOf({63, 67, 70}));  // frets 3, 5, 5
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<GuitarSettingsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shown = true;
        EXPECT_EQ(dialog->objectName(), "dlg5002");
        EXPECT_EQ(dialog->findChild<QComboBox*>("id115")->currentIndex(), 0);
        dialog->findChild<TMyHSlider*>("id4123")->setValue(4);  // frets 0-4
        auto* capo = dialog->findChild<TMyHSlider*>("id4124");
        capo->setValue(12);
        EXPECT_EQ(capo->value(), 4) << "the capo stays on the neck";
        capo->setValue(1);
        dialog->findChild<QCheckBox*>("id106")->setChecked(true);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    ClearStudioModified();
    EXPECT_TRUE(guitar->Frame()->Command(ComponentCommand::ChangeSettings));
    EXPECT_TRUE(shown);
    EXPECT_TRUE(StudioModified());
    EXPECT_EQ(guitar->FretCount, 5);
    EXPECT_EQ(guitar->CapoFret, 1);
    EXPECT_EQ(guitar->BoardFlags, 14 | BoardFlag::LeftHanded);
    EXPECT_EQ(Strings(guitar), (std::vector<NOTES>{70, -1, -1, -1, -1, -1}));

    // Another tuning: the bass keeps what its strings reach.
    GuitarClient::Settings settings = guitar->CurrentSettings();
    settings.tuningIndex = 1;
    guitar->TakeChord(ChordOf({43, 70}));
    guitar->ApplySettings(settings);
    EXPECT_EQ(guitar->StringCount, 4);
    EXPECT_EQ(Strings(guitar), (std::vector<NOTES>{-1, -1, -1, -1}));
    EXPECT_EQ(guitar->Chord.notes[5], NoNote) << "no note left beyond the strings";
}

TEST_F(GuitarTest, StudioRecordRoundTripStartsOnTheOpenStrings)
{
    GuitarClient::Settings settings = guitar->CurrentSettings();
    settings.tuningIndex = 1;
    settings.fretCount = 25;
    settings.capoFret = 3;
    settings.boardFlags = BoardFlag::ShowNotes | BoardFlag::LeftHanded;
    settings.typingMethod = 1;
    guitar->ApplySettings(settings);
    guitar->TakeChord(ChordOf({40, 50}));

    char line[1024] = {};
    char* out = line;
    int remaining = sizeof line;
    guitar->SaveSettings(out, remaining);
    EXPECT_EQ(std::string(line).size(), 2u + 240 + 2 + 200 + 2 + 8 + 2 + 8)
        << "the Guitar's record, the Fingerings list's, then that of its MIDI input";
    EXPECT_EQ(std::string(line).substr(242, 2), "64");

    GuitarClient* restored = NewGuitar();
    char* in = line;
    remaining = static_cast<int>(std::strlen(line));
    restored->LoadSettings(in, remaining);
    EXPECT_EQ(remaining, 0);
    EXPECT_EQ(restored->StringCount, 4);
    EXPECT_EQ(restored->FretCount, 25);
    EXPECT_EQ(restored->CapoFret, 3);
    EXPECT_EQ(restored->BoardFlags, settings.boardFlags);
    EXPECT_EQ(restored->TypingMethod, 1);
    EXPECT_EQ(Strings(restored), (std::vector<NOTES>{49, 44, 39, 34})) << "open strings at the capo";

    // Through a studio file: the Guitar comes back as it was set, on its open strings.
    const std::string path = scratch.File("guitar.cts");
    ASSERT_TRUE(studio->SaveStudio(path.c_str()));
    ASSERT_TRUE(studio->LoadStudio(path.c_str(), true, false));
    std::vector<GuitarClient*> loaded;
    for (ComponentNode* n = FirstComponent(); n; n = n->Next)
        if (auto* g = dynamic_cast<GuitarClient*>(n)) loaded.push_back(g);
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[0]->FretCount, 25);
    EXPECT_EQ(loaded[0]->BoardFlags, settings.boardFlags);
    EXPECT_EQ(Strings(loaded[0]), (std::vector<NOTES>{49, 44, 39, 34}));
    EXPECT_EQ(errors.Numbers(), std::vector<int>{});
    restored = loaded[1];

    // A damaged record is brought onto the neck: no fret count 0, no capo past it.
    std::string damaged = line;
    damaged.replace(242 + 2 + 2 * 84, 16, "0000000063000000");
    in = damaged.data();
    remaining = static_cast<int>(damaged.size());
    restored->LoadSettings(in, remaining);
    EXPECT_EQ(restored->FretCount, 4);
    EXPECT_EQ(restored->CapoFret, 3);
    restored->update();
    QCoreApplication::processEvents();
}

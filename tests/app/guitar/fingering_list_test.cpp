// The Fingerings list beside the Guitar's fingerboard: shown from the
// settings dialog, filled for the chord on the strings or the found chord,
// a click plays the line, and the studio keeps whether it shows.
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "app/components/guitar/fingering_list.h"
#include "app/components/guitar/guitar_settings_dialog.h"
#include "app/commands/component_commands.h"
#include "core/midi/chord_sound.h"
#include "guitar_fixture.h"

namespace {

// The lines as shown, their columns closed up ("x 3 2 0 1 0").
std::vector<std::string> Lines(const GuitarClient* g)
{
    std::vector<std::string> lines;
    const QListWidget* list = g->Fingerings()->List();
    for (int i = 0; i < list->count(); ++i) lines.push_back(list->item(i)->text().simplified().toStdString());
    return lines;
}

void ClickLine(GuitarClient* g, int row)
{
    QListWidget* list = g->Fingerings()->List();
    const QRect line = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line.center());
}

}  // namespace

TEST_F(GuitarTest, FingeringsListPlaysTheShapeClickedForTheChordOrTheFoundOne)
{
    EXPECT_FALSE(guitar->Fingerings()->isVisible()) << "hidden until the settings show it";
    const int fullBoard = guitar->Geometry().WireX(guitar->FretCount - 1);

    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<GuitarSettingsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* show = dialog->findChild<QCheckBox*>("id116");
        ASSERT_NE(show, nullptr);
        EXPECT_FALSE(show->isChecked());
        show->setChecked(true);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    EXPECT_TRUE(guitar->Frame()->Command(ComponentCommand::ChangeSettings));
    ASSERT_TRUE(guitar->Fingerings()->isVisible());
    EXPECT_LT(guitar->Geometry().WireX(guitar->FretCount - 1), fullBoard) << "the board makes room for the list";
    EXPECT_GE(guitar->Fingerings()->x(), guitar->Geometry().WireX(guitar->FretCount - 1));

    // C E G arriving: laid on the strings, the list shows the teacher's shape first.
    chord c;
    for (NOTES n : {51, 55, 58}) c.AddNote(n);
    guitar->TakeChord(c);
    auto lines = Lines(guitar);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "x 3 2 0 1 0");

    // A click sets the strings to the line and sounds it; the list stays.
    guitar->SetSound(1);
    const int sounding = PendingTimedSounds();
    ClickLine(guitar, 2);
    const Fingering& third = guitar->Fingerings()->Shown()[2];
    for (int s = 0; s < guitar->StringCount; ++s)
        EXPECT_EQ(guitar->Chord.notes[s], third.frets[s] < 0 ? NoNote : guitar->Tuning.notes[s] + third.frets[s]);
    EXPECT_EQ(PendingTimedSounds(), sounding + 1);
    EXPECT_EQ(Lines(guitar), lines) << "the same chord keeps its list";
    guitar->SetSound(0);

    // Typing a string changes the chord, and the list follows.
    Type("\b");  // open strings: E A D G B E
    EXPECT_EQ(Lines(guitar).front(), "0 0 0 0 0 0");

    // A found chord (Am7, root A) takes over the list while Find shows it.
    guitar->ShowFound(PitchSet(0, 1 << 0 | 1 << 3 | 1 << 7 | 1 << 10));
    EXPECT_EQ(Lines(guitar).front(), "x 0 2 0 1 0");
    guitar->ShowFound(PitchSet());
    EXPECT_EQ(Lines(guitar).front(), "0 0 0 0 0 0");
}

TEST_F(GuitarTest, FingeringsListIsKeptInItsOwnRecordAfterTheGuitars)
{
    GuitarClient::Settings settings = guitar->CurrentSettings();
    settings.showFingerings = 1;
    guitar->ApplySettings(settings);

    std::string saved = SettingsLine(guitar);
    ASSERT_EQ(saved.size(), 2u + 240 + 2 + 200 + 2 + 8 + 2 + 8);
    EXPECT_EQ(saved.substr(444),
              "0401000000"
              "0400000000")
        << "the list's record, then the MIDI input's";

    GuitarClient* restored = NewGuitar();
    char* in = saved.data();
    int remaining = static_cast<int>(saved.size());
    restored->LoadSettings(in, remaining);
    EXPECT_EQ(remaining, 0);
    EXPECT_TRUE(restored->Fingerings()->isVisible());

    // A line of an older studio, without the record, keeps the list hidden.
    std::string older = saved.substr(0, 444);
    GuitarClient* old = NewGuitar();
    in = older.data();
    remaining = static_cast<int>(older.size());
    old->LoadSettings(in, remaining);
    EXPECT_EQ(remaining, 0);
    EXPECT_FALSE(old->Fingerings()->isVisible());
    EXPECT_EQ(old->FretCount, guitar->FretCount) << "the Guitar's own record still reads";
    EXPECT_EQ(errors.Numbers(), std::vector<int>{});
}

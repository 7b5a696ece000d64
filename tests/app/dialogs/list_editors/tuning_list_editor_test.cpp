// The tuning list editor on the live tuning list and the instrument table:
// strings chosen left to right, instruments chosen or typed, the rewrite of
// [Tunings] on OK and the reload on OK and Cancel.
#include <QApplication>
#include <QSignalSpy>

#include "app/dialogs/tuning_list/edit_tuning_dialog.h"
#include "app/studio/definition_lists_changed.h"
#include "core/theory/chord.h"
#include "core/theory/definition_lists.h"
#include "core/theory/naming_settings.h"
#include "list_editor_fixture.h"

namespace {

using TuningListEditorTest = ListEditorTest;

QStringList Strings(const QWidget& d) { return ListEditorTest::Choices(d, EditTuningDialog::FirstStringId, 12); }

}  // namespace

TEST_F(TuningListEditorTest, AThreeStringTuningStandsLeftmostAfterReopening)
{
    Start();
    {
        EditTuningDialog dialog(frame);
        EXPECT_EQ(Line(dialog, 0), "Guitar\tStandard");
        Select(dialog, 0);
        // Shown from C, as the shipped settings say; written from A.
        EXPECT_EQ(Strings(dialog), QStringList({"E2", "A2", "D3", "G3", "B3", "E4", "", "", "", "", "", ""}));
        for (int id = 120; id < 132; ++id) Combo(dialog, id)->setCurrentIndex(0);
        Combo(dialog, 120)->setCurrentText("D2");
        Combo(dialog, 121)->setCurrentText("A2");
        Combo(dialog, 123)->setCurrentText("E4");
        EXPECT_EQ(GetTuning(0)->count, 3);
        EXPECT_EQ(GetTuning(0)->strings[0], 67);  // the last string first
        Edit(dialog, 106)->setText("Three \"Strings\"");
        EXPECT_EQ(Line(dialog, 0), "Guitar\tThree \"Strings\"");
        dialog.accept();
    }
    EXPECT_EQ(RawEntry("Tunings", 1).substr(0, 2), "1=");
    EXPECT_NE(RawEntry("Tunings", 1).find("\"Three 'Strings'\","), std::string::npos);
    EXPECT_EQ(RawEntry("Tunings", 1).substr(RawEntry("Tunings", 1).size() - 10), " D4 A5 E6 ");

    EditTuningDialog again(frame);
    Select(again, 0);
    EXPECT_EQ(Edit(again, 106)->text(), "Three 'Strings'");
    EXPECT_EQ(Strings(again), QStringList({"D2", "A2", "E4", "", "", "", "", "", "", "", "", ""}));
    EXPECT_TRUE(errors.Empty());
}

TEST_F(TuningListEditorTest, NotesAreSpelledAndWrittenAsThePreferencesSay)
{
    NamingSettings restore;
    Start();
    chord::Config_Accidentals = 1;  // always flat
    EditTuningDialog dialog(frame);
    EXPECT_EQ(Combo(dialog, 120)->itemText(2), "Bb-2");
    EXPECT_EQ(Combo(dialog, 120)->itemText(108), "Ab7");  // G#7, named by its letter so that it reads back
    const int halfStepDown = 10;
    ASSERT_STREQ(GetTuning(halfStepDown)->name, "Half Step Down");
    Select(dialog, halfStepDown);
    EXPECT_EQ(Strings(dialog).mid(0, 6), QStringList({"Eb2", "Ab2", "Db3", "Gb3", "Bb3", "Eb4"}));
    const std::vector<NOTES> open(GetTuning(halfStepDown)->strings, GetTuning(halfStepDown)->strings + 12);
    dialog.accept();
    EXPECT_NE(RawEntry("Tunings", halfStepDown + 1).find(" Eb4 Ab5 Db5 Gb5 Bb6 Eb6 "), std::string::npos);
    EXPECT_EQ(std::vector<NOTES>(GetTuning(halfStepDown)->strings, GetTuning(halfStepDown)->strings + 12), open);
}

TEST_F(TuningListEditorTest, InstrumentsTypedJoinTheTableUntilItIsFull)
{
    Start();
    const int instruments = CountInstruments();
    EditTuningDialog dialog(frame);
    Watch(dialog);
    Select(dialog, 0);
    Click(dialog, 6513);
    EXPECT_EQ(beeps, 1) << "the first tuning cannot be deleted";

    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    Select(dialog, 1);
    QComboBox* instrument = Combo(dialog, 118);
    instrument->lineEdit()->setFocus();
    instrument->lineEdit()->selectAll();
    QTest::keyClicks(instrument->lineEdit(), "Oud");
    Edit(dialog, 106)->setFocus();  // leaving the box takes the name
    ASSERT_EQ(CountInstruments(), instruments + 1);
    EXPECT_STREQ(GetInstrument(instruments), "Oud");
    EXPECT_EQ(Line(dialog, 1), "Oud\tDrop D");
    EXPECT_EQ(instrument->findText("Oud"), -1) << "the box's own list gains it on reopening";

    // A full table keeps the tuning's instrument and says why.
    for (int i = CountInstruments(); i < MaxInstruments; ++i) InstrumentIndex(("Filler " + std::to_string(i)).c_str());
    instrument->lineEdit()->setFocus();
    instrument->lineEdit()->selectAll();
    QTest::keyClicks(instrument->lineEdit(), "Zither");
    Edit(dialog, 106)->setFocus();
    EXPECT_EQ(errors.Numbers(), std::vector<int>{402});
    EXPECT_EQ(Line(dialog, 1), "Oud\tDrop D");
    EXPECT_EQ(instrument->currentText(), "Oud");

    // Cancel rebuilds the table from the file's tunings, and components hear of it.
    QSignalSpy changed(DefinitionListsWatch::Instance(), &DefinitionListsWatch::Changed);
    dialog.reject();
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(CountInstruments(), instruments);
    EXPECT_STREQ(GetInstrument(GetTuning(1)->instrument), "Guitar");
}

// The chord list editor on the live chord list: editing in place, Add and
// Delete, the rewrite of [Chords] on OK and the reload on OK and Cancel.
#include <QApplication>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

#include "app/dialogs/alt_key.h"
#include "app/dialogs/chord_list/edit_chord_dialog.h"
#include "core/studio/component_types.h"
#include "app/studio/definition_lists_changed.h"
#include "core/theory/definition_lists.h"
#include "list_editor_fixture.h"

namespace {

using ChordListEditorTest = ListEditorTest;

std::vector<int> Intervals(const ChordNameTag& d) { return {d.intervals, d.intervals + d.count}; }
std::vector<int> Flags(const ChordNameTag& d) { return {d.flags, d.flags + d.count}; }

std::vector<bool> Optionals(const QWidget& d)
{
    std::vector<bool> checked;
    for (int i = 0; i < EditChordDialog::Positions; ++i)
        checked.push_back(ListEditorTest::Control<QCheckBox>(d, EditChordDialog::FirstOptionalId + i)->isChecked());
    return checked;
}

QStringList Spellings(const QWidget& d) { return ListEditorTest::Choices(d, EditChordDialog::FirstSpellingId, 8); }

}  // namespace

TEST_F(ChordListEditorTest, EditsTheLiveListAndCancelRestoresItFromTheFile)
{
    Start();
    const std::string before = Settings();
    EditChordDialog dialog(frame);
    ASSERT_EQ(dialog.List()->topLevelItemCount(), CountChordDefinitions());
    EXPECT_EQ(Line(dialog, 2), "7\tDominant Seventh");

    // Only spellings the reader takes back: up to 13#, no 14.
    QComboBox* second = Combo(dialog, 105);
    ASSERT_EQ(second->count(), 24);
    EXPECT_EQ(second->itemText(0), "");
    EXPECT_EQ(second->itemText(1), "1");
    EXPECT_EQ(second->itemText(23), "13#");

    Select(dialog, 2);  // 1 3 5? 7b
    EXPECT_EQ(Edit(dialog, 112)->text(), "Dominant Seventh");
    EXPECT_EQ(Edit(dialog, 113)->text(), "7");
    EXPECT_EQ(Spellings(dialog), QStringList({"1", "3", "5", "7b", "", "", "", ""}));
    EXPECT_EQ(Optionals(dialog), std::vector<bool>({false, false, true, false, false, false, false, false}));

    // A blank spelling moves the later intervals up.
    second->setCurrentIndex(0);
    EXPECT_EQ(Intervals(*GetChordDefinition(2)), std::vector<int>({0, 7, 10}));
    EXPECT_EQ(Flags(*GetChordDefinition(2)), std::vector<int>({0, 1, 0}));

    // Typing changes the list at once.
    QTest::keyClicks(Edit(dialog, 112), " X");
    QTest::keyClicks(Edit(dialog, 113), "x");
    EXPECT_EQ(Line(dialog, 2), "7x\tDominant Seventh X");
    EXPECT_STREQ(GetChordDefinition(2)->description, "Dominant Seventh X");

    dialog.reject();
    EXPECT_STREQ(GetChordDefinition(2)->name, "7");
    EXPECT_EQ(Intervals(*GetChordDefinition(2)), std::vector<int>({0, 4, 7, 10}));
    EXPECT_EQ(Settings(), before);
    EXPECT_TRUE(errors.Empty());
}

TEST_F(ChordListEditorTest, AddDeleteAndOkRewriteTheSectionAndLeaveTheRestAlone)
{
    Start();
    const std::string before = Settings();
    const int count = CountChordDefinitions();
    ASSERT_GT(count, 10);
    EditChordDialog dialog(frame);
    Watch(dialog);

    Click(dialog, 6513);  // nothing selected
    Select(dialog, 0);
    Click(dialog, 6513);  // the first one stays
    EXPECT_EQ(beeps, 2);
    EXPECT_EQ(dialog.List()->topLevelItemCount(), count);

    // Deleting the last line leaves nothing selected; the fields edit nothing.
    Select(dialog, count - 1);
    const QString last = Edit(dialog, 112)->text();
    Click(dialog, 6513);
    EXPECT_EQ(dialog.List()->topLevelItemCount(), count - 1);
    EXPECT_EQ(dialog.CurrentLine(), -1);
    EXPECT_EQ(Edit(dialog, 112)->text(), last);
    const std::string kept = GetChordDefinition(count - 2)->description;
    QTest::keyClicks(Edit(dialog, 112), "!");
    EXPECT_EQ(GetChordDefinition(count - 2)->description, kept);

    // Major with an optional fifth, copied behind itself under a quoted name.
    Select(dialog, 0);
    Edit(dialog, 113)->setText("M");
    ListEditorTest::Control<QCheckBox>(dialog, 117)->click();
    Click(dialog, 6514);
    EXPECT_EQ(dialog.CurrentLine(), 1);
    EXPECT_EQ(Line(dialog, 1), "M\tMajor");
    Select(dialog, 1);
    Edit(dialog, 112)->setText("Say \"Hi\"");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    // Read back: the optional fifth, the quote as an apostrophe, all in order.
    ASSERT_EQ(CountChordDefinitions(), count);
    EXPECT_STREQ(GetChordDefinition(0)->name, "M");
    EXPECT_EQ(Flags(*GetChordDefinition(0)), std::vector<int>({0, 0, 1}));
    EXPECT_STREQ(GetChordDefinition(1)->description, "Say 'Hi'");
    EXPECT_STREQ(GetChordDefinition(2)->description, "Minor");
    EXPECT_EQ(RawEntry("Chords", 1).substr(0, 9), "1=  \"M\", ");
    EXPECT_NE(RawEntry("Chords", 1).find("5? "), std::string::npos);
    EXPECT_EQ(RawEntry("Chords", 10).substr(0, 5), "10= \"");

    // Outside the [Chords] entries the file is as it was.
    auto outside = [](const std::string& text) {
        const std::size_t from = text.find("[Chords]\n") + 9;
        return text.substr(0, from) + text.substr(text.find("\n\n[Tunings]"));
    };
    EXPECT_EQ(outside(Settings()), outside(before));
    EXPECT_TRUE(errors.Empty());
}

TEST_F(ChordListEditorTest, IntervalsWithoutControlsAreKeptAndAnEmptyListOnlyBeeps)
{
    UseSettings("[Chords]\n1=\"13\",\"Thirteenth\", 1 3 5 7b 9 11 13 2 4 6\n");
    Start();
    {
        EditChordDialog dialog(frame);
        Select(dialog, 0);
        EXPECT_EQ(dialog.findChild<QLabel*>("beyondIntervals")->text(), "Also: 4 6");
        QTest::keyClicks(Edit(dialog, 112), "s");
        Combo(dialog, 104)->setCurrentIndex(0);  // the root goes; 4 and 6 stay behind the rest
        dialog.accept();
    }
    EXPECT_STREQ(GetChordDefinition(0)->description, "Thirteenths");
    EXPECT_EQ(Intervals(*GetChordDefinition(0)), std::vector<int>({4, 7, 10, 14, 17, 21, 2, 5, 9}));

    UseSettings("; no chords\n");
    ReleaseChordList();
    ForgetProfiles();
    ASSERT_TRUE(InitializeChordList());
    EditChordDialog empty(frame);
    Watch(empty);
    Click(empty, 6514);
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(CountChordDefinitions(), 0);
}

TEST_F(ChordListEditorTest, NamesInTheStatusBarFollowTheListAtOnce)
{
    StartShown();
    QApplication::setActiveWindow(frame);
    errors.Clear();
    studio->ChooseNewComponent = [] { return ComponentKind::Joiner; };
    frame->Command(24331);
    mmMDIChild* joiner = mmMDIChild::ActiveComponent();
    ASSERT_NE(joiner, nullptr);
    for (NOTES n : {51, 55, 58}) joiner->Client()->Chord.AddNote(n);  // C E G
    auto firstName = [this] { return frame->statusBar()->currentMessage().section(',', 0, 0); };
    DefinitionListsChanged();
    EXPECT_EQ(firstName(), "C");

    // Through the Options menu's command, as a user opens it.
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<EditChordDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->objectName(), "dlg5000");
        Select(*dialog, 0);
        Edit(*dialog, 113)->setText("maj");
        seen = firstName() == "Cmaj";
        dialog->reject();
    });
    frame->Command(20006);
    EXPECT_TRUE(seen) << "named with the edited definition while the editor is open";
    EXPECT_EQ(firstName(), "C") << "and with the reloaded one after Cancel";
}

TEST_F(ChordListEditorTest, ASettingsFileThatCannotBeWrittenKeepsTheDialogOpenWithItsEdits)
{
    Start();
    EditChordDialog dialog(frame);
    int failures = 0;
    dialog.ReportSaveFailure = [&] { ++failures; };
    Select(dialog, 1);
    Edit(dialog, 113)->setText("min");
    // A folder in the file's place can be neither read nor replaced.
    const std::string ini = libraryDir + "/cantrel.ini";
    std::filesystem::rename(ini, ini + ".away");
    std::filesystem::create_directory(ini);
    dialog.accept();
    EXPECT_EQ(failures, 1);
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_STREQ(GetChordDefinition(1)->name, "min");

    std::filesystem::remove(ini);
    std::filesystem::rename(ini + ".away", ini);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_STREQ(GetChordDefinition(1)->name, "min");
    EXPECT_NE(RawEntry("Chords", 2).find("\"min\","), std::string::npos);
}

TEST_F(ChordListEditorTest, AddKeepsWhatWasTypedAndTheNewTypeIsTheOneEdited)
{
    Start();
    const int count = CountChordDefinitions();
    EditChordDialog dialog(frame);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    for (int id : {EditChordDialog::AddId, EditChordDialog::DeleteId})
        EXPECT_FALSE(Control<QPushButton>(dialog, id)->icon().isNull()) << id << " carries its picture";

    // As the editor opens nothing is chosen: Add puts what was typed last.
    ASSERT_EQ(dialog.CurrentLine(), -1);
    QTest::keyClicks(Edit(dialog, 112), "Quartal");
    QTest::keyClicks(Edit(dialog, 113), "q");
    Combo(dialog, 104)->setCurrentIndex(1);  // 1
    Combo(dialog, 105)->setCurrentIndex(6);  // 4
    PressAltKey(&dialog, Qt::Key_D);
    ASSERT_EQ(CountChordDefinitions(), count + 1);
    EXPECT_EQ(Line(dialog, count), "q\tQuartal");
    EXPECT_EQ(Intervals(*GetChordDefinition(count)), std::vector<int>({0, 5}));
    EXPECT_NE(Line(dialog, count - 1), Line(dialog, count)) << "the last type is not copied";
    EXPECT_EQ(dialog.CurrentLine(), count) << "the new type is chosen";

    // Typing now changes the new type, never the one it was put behind.
    const QString original = Line(dialog, 0);
    Select(dialog, 0);
    PressAltKey(&dialog, Qt::Key_D);
    EXPECT_EQ(dialog.CurrentLine(), 1);
    Edit(dialog, 113)->setText("M");
    EXPECT_EQ(Line(dialog, 0), original);
    EXPECT_EQ(Line(dialog, 1), "M\tMajor");

    // A deleted last line comes back from the fields.
    Select(dialog, count + 1);
    PressAltKey(&dialog, Qt::Key_L);
    ASSERT_EQ(dialog.CurrentLine(), -1);
    PressAltKey(&dialog, Qt::Key_D);
    EXPECT_EQ(Line(dialog, count + 1), "q\tQuartal");
    EXPECT_EQ(dialog.List()->topLevelItemCount(), count + 2);
    dialog.reject();
}

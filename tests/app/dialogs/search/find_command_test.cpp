// The component command Find (23010): the Search dialog on the component's
// own Find settings, its word shown through ShowFound, the settings kept
// with the studio; and Ctrl+F in the main window.
#include <QAction>
#include <QTest>

#include <array>

#include "app/components/analyzer/analyzer_client.h"
#include "app/components/analyzer/history_list.h"
#include "app/dialogs/alt_key.h"
#include "app/dialogs/when_modal.h"
#include "app/shell_fixture.h"
#include "app/commands/component_commands.h"
#include "app/studio_fixture.h"
#include "search_fixture.h"

namespace {

std::array<int, 3> FindArgs(const mmMDIChildClient* c) { return {c->Find.kind, c->Find.rootIndex, c->Find.nameIndex}; }

// Types name into the Search dialog when it opens and presses Enter.
void TypeAndAccept(const char* name)
{
    WhenModal<TSearchDialog>([name](TSearchDialog* dialog) {
        NameEdit(dialog)->clear();
        QTest::keyClicks(NameEdit(dialog), name);
        QTest::keyClick(NameEdit(dialog), Qt::Key_Return);
    });
}

class FindCommandTest : public StudioTest {
protected:
    void SetUp() override
    {
        StudioTest::SetUp();
        LoadShippedLists(iniPath);
    }
    void TearDown() override
    {
        StudioTest::TearDown();
        ReleaseShippedLists();
    }
};

TEST_F(FindCommandTest, FindShowsTheChoiceOnEveryComponent)
{
    const unsigned cm7 = PitchWord(3, {3, 6, 10, 1});
    const unsigned cm7Optional = PitchWord(0, {3, 10});
    for (mmMDIChildClient* c : std::initializer_list<mmMDIChildClient*>{Recorder("Keys"), Splitter(), Joiner()}) {
        SCOPED_TRACE(c->TypeId);
        ClearStudioModified();
        TypeAndAccept("cm7");
        EXPECT_TRUE(c->Frame()->Command(ComponentCommand::Find));
        EXPECT_EQ(c->Find.found.Word(), cm7);
        EXPECT_EQ(c->Find.optional.Word(), cm7Optional);
        EXPECT_EQ(FindArgs(c), (std::array<int, 3>{SearchKind::Chord, 3, 4}));
        EXPECT_TRUE(StudioModified());
    }
}

TEST_F(FindCommandTest, EachComponentRemembersItsChoiceAcrossSaving)
{
    RecordingClient* keys = Recorder("Keys");
    RecordingClient* other = Recorder("Other");
    TypeAndAccept("Cm7");
    keys->Frame()->Command(ComponentCommand::Find);

    // The next search starts from the last one, here switched to scales.
    WhenModal<TSearchDialog>([](TSearchDialog* dialog) {
        EXPECT_EQ(NameEdit(dialog)->text(), "Cm7");
        EXPECT_EQ(SelectedLine(dialog, TSearchDialog::RootListId), 3);
        EXPECT_EQ(SelectedLine(dialog, TSearchDialog::NameListId), 4);
        PressAltKey(dialog, Qt::Key_S);
        NameEdit(dialog)->clear();
        QTest::keyClicks(NameEdit(dialog), "Bb Major");
        QTest::keyClick(NameEdit(dialog), Qt::Key_Return);
    });
    keys->Frame()->Command(ComponentCommand::Find);
    const unsigned bbMajor = PitchWord(1, {1, 3, 5, 6, 8, 10, 0});
    EXPECT_EQ(keys->Find.found.Word(), bbMajor);
    EXPECT_EQ(keys->Find.optional.Word(), 0u);
    EXPECT_EQ(FindArgs(keys), (std::array<int, 3>{SearchKind::Scale, 1, 0}));
    EXPECT_EQ(FindArgs(other), (std::array<int, 3>{0, -1, -1}));  // untouched

    // Cancel keeps what was found and leaves the studio unmodified.
    ClearStudioModified();
    WhenModal<TSearchDialog>([](TSearchDialog* dialog) {
        QTest::keyClicks(NameEdit(dialog), "G");
        dialog->reject();
    });
    keys->Frame()->Command(ComponentCommand::Find);
    EXPECT_EQ(keys->Find.found.Word(), bbMajor);
    EXPECT_EQ(FindArgs(keys), (std::array<int, 3>{SearchKind::Scale, 1, 0}));
    EXPECT_FALSE(StudioModified());

    const std::string path = scratch.File("found.cts");
    ASSERT_TRUE(studio->SaveStudio(path.c_str()));
    ASSERT_TRUE(studio->LoadStudio(path.c_str(), true, false));
    ASSERT_EQ(ComponentCount(), 2);
    const auto* loaded = dynamic_cast<mmMDIChildClient*>(ComponentAt(1));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(FindArgs(loaded), (std::array<int, 3>{SearchKind::Scale, 1, 0}));
    EXPECT_EQ(loaded->Find.found.Word(), bbMajor);
    EXPECT_EQ(FindArgs(dynamic_cast<mmMDIChildClient*>(ComponentAt(2))), (std::array<int, 3>{0, -1, -1}));
}

TEST_F(FindCommandTest, TheAnalyzerTakesTheNotesOfAFoundMinorKey)
{
    auto* analyzer = Create<AnalyzerClient>(ComponentKind::Analyzer);
    ASSERT_NE(analyzer, nullptr);
    analyzer->SetSound(0);
    WhenModal<TSearchDialog>([](TSearchDialog* dialog) {
        PressAltKey(dialog, Qt::Key_K);
        QTest::keyClicks(NameEdit(dialog), "C Minor");
        QTest::keyClick(NameEdit(dialog), Qt::Key_Return);
    });
    analyzer->Frame()->Command(ComponentCommand::Find);
    std::vector<int> pitchClasses;
    for (int row = 0; row < analyzer->HistoryList()->count(); ++row)
        pitchClasses.push_back(PitchClass(analyzer->HistoryList()->RecordAt(row)->notes[0]));
    // C D Eb F G Ab Bb, one note each, ascending from the top.
    EXPECT_EQ(pitchClasses, (std::vector<int>{3, 5, 6, 8, 10, 11, 1}));
}

using FindKeyTest = ShellTest;

TEST_F(FindKeyTest, CtrlFFindsForTheActiveComponent)
{
    ASSERT_TRUE(StartActive());
    studio->ChooseNewComponent = [] { return ComponentKind::Splitter; };
    frame->Command(24331);
    mmMDIChild* splitter = mmMDIChild::ActiveComponent();
    ASSERT_NE(splitter, nullptr);
    EXPECT_TRUE(frame->Actions().Find(ComponentCommand::Find)->isEnabled());

    TypeAndAccept("G");
    QTest::keyClick(frame, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(splitter->Client()->Find.found.Word(), PitchWord(10, {10, 2, 5}));  // G B D
    EXPECT_EQ(FindArgs(splitter->Client()), (std::array<int, 3>{SearchKind::Chord, 10, 0}));
}

}  // namespace

// The Search dialog (9040): typed names, clicks in the lists, the three
// modes and the word each choice gives.
#include <QGroupBox>
#include <QPushButton>
#include <QTest>

#include <cstring>

#include "app/dialogs/alt_key.h"
#include "core/theory/chord.h"
#include "search_fixture.h"

namespace {

class SearchDialogTest : public ::testing::Test {
protected:
    void SetUp() override { LoadShippedLists(scratch.File("cantrel.ini")); }
    void TearDown() override
    {
        ReleaseShippedLists();
        ForgetProfiles();
    }

    // Shows the dialog as the Find command would, active and with the focus
    // in the name edit.
    void Open(TSearchDialog& dialog)
    {
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    void ClickLine(TSearchDialog& dialog, int listId, int line)
    {
        QListWidget* list = SearchList(&dialog, listId);
        const QRect rect = list->visualItemRect(list->item(line));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    }

    void ClickOk(TSearchDialog& dialog) { QTest::mouseClick(dialog.findChild<QPushButton*>("id1"), Qt::LeftButton); }

    ScratchDir scratch;
    ErrorRecorder errors;
};

TEST_F(SearchDialogTest, TypedNamesSelectRootAndLine)
{
    struct Case {
        int kind;
        int startRoot, startLine;  // selected before typing
        const char* typed;
        const char* text;  // the edit afterwards
        int root;
        const char* line;
    };
    const Case cases[] = {
        {SearchKind::Chord, -1, -1, "c#m7", "C#m7", 4, "m7\tMinor Seventh"},
        {SearchKind::Scale, -1, -1, "Bb Major", "Bb Major", 1, "Major"},
        // The b after the letter is a flat: "Ebm" is E flat minor.
        {SearchKind::Chord, -1, -1, "Ebm", "Ebm", 6, "m\tMinor"},
        {SearchKind::Key, -1, -1, "f# minor", "F# minor", 9, "Minor"},
        // Neither a digit nor another letter names a root: nothing changes.
        {SearchKind::Chord, 3, 1, "7sus4", "7sus4", 3, "m\tMinor"},
        {SearchKind::Chord, 3, 1, "Hm", "Hm", 3, "m\tMinor"},
        // A name no line begins with keeps the line found so far.
        {SearchKind::Chord, -1, -1, "Dmxyz", "Dmxyz", 5, "m\tMinor"},
        // A chord named as a musician says it: the exact name or description
        // before a longer line that begins the same way.
        {SearchKind::Chord, -1, -1, "Bb Major", "Bb Major", 1, "\tMajor"},
        {SearchKind::Chord, 3, 3, "F# Major", "F# Major", 9, "\tMajor"},
        {SearchKind::Chord, -1, -1, "Bb Minor", "Bb Minor", 1, "m\tMinor"},
        {SearchKind::Chord, -1, -1, "G Major Seventh", "G Major Seventh", 10, "maj7\tMajor Seventh"},
        {SearchKind::Chord, -1, -1, "A Dominant", "A Dominant", 0, "7\tDominant Seventh"},
        {SearchKind::Chord, -1, -1, "Dm7b", "Dm7b", 5, "m7b5\tHalf-Diminished Seventh"},
        {SearchKind::Key, -1, -1, "e Minor", "E Minor", 7, "Minor"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        TSearchDialog dialog(nullptr, c.kind, c.startRoot, c.startLine);
        Open(dialog);
        NameEdit(&dialog)->clear();
        QTest::keyClicks(NameEdit(&dialog), QString::fromUtf8(c.typed));
        EXPECT_EQ(NameEdit(&dialog)->text(), QString::fromUtf8(c.text));
        EXPECT_EQ(SelectedLine(&dialog, TSearchDialog::RootListId), c.root);
        EXPECT_EQ(SelectedText(&dialog, TSearchDialog::NameListId), QString::fromUtf8(c.line));
    }
}

TEST_F(SearchDialogTest, EditKeepsItsTextTidyWithoutMovingTheCaret)
{
    TSearchDialog dialog(nullptr, SearchKind::Chord, -1, -1);
    Open(dialog);
    QLineEdit* edit = NameEdit(&dialog);
    QTest::keyClicks(edit, "gm7");
    EXPECT_EQ(edit->text(), "Gm7");
    EXPECT_EQ(SelectedLine(&dialog, TSearchDialog::RootListId), 10);
    // Raising the first letter leaves the caret where the user put it.
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(edit->text(), "M7");
    EXPECT_EQ(edit->cursorPosition(), 0);

    // A pasted chord text keeps its name only.
    edit->selectAll();
    edit->insert(QStringLiteral("Am   \u00ABA5 C6 E6\u00BB"));
    EXPECT_EQ(edit->text(), "Am");
    EXPECT_EQ(SelectedLine(&dialog, TSearchDialog::RootListId), 0);
    EXPECT_EQ(SelectedText(&dialog, TSearchDialog::NameListId), "m\tMinor");
    EXPECT_EQ(edit->maxLength(), 99);
}

TEST_F(SearchDialogTest, ClickingBothListsWritesTheName)
{
    TSearchDialog dialog(nullptr, SearchKind::Chord, -1, -1);
    Open(dialog);
    ClickLine(dialog, TSearchDialog::RootListId, 3);
    EXPECT_EQ(NameEdit(&dialog)->text(), "");  // no name yet
    ClickLine(dialog, TSearchDialog::NameListId, 4);
    EXPECT_EQ(NameEdit(&dialog)->text(), "Cm7");

    QTest::mouseClick(dialog.findChild<QPushButton*>("id6516"), Qt::LeftButton);
    const int dorian =
        SearchList(&dialog, TSearchDialog::NameListId)
            ->row(SearchList(&dialog, TSearchDialog::NameListId)->findItems("Dorian", Qt::MatchExactly).value(0));
    ClickLine(dialog, TSearchDialog::NameListId, dorian);
    EXPECT_EQ(NameEdit(&dialog)->text(), "C Dorian");
    EXPECT_EQ(SelectedLine(&dialog, TSearchDialog::NameListId), dorian);
    ClickLine(dialog, TSearchDialog::RootListId, 5);
    EXPECT_EQ(NameEdit(&dialog)->text(), "D Dorian");
}

TEST_F(SearchDialogTest, KeyModeOffersMajorAndMinorOnly)
{
    TSearchDialog dialog(nullptr, SearchKind::Chord, 3, 4);
    Open(dialog);
    EXPECT_EQ(NameEdit(&dialog)->text(), "Cm7");  // the last choice comes back named
    EXPECT_EQ(dialog.windowTitle(), "Search for Chord");
    EXPECT_FALSE(dialog.findChild<QPushButton*>("id6518")->isEnabled());

    PressAltKey(&dialog, Qt::Key_K);
    EXPECT_EQ(dialog.windowTitle(), "Search for Key");
    EXPECT_EQ(dialog.findChild<QGroupBox*>("id45")->title(), "Key to find");
    QListWidget* names = SearchList(&dialog, TSearchDialog::NameListId);
    ASSERT_EQ(names->count(), 2);
    EXPECT_EQ(names->item(0)->text(), "Major");
    EXPECT_EQ(names->item(1)->text(), "Minor");
    EXPECT_EQ(SelectedLine(&dialog, TSearchDialog::NameListId), -1);
    EXPECT_EQ(SelectedLine(&dialog, TSearchDialog::RootListId), 3);
    EXPECT_TRUE(dialog.findChild<QPushButton*>("id6518")->isEnabled());
    EXPECT_TRUE(dialog.findChild<QPushButton*>("id6516")->isEnabled());
    EXPECT_FALSE(dialog.findChild<QPushButton*>("id6517")->isEnabled());

    ClickOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.Found().Empty());
    EXPECT_EQ(dialog.Kind(), SearchKind::Key);
    EXPECT_EQ(dialog.RootIndex(), 3);
    EXPECT_EQ(dialog.NameIndex(), -1);
}

TEST_F(SearchDialogTest, EachChoiceGivesItsPitchSetWord)
{
    // The keys' notes as the [Keys] list spells them.
    const auto keyWord = [](const char* name) {
        for (const KeyNameTag* k = GetKey(0); k; k = k->next) {
            if (std::strcmp(k->name, name) != 0) continue;
            unsigned word = unsigned(NoteValue(name));
            for (int letter = 0; letter < KeyLetters; ++letter) word |= 1u << (4 + k->pitches[letter]);
            return word;
        }
        return 0u;
    };
    struct Case {
        int kind;
        const char* typed;
        unsigned word;
        unsigned optional;
    };
    const Case cases[] = {
        // C7 is 1 3 5? 7b: C E G Bb, the fifth optional.
        {SearchKind::Chord, "C7", PitchWord(3, {3, 7, 10, 1}), PitchWord(0, {10})},
        // Cm7 is 1? 3b 5? 7b.
        {SearchKind::Chord, "Cm7", PitchWord(3, {3, 6, 10, 1}), PitchWord(0, {3, 10})},
        // The example of the help page: the triad, not Major Seventh.
        {SearchKind::Chord, "Bb Major", PitchWord(1, {1, 5, 8}), 0},
        {SearchKind::Scale, "D Dorian", PitchWord(5, {5, 7, 8, 10, 0, 2, 3}), 0},
        {SearchKind::Key, "C Minor", keyWord("C Minor"), 0},
        {SearchKind::Key, "A Major", keyWord("A Major"), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        TSearchDialog dialog(nullptr, c.kind, -1, -1);
        Open(dialog);
        QTest::keyClicks(NameEdit(&dialog), c.typed);
        ClickOk(dialog);
        ASSERT_NE(c.word, 0u);
        EXPECT_EQ(dialog.Found().Word(), c.word);
        EXPECT_EQ(dialog.Optional().Word(), c.optional);
    }
}

}  // namespace

// Building a chord on the Keyboard with the mouse and the computer keys, and
// chords that arrive from other components.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include "core/studio/chord_names_line.h"
#include "core/services/profile.h"
#include "core/theory/definition_lists.h"
#include "app/keyboard/keyboard_fixture.h"

namespace {

constexpr NOTES C = 51, Cs = 52, D = 53, E = 55, Fs = 57, G = 58, A = 60, B = 62;
using Notes_ = std::vector<NOTES>;

TEST_F(KeyboardTest, ClicksToggleInChordModeAndReplaceInNotesMode)
{
    Click(C);
    Click(E);
    Click(G);
    EXPECT_EQ(Notes(), (Notes_{C, E, G}));
    EXPECT_EQ(NotesOn(), (std::vector<int>{48, 48, 52, 48, 52, 55}));  // the chord sounds while held
    Click(E);
    EXPECT_EQ(Notes(), (Notes_{C, G}));
    Click(Cs);  // a black key
    EXPECT_EQ(Notes(), (Notes_{C, Cs, G}));

    // A click in the label strip spells the chord from that note.
    QTest::mouseClick(keyboard, Qt::LeftButton, {}, UnderKey(D));
    EXPECT_EQ(Notes(), (Notes_{C, Cs, G}));
    EXPECT_EQ(keyboard->Chord.key, D);

    keyboard->SetMode(NotesMode);
    Click(E);
    EXPECT_EQ(Notes(), (Notes_{E}));
    Click(E);
    EXPECT_EQ(Notes(), (Notes_{E}));
    Click(A);
    EXPECT_EQ(Notes(), (Notes_{A}));
}

TEST_F(KeyboardTest, ShiftClickMovesTheChordAndDropsWhatLeavesTheKeys)
{
    SetNotes({C, E, G});
    Click(D, Qt::ShiftModifier);
    EXPECT_EQ(Notes(), (Notes_{D, Fs, A}));
    // 87 goes past the top key (86), 47 stays below the first.
    SetNotes({40, C, 80});
    Click(G, Qt::ShiftModifier);
    EXPECT_EQ(Notes(), (Notes_{G}));
    // Nothing on the keys: nothing moves.
    SetNotes({30});
    Click(G, Qt::ShiftModifier);
    EXPECT_EQ(Notes(), (Notes_{30}));
}

TEST_F(KeyboardTest, TypingInBothMethods)
{
    auto type = [&](Qt::Key key, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(keyboard, key, mods); };
    keyboard->SetRange(C, 48);
    type(Qt::Key_1);
    type(Qt::Key_Slash);
    EXPECT_EQ(Notes(), (Notes_{C, C + 39}));
    EXPECT_EQ(NotesOn(), (std::vector<int>{48, 48, 87}));
    type(Qt::Key_1, Qt::ControlModifier);  // left to the accelerators
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Slash, Qt::NoModifier, QStringLiteral("/"), true);
    QApplication::sendEvent(keyboard, &repeat);  // a held key gives one note
    EXPECT_EQ(Notes(), (Notes_{C, C + 39}));
    type(Qt::Key_Slash);
    EXPECT_EQ(Notes(), (Notes_{C}));

    keyboard->SetRange(C, 36);
    type(Qt::Key_Backspace);
    type(Qt::Key_Slash);  // the fortieth key is off a three-octave keyboard
    EXPECT_TRUE(Notes().empty());

    keyboard->TypingMethod = 1;
    for (Qt::Key silent : {Qt::Key_1, Qt::Key_4, Qt::Key_8}) type(silent);
    EXPECT_TRUE(Notes().empty());
    capture->ClearMessages();
    for (Qt::Key key : {Qt::Key_2, Qt::Key_Q, Qt::Key_U, Qt::Key_Z}) type(key);
    EXPECT_EQ(Notes(), (Notes_{C, Cs, B, C + 17}));  // C#, C, B, and Z the F of the second octave
    EXPECT_EQ(NotesOn().size(), 1u + 2 + 3 + 4);

    // In Notes mode a typed note lasts while its key is held.
    keyboard->SetMode(NotesMode);
    type(Qt::Key_Backspace);
    QTest::keyPress(keyboard, Qt::Key_W);
    EXPECT_EQ(Notes(), (Notes_{D}));
    QTest::keyRelease(keyboard, Qt::Key_W);
    EXPECT_TRUE(Notes().empty());
}

TEST_F(KeyboardTest, BackSpaceClearsTheChordAndTheFindDisplay)
{
    SetNotes({C, E});
    keyboard->Find.found = PitchSet::FromWord(0x0ff3);
    QTest::keyClick(keyboard, Qt::Key_Backspace);
    EXPECT_TRUE(Notes().empty());
    EXPECT_TRUE(keyboard->Find.found.Empty());
}

TEST_F(KeyboardTest, ArrivingChordKeepsOnlyItsNotesOnTheKeysAndSoundsHalfASecond)
{
    chord arriving;
    for (NOTES n : {40, C, E, 100}) arriving.AddNote(n);
    keyboard->Chord.SetKey(D);
    keyboard->TakeChord(arriving);
    EXPECT_EQ(Notes(), (Notes_{C, E}));
    EXPECT_EQ(keyboard->Chord.key, -1);
    EXPECT_EQ(NotesOn(), (std::vector<int>{48, 52}));
    QTest::qWait(700);
    int offs = 0;
    for (const CapturedMessage& m : capture->Messages())
        if ((m.bytes[0] & 0xF0) == 0x80 || ((m.bytes[0] & 0xF0) == 0x90 && m.bytes[2] == 0)) ++offs;
    EXPECT_EQ(offs, 2);
}

TEST_F(KeyboardTest, StatusBarNamesTheChordAfterThreeClicks)
{
    WritePrivateProfileString("Chords", "1", "\"\",\"Major\", 1 3 5", iniPath.c_str());
    ASSERT_TRUE(InitializeChordList());
    std::string line;
    SetChordNamesSink([&](const std::string& names) { line = names; });
    Click(C);
    Click(E);
    Click(G);
    QTest::qWait(20);
    SetChordNamesSink(nullptr);
    chord major;
    for (NOTES n : {C, E, G}) major.AddNote(n);
    EXPECT_EQ(line, ChordNamesLine(major, MaxChords()));
    EXPECT_EQ(line.substr(0, 1), "C");
    ReleaseChordList();
}

TEST_F(KeyboardTest, ActiveFrameTakesTheTyping)
{
    auto* second = Create<KeyboardClient>(ComponentKind::Keyboard);
    second->Frame()->resize(keyboard->Frame()->size());
    studio->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(studio));
    for (KeyboardClient* k : {keyboard, second}) {
        studio->setActiveSubWindow(k->Frame());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_1);
        EXPECT_EQ(k->Chord.FindNote(C), 0);
    }
    EXPECT_EQ(keyboard->Chord.CountNotes(), 1);

    // After a load the active Keyboard has the typing too.
    const std::string path = scratch.File("two.cts");
    ASSERT_TRUE(studio->SaveStudio(path.c_str()));
    ASSERT_TRUE(studio->LoadStudio(path.c_str(), true, false));
    QTest::qWait(20);
    auto* loaded = qobject_cast<KeyboardClient*>(QApplication::focusWidget());
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->Frame(), studio->activeSubWindow());
    QTest::keyClick(loaded, Qt::Key_1);
    EXPECT_EQ(loaded->Chord.CountNotes(), 1);
}

}  // namespace

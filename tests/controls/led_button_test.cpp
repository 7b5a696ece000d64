// LED radio buttons: the info text built from the phrase table reaches
// control 400 when the chosen button has the focus.
#include <QDialog>
#include <QLabel>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

#include "controls/led_button.h"
#include "controls/phrase_table.h"

TEST(PhraseTable, ExpandsKeysAndSkipsUnknownOnes)
{
    const PhraseTable& table = PhraseTable::Shared();
    EXPECT_STREQ(table.Find('U'), "Perform a user-defined ");
    EXPECT_STREQ(table.Find('F'), ", and find the ");
    EXPECT_EQ(table.Find('x'), nullptr);
    EXPECT_EQ(table.Expand("%U%c%S"), "Perform a user-defined chord substitution");
    EXPECT_EQ(table.Expand("a%qb"), "ab");
    // A '%' at the very end has no key to read.
    EXPECT_EQ(table.Expand("100%"), "100");
    EXPECT_EQ(table.Expand(nullptr), "");
}

TEST(LEDButton, InfoSevenDescribesFindingKeysOfAChord)
{
    QDialog dialog;
    QLabel info(&dialog);
    info.setObjectName("id400");
    LEDButton button(&dialog, 157, 7, 2);
    EXPECT_EQ(button.size(), QSize(16, 16));
    EXPECT_EQ(button.objectName(), "id157");
    button.SetInfoText();
    EXPECT_EQ(info.text(), "Take a chord, and find the key(s) that contain that chord");
}

TEST(LEDButton, TheChosenButtonWritesItsTextWhenFocused)
{
    QDialog dialog;
    QTextEdit info(&dialog);
    info.setObjectName("id400");
    info.setGeometry(100, 0, 300, 60);
    LEDButton notes(&dialog, 151, 0, 2);
    LEDButton chord(&dialog, 152, 1, 2);
    LEDButton key(&dialog, 153, 2, 2);
    notes.move(0, 0);
    chord.move(20, 0);
    key.move(40, 0);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));

    QTest::mouseClick(&chord, Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_TRUE(chord.isChecked());
    EXPECT_EQ(info.toPlainText(), "Take some notes, and find the chords comprised of those notes");

    // The keyboard moves the choice and the text follows.
    QTest::keyClick(&chord, Qt::Key_Right);
    EXPECT_TRUE(key.isChecked());
    EXPECT_EQ(info.toPlainText(), "Take some notes, and find the key(s) that contain those notes");

    // Focus arriving at a button that is not chosen writes nothing.
    info.setPlainText("unchanged");
    notes.setFocus();
    EXPECT_EQ(info.toPlainText(), "unchanged");
    key.setFocus();
    EXPECT_EQ(info.toPlainText(), "Take some notes, and find the key(s) that contain those notes");
}

TEST(LEDButton, NoControl400AndUnknownInfoAreHarmless)
{
    QDialog dialog;
    LEDButton lonely(&dialog, 151, 3, 0);
    lonely.SetInfoText();  // nothing to fill
    QLabel info(&dialog);
    info.setObjectName("id400");
    info.setText("old");
    LEDButton unknown(&dialog, 152, 40, 0);
    unknown.SetInfoText();
    EXPECT_EQ(info.text(), "");
}

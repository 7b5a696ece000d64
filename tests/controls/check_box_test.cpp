// Two-caption boxes: which caption shows in which state, the pressed state
// that shows both, and that a click anywhere on the box toggles it.
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include "controls/led_check_box.h"
#include "controls/toggle_box.h"
#include "controls/two_captions.h"
#include "resources/controls/control_bitmaps.h"

namespace {

QStringList Texts(const CheckBoxFace& face)
{
    QStringList texts;
    for (const auto& line : face.lines) texts << line.text;
    return texts;
}

}  // namespace

TEST(TwoCaptions, SplitsAtTheFirstBarAndKeeps127Characters)
{
    TwoCaptions plain = TwoCaptions::FromText("Mute");
    EXPECT_FALSE(plain.split);
    EXPECT_EQ(plain.unchecked, "Mute");
    EXPECT_EQ(plain.checked, "Mute");

    TwoCaptions two = TwoCaptions::FromText("Use \"C (B Bass)\" notation|Use \"C/B\" notation|x");
    EXPECT_TRUE(two.split);
    EXPECT_EQ(two.unchecked, "Use \"C (B Bass)\" notation");
    EXPECT_EQ(two.checked, "Use \"C/B\" notation|x");

    // A bar beyond character 127 no longer counts.
    TwoCaptions longText = TwoCaptions::FromText(QString(130, 'a') + "|b");
    EXPECT_FALSE(longText.split);
    EXPECT_EQ(longText.unchecked.size(), 127);
}

TEST(ToggleBox, ShowsTheCaptionOfItsStateAndBothWhilePressed)
{
    QWidget dialog;
    ToggleBox box(&dialog, 112, "Off|On");
    box.setGeometry(10, 10, 160, 30);
    EXPECT_EQ(box.objectName(), "id112");

    CheckBoxFace face = box.Face();
    EXPECT_EQ(Texts(face), QStringList{"Off"});
    EXPECT_EQ(face.pictureX, 0);
    EXPECT_EQ(face.lines[0].rect.top(), 0);
    EXPECT_TRUE(face.lines[0].alignment & Qt::AlignTop);

    QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(80, 15));
    ASSERT_TRUE(box.isDown());
    face = box.Face();
    ASSERT_EQ(Texts(face), (QStringList{"Off", "On"}));
    EXPECT_EQ(face.pictureX, 16);
    // "Off" ends at the middle, "On" starts there.
    EXPECT_EQ(face.lines[0].rect.bottom() + 1, 15);
    EXPECT_TRUE(face.lines[0].alignment & Qt::AlignBottom);
    EXPECT_EQ(face.lines[1].rect.top(), 15);
    EXPECT_TRUE(face.lines[1].alignment & Qt::AlignTop);
    EXPECT_EQ(face.lines[0].rect.left(), PictureCheckBox::TextIndent);

    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(80, 15));
    EXPECT_TRUE(box.isChecked());
    face = box.Face();
    EXPECT_EQ(Texts(face), QStringList{"On"});
    EXPECT_EQ(face.pictureX, 32);
}

TEST(ToggleBox, ClickOnTheCaptionTogglesAndSpaceToo)
{
    QWidget dialog;
    ToggleBox box(&dialog, 122, "Display scales as intervals|Display scales as notes");
    box.setGeometry(0, 0, box.sizeHint().width(), box.sizeHint().height());
    EXPECT_GE(box.sizeHint().width(),
              PictureCheckBox::TextIndent + box.fontMetrics().horizontalAdvance("Display scales as intervals"));
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(box.width() - 3, 3));
    EXPECT_TRUE(box.isChecked());
    QTest::keyClick(&box, Qt::Key_Space);
    EXPECT_FALSE(box.isChecked());
}

TEST(LEDCheckBox, OneCaptionStaysOnOneLineWhilePressed)
{
    QWidget dialog;
    LEDCheckBox box(&dialog, 110, 1, "Mute");
    box.setGeometry(0, 0, 120, 30);
    for (bool checked : {false, true}) {
        box.setChecked(checked);
        EXPECT_EQ(Texts(box.Face()), QStringList{"Mute"});
        box.setDown(true);
        EXPECT_EQ(Texts(box.Face()), QStringList{"Mute"});
        box.setDown(false);
    }
    // LED colour 1, lit when checked.
    box.setChecked(false);
    EXPECT_EQ(box.Face().pictureX, 2 * 16);
    box.setChecked(true);
    EXPECT_EQ(box.Face().pictureX, 3 * 16);
    EXPECT_EQ(box.Face().bitmapId, ControlBitmap::Leds);

    LEDCheckBox two(&dialog, 111, 0, "Quiet|Loud");
    two.setGeometry(0, 40, 120, 30);
    two.setDown(true);
    EXPECT_EQ(Texts(two.Face()), (QStringList{"Quiet", "Loud"}));
}

TEST(LEDCheckBox, ColourOutsideTheStripIsKeptInside)
{
    QWidget dialog;
    LEDCheckBox box(&dialog, 1, 99, "x");
    box.setChecked(true);
    EXPECT_LT(box.Face().pictureX, 2 * ControlBitmap::LedColours * 16);
}

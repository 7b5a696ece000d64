// TMyHSlider: tick spacing by range, placement in dialog units, the transfer
// of its position, and dragging the thumb.
#include <QDialog>
#include <QSignalSpy>
#include <QTest>

#include <cstdint>

#include <gtest/gtest.h>

#include "controls/dialog_units.h"
#include "controls/font_size_mapper.h"
#include "controls/my_hslider.h"
#include "controls/slider_geometry.h"

TEST(TMyHSlider, TickSpacingFollowsTheRange)
{
    QDialog dialog;
    struct Case {
        int min, max, spacing;
    } cases[] = {{0, 127, 10}, {1, 20, 1}, {1, 30, 5}, {0, 49, 5}, {0, 50, 10}, {0, 24, 1}, {0, 25, 5}, {4, 32, 5}};
    for (const Case& c : cases) {
        TMyHSlider slider(&dialog, 4123, 0, 0, 80, 17, 32000, c.min, c.max);
        EXPECT_EQ(slider.tickInterval(), c.spacing) << c.min << ".." << c.max;
        EXPECT_EQ(slider.minimum(), c.min);
        EXPECT_EQ(slider.maximum(), c.max);
    }
}

TEST(TMyHSlider, TransferMovesThePositionAsA32BitInteger)
{
    QDialog dialog;
    TMyHSlider slider(&dialog, 4124, 118, 148, 81, 17, 32003, 0, 127);
    std::int32_t buffer = 90;
    EXPECT_EQ(slider.Transfer(&buffer, TransferDirection::Set), 4);
    EXPECT_EQ(slider.value(), 90);
    slider.setValue(33);
    buffer = -1;
    EXPECT_EQ(slider.Transfer(&buffer, TransferDirection::Get), 4);
    EXPECT_EQ(buffer, 33);
    EXPECT_EQ(slider.Transfer(nullptr, TransferDirection::Size), 4);
    EXPECT_EQ(slider.Transfer(nullptr, TransferDirection::Get), 4);
    // Out of range positions are held to the range.
    buffer = 500;
    slider.Transfer(&buffer, TransferDirection::Set);
    EXPECT_EQ(slider.value(), 127);
    EXPECT_EQ(slider.ThumbText(64), "64");
}

TEST(TMyHSlider, IsPlacedInDialogUnitsOfItsDialog)
{
    QDialog dialog;
    QFont font = dialog.font();
    font.setPixelSize(13);
    dialog.setFont(font);
    const DialogUnits units(font);
    TMyHSlider slider(&dialog, 4123, 114, 197, 81, 17, 32000, 1, 20);
    EXPECT_EQ(slider.geometry(), FontSizeMapper::MapRect(&dialog, 114, 197, 195, 214));
    EXPECT_EQ(slider.DialogRect(), QRect(114, 197, 81, 17));

    // A bigger dialog font scales the slider with the dialog.
    font.setPixelSize(26);
    dialog.setFont(font);
    dialog.show();  // polishing places it again
    EXPECT_EQ(slider.geometry(), DialogUnits(font).MapRect(114, 197, 195, 214));
    EXPECT_GT(slider.width(), units.ToPixelsX(81) * 3 / 2);
}

TEST(DialogUnits, QuarterCharacterAndEighthHeight)
{
    QFont font;
    font.setPixelSize(16);
    const DialogUnits units(font);
    EXPECT_GT(units.BaseX(), 0);
    EXPECT_EQ(units.BaseY(), QFontMetrics(font).height());
    EXPECT_EQ(units.ToPixelsX(4), units.BaseX());
    EXPECT_EQ(units.ToPixelsY(8), units.BaseY());
    EXPECT_EQ(units.ToPixelsX(400), 100 * units.BaseX());
    EXPECT_EQ(units.MapRect(4, 8, 12, 24), QRect(units.BaseX(), units.BaseY(), 2 * units.BaseX(), 2 * units.BaseY()));
    // The average width lies between the narrowest and the widest letter.
    const QFontMetrics metrics(font);
    EXPECT_GE(units.BaseX(), metrics.horizontalAdvance('i'));
    EXPECT_LE(units.BaseX(), metrics.horizontalAdvance('W'));

    const FontSizeMapper mapper(font);
    EXPECT_EQ(mapper.Ascent(), metrics.ascent());
    EXPECT_EQ(mapper.AverageCharWidth(), metrics.averageCharWidth());
    const FontSizeMapper named("DejaVu Sans", 20);
    EXPECT_GT(named.Ascent(), mapper.Ascent());
}

TEST(SliderGeometry, ThumbPositionsAndValuesAgree)
{
    const SliderGeometry geometry(QSize(200, 30), 24, 0, 127);
    EXPECT_EQ(geometry.ThumbRect(0).left(), SliderGeometry::Margin);
    EXPECT_EQ(geometry.ThumbRect(127).right(), 200 - SliderGeometry::Margin - 1);
    for (int value : {0, 1, 50, 64, 126, 127})
        EXPECT_EQ(geometry.ValueAtThumbLeft(geometry.ThumbRect(value).left()), value);
    EXPECT_EQ(geometry.ValueAtThumbLeft(-100), 0);
    EXPECT_EQ(geometry.ValueAtThumbLeft(1000), 127);
    // An empty range never divides by zero.
    const SliderGeometry flat(QSize(200, 30), 24, 5, 5);
    EXPECT_EQ(flat.ThumbRect(5).left(), SliderGeometry::Margin);
    EXPECT_EQ(flat.ValueAtThumbLeft(80), 5);
}

TEST(TMyHSlider, DraggingTheThumbAndClickingBesideIt)
{
    QDialog dialog;
    dialog.resize(400, 100);
    TMyHSlider slider(&dialog, 4124, 0, 0, 10, 10, 32003, 0, 127);
    dialog.show();
    slider.setGeometry(10, 10, 260, 34);
    QSignalSpy moved(&slider, &QAbstractSlider::valueChanged);

    SliderGeometry geometry = slider.Geometry();
    const QPoint grip = geometry.ThumbRect(0).center();
    QTest::mousePress(&slider, Qt::LeftButton, {}, grip);
    EXPECT_TRUE(slider.isSliderDown());
    const QPoint target(geometry.ThumbRect(100).center().x(), grip.y());
    QTest::mouseMove(&slider, target);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, target);
    EXPECT_FALSE(slider.isSliderDown());
    EXPECT_EQ(slider.value(), 100);
    EXPECT_FALSE(moved.isEmpty());

    // A click left of the thumb pages down by the tick spacing.
    QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(geometry.ThumbRect(0).center().x(), grip.y()));
    EXPECT_EQ(slider.value(), 90);
    QTest::keyClick(&slider, Qt::Key_Right);
    EXPECT_EQ(slider.value(), 91);
}

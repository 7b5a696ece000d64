// Pictures shared by every frame: drawn once per palette and size, drawn
// again when the palette changes; the program's style shares the title-bar
// pictures and gives ruled bars their one-pixel frame.
#include <QApplication>
#include <QImage>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPalette>
#include <QStyleOptionToolBar>
#include <QToolBar>

#include "app/commands/command_icons.h"
#include "ui/studio_style.h"
#include "studio_fixture.h"

namespace {

using SharedPicturesTest = StudioTest;

QImage Drawn(const QIcon& icon, QIcon::Mode mode = QIcon::Normal)
{
    return icon.pixmap(QSize(20, 20), 1.0, mode).toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST_F(SharedPicturesTest, PicturesFollowPaletteModeAndSize)
{
    const QIcon gear = CommandIcon(23000);
    EXPECT_EQ(gear.cacheKey(), CommandIcon(23000).cacheKey());  // one icon for every button
    EXPECT_NE(gear.cacheKey(), CommandIcon(23002).cacheKey());
    EXPECT_TRUE(CommandIcon(4711).isNull());

    const QImage normal = Drawn(gear);
    EXPECT_EQ(Drawn(gear), normal);
    EXPECT_NE(Drawn(gear, QIcon::Disabled), normal);
    EXPECT_EQ(gear.pixmap(QSize(32, 32), 1.0).size(), QSize(32, 32));
    EXPECT_GT(gear.pixmap(QSize(20, 20), 2.0).width(), 20);  // dense screens get their own

    // A new palette (a dark theme) draws the picture again in its colours.
    const QPalette before = QApplication::palette();
    QPalette dark(QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::WindowText, QColor(0xf0, 0xf0, 0xf0));
    QApplication::setPalette(dark);
    const QImage inDark = Drawn(gear);
    QApplication::setPalette(before);
    EXPECT_NE(inDark, normal);
    EXPECT_EQ(Drawn(gear), normal);
}

TEST_F(SharedPicturesTest, StyleSharesTitleBarPicturesAndRulesMarkedBars)
{
    StudioStyle style;
    QMdiSubWindow window;
    const QIcon close = style.standardIcon(QStyle::SP_TitleBarCloseButton, nullptr, &window);
    EXPECT_FALSE(close.isNull());
    EXPECT_EQ(style.standardIcon(QStyle::SP_TitleBarCloseButton, nullptr, &window).cacheKey(), close.cacheKey());
    EXPECT_NE(style.standardIcon(QStyle::SP_TitleBarMinButton).cacheKey(), close.cacheKey());

    QToolBar plain;
    QToolBar ruled;
    RuleLeftEdge(&ruled);
    const int usual = style.baseStyle()->pixelMetric(QStyle::PM_ToolBarFrameWidth, nullptr, &plain);
    EXPECT_EQ(style.pixelMetric(QStyle::PM_ToolBarFrameWidth, nullptr, &plain), usual);
    EXPECT_EQ(style.pixelMetric(QStyle::PM_ToolBarFrameWidth, nullptr, &ruled), 1);

    // The rule: the mid colour down the left edge, nothing elsewhere.
    QStyleOptionToolBar option;
    option.initFrom(&ruled);
    option.rect = QRect(0, 0, 34, 50);
    QImage image(34, 50, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    style.drawControl(QStyle::CE_ToolBar, &option, &painter, &ruled);
    painter.end();
    const QRgb mid = option.palette.color(QPalette::Mid).rgba();
    EXPECT_EQ(image.pixel(0, 0), mid);
    EXPECT_EQ(image.pixel(0, 49), mid);
    EXPECT_EQ(image.pixelColor(1, 25).alpha(), 0);
    EXPECT_EQ(image.pixelColor(33, 25).alpha(), 0);
}

TEST_F(SharedPicturesTest, ComponentBarsAreRuled)
{
    mmMDIChild* frame = Splitter()->Frame();
    StudioStyle style;
    EXPECT_EQ(style.pixelMetric(QStyle::PM_ToolBarFrameWidth, nullptr, frame->ComponentToolBar()), 1);
    EXPECT_TRUE(frame->ComponentToolBar()->styleSheet().isEmpty());
}

}  // namespace

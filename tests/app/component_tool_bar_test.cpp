// The component tool bar shows a picture on every button, with the button's
// text as its tip, and the switch buttons change picture with their state.
#include <QAction>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QToolBar>

#include "app/commands/command_icons.h"
#include "studio_fixture.h"

namespace {

using ComponentToolBarTest = StudioTest;

QImage Picture(const QIcon& icon) { return icon.pixmap(20, 20).toImage().convertToFormat(QImage::Format_ARGB32); }

QAction* Button(mmMDIChild* frame, int command)
{
    for (QAction* action : frame->ComponentToolBar()->actions())
        if (!action->isSeparator() && action->data().toInt() == command) return action;
    return nullptr;
}

TEST_F(ComponentToolBarTest, EveryButtonShowsItsPictureAndTip)
{
    mmMDIChild* frame = Recorder()->Frame();
    frame->Client()->SetSound(1);
    const std::vector<std::pair<int, int>> pictures{{23004, 23004}, {23003, 23003}, {23010, 23010}, {23000, 23000},
                                                    {23008, 23008}, {111, 23011},   {23006, 23006}, {23002, 23002}};
    for (const auto& [command, picture] : pictures) {
        QAction* button = Button(frame, command);
        ASSERT_NE(button, nullptr) << command;
        EXPECT_EQ(Picture(button->icon()), Picture(CommandIcon(picture))) << command;
        EXPECT_EQ(button->toolTip(), button->text()) << command;
        EXPECT_FALSE(button->toolTip().isEmpty()) << command;
    }
    EXPECT_EQ(Button(frame, 23002)->toolTip(), "Change Connections...");
}

TEST_F(ComponentToolBarTest, SwitchButtonsTakeThePictureOfTheirNewState)
{
    mmMDIChild* frame = Recorder()->Frame();
    mmMDIChild* other = Recorder()->Frame();
    for (mmMDIChild* f : {frame, other}) f->Client()->SetSound(1);
    const QList<QAction*> before = frame->ComponentToolBar()->actions();
    const qsizetype soundPlace = before.indexOf(Button(frame, 23006));
    frame->Command(102);
    ASSERT_NE(Button(frame, 23007), nullptr);
    EXPECT_EQ(Picture(Button(frame, 23007)->icon()), Picture(CommandIcon(23007)));
    frame->Command(101);
    ASSERT_NE(Button(frame, 23005), nullptr);
    EXPECT_EQ(Picture(Button(frame, 23005)->icon()), Picture(CommandIcon(23005)));
    EXPECT_EQ(Button(frame, 23005)->toolTip(), "Sound");

    // Each button stays in its place on its own frame; the other frame keeps
    // its buttons, and the switched one acts on its own component.
    const QList<QAction*> after = frame->ComponentToolBar()->actions();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.indexOf(Button(frame, 23005)), soundPlace);
    for (QAction* action : after) EXPECT_EQ(action->parent(), frame->ComponentToolBar());
    EXPECT_NE(Button(other, 23006), nullptr);
    EXPECT_NE(Button(other, 23008), nullptr);
    frame->Command(23005, Qt::ControlModifier);
    EXPECT_EQ(frame->Client()->SoundOn, 1);
    EXPECT_NE(Button(frame, 23006), nullptr);
}

TEST_F(ComponentToolBarTest, PicturesAreDistinctAndDrawnInLightAndDarkThemes)
{
    const int ids[] = {23000, 23002, 23003, 23004, 23005, 23006, 23007, 23008, 23010, 23011};
    QPalette light(QColor(0xf0, 0xf0, 0xf0));
    light.setColor(QPalette::WindowText, Qt::black);
    QPalette dark(QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::WindowText, QColor(0xf0, 0xf0, 0xf0));
    std::vector<QImage> drawn;
    for (int id : ids) {
        ASSERT_TRUE(HasCommandIcon(id)) << id;
        for (const QPalette* palette : {&light, &dark}) {
            QImage image(40, 40, QImage::Format_ARGB32);
            image.fill(palette->color(QPalette::Window));
            QPainter painter(&image);
            PaintCommandPicture(painter, QRectF(0, 0, 40, 40), id, *palette);
            painter.end();
            // Something stands out clearly from the window background.
            int strong = 0;
            const int background = palette->color(QPalette::Window).lightness();
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 40; ++x) strong += std::abs(image.pixelColor(x, y).lightness() - background) > 100;
            EXPECT_GT(strong, 40) << id;
            if (palette == &light) drawn.push_back(image);
        }
    }
    for (std::size_t i = 0; i < drawn.size(); ++i)
        for (std::size_t j = i + 1; j < drawn.size(); ++j) EXPECT_NE(drawn[i], drawn[j]) << ids[i] << " " << ids[j];
}

}  // namespace

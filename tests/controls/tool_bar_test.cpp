// Floating tool palettes: toggling, cell numbering, checked states, clicks,
// hints, placement, and saving to and loading from a studio file.
#include <QAction>
#include <QMainWindow>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "control_test_support.h"
#include "controls/palette_placement.h"
#include "controls/saved_coordinates.h"
#include "controls/tool_bar.h"
#include "controls/tool_command_event.h"
#include "controls/window_placement_record.h"
#include "support/error_recorder.h"
#include "support/scratch_dir.h"

namespace {

// A main window with the palette toggle buttons on its tool bar; it records
// the commands its palettes send.
class Frame : public QMainWindow {
public:
    Frame()
    {
        bar = addToolBar("main");
        for (const PaletteRow& row : PaletteTable::Rows) {
            QAction* action = bar->addAction(QString::number(row.toggleCommand));
            action->setData(row.toggleCommand);
            action->setObjectName(QStringLiteral("cmd%1").arg(row.toggleCommand));
        }
        statusBar();
        resize(600, 400);
        move(40, 30);
    }
    bool event(QEvent* e) override
    {
        if (e->type() == ToolCommandEvent::EventType) {
            const int command = static_cast<ToolCommandEvent*>(e)->Command();
            commands.push_back(command);
            if (onCommand) onCommand(command);
            return true;
        }
        return QMainWindow::event(e);
    }
    QToolBar* bar;
    std::vector<int> commands;
    std::function<void(int)> onCommand;
};

// The pointer moving over a palette with no button held.
void Hover(QWidget* widget, QPoint pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(SavedCoordinates, ScaleByTheScreenWidthOnBothAxes)
{
    EXPECT_EQ(SavedCoordinates::ToSaved(QPoint(320, 240), 640), QPoint(8192, 6144));
    EXPECT_EQ(SavedCoordinates::FromSaved(QPoint(8192, 6144), 640), QPoint(320, 240));
    EXPECT_EQ(SavedCoordinates::ToSaved(QPoint(-10, 0), 1280), QPoint(-128, 0));
    EXPECT_EQ(SavedCoordinates::ToSaved(QPoint(5, 5), 0), QPoint(5, 5));
    // Any position on a screen narrower than 16384 pixels survives the round trip.
    for (int width : {640, 800, 1366, 1920, 2560})
        for (int x : {0, 1, 123, 399, width - 1})
            EXPECT_EQ(SavedCoordinates::FromSaved(SavedCoordinates::ToSaved(QPoint(x, x / 2), width), width),
                      QPoint(x, x / 2));

    QPoint points[2] = {{100, 50}, {300, 250}};
    ToolBar::ScaleToSavedCoord(points, 2);
    const int width = SavedCoordinates::PrimaryScreenWidth();
    ASSERT_GT(width, 0);
    EXPECT_EQ(points[0], SavedCoordinates::ToSaved(QPoint(100, 50), width));
    ToolBar::ScaleFromSavedCoord(points, 2);
    EXPECT_EQ(points[1], QPoint(300, 250));
}

TEST(PalettePlacement, PullsInFromTheScreenEdgeAndStepsLeftOfOpenPalettes)
{
    std::vector<QRect> open(10);
    EXPECT_EQ(PlacePaletteLeft(100, 60, 800, open), 100);
    EXPECT_EQ(PlacePaletteLeft(780, 60, 800, open), 740);
    open[9] = QRect(140, 0, 80, 40);  // holds the new right edge 160
    EXPECT_EQ(PlacePaletteLeft(100, 60, 800, open), 80);
    open[2] = QRect(70, 0, 40, 40);  // checked after 9: the right edge 140 lies beyond it
    EXPECT_EQ(PlacePaletteLeft(100, 60, 800, open), 80);
    open[1] = QRect(120, 0, 30, 40);  // after stepping left of 9, 140 lies within [120, 150]
    EXPECT_EQ(PlacePaletteLeft(100, 60, 800, open), 60);
}

TEST(WindowPlacementRecord, RoundTripsAsHexAndRejectsDamage)
{
    ErrorRecorder errors;
    WindowPlacementRecord record;
    record.normalPosition = QRect(10, 20, 300, 40);
    const std::string hex = record.ToHex();
    ASSERT_EQ(hex.size(), 90u);
    EXPECT_EQ(hex.substr(0, 10), "2C2C000000");  // count 44, then the length field
    WindowPlacementRecord back;
    ASSERT_EQ(back.FromHex(hex.c_str()), 1);
    EXPECT_EQ(back.normalPosition, record.normalPosition);
    EXPECT_EQ(back.showCommand, WindowPlacementRecord::ShowNormal);
    EXPECT_TRUE(errors.Empty());

    EXPECT_EQ(back.FromHex(hex.substr(0, 41).c_str()), 0);  // cut inside a digit pair
    EXPECT_EQ(back.FromHex("2Czz"), 0);
    EXPECT_EQ(back.FromHex("10AB"), 0);
    EXPECT_EQ(back.FromHex(""), 0);
    EXPECT_EQ(back.FromHex(nullptr), 0);
    // Not hex (twice, shown once per run), wrong length, empty.
    EXPECT_EQ(errors.reports.size(), 3u);
}

class ToolBarTest : public PaletteTest {};

TEST_F(ToolBarTest, TogglingOneAndAllPalettes)
{
    Frame frame;
    ToolBar::CreateToolBar(&frame, frame.bar, 109);
    ToolBar::CreateToolBar(&frame, frame.bar, 114);
    EXPECT_TRUE(ToolBar::IsToolBarOpen(109));
    EXPECT_TRUE(ToolBar::IsToolBarOpen(114));
    EXPECT_FALSE(ToolBar::IsToolBarOpen(119));
    EXPECT_FALSE(ToolBar::IsToolBarOpen(122));
    EXPECT_TRUE(ToolBar::IsToolBarOpen(4711));  // unknown commands ask about palette 0

    ToolBar* zero = ToolBar::OpenPalette(0);
    ToolBar::CreateToolBar(&frame, frame.bar, 122);
    EXPECT_TRUE(ToolBar::IsToolBarOpen(122));
    EXPECT_EQ(ToolBar::OpenPalette(0), zero);  // the open ones stay as they were
    for (int palette = 0; palette < PaletteTable::Count; ++palette) {
        ASSERT_NE(ToolBar::OpenPalette(palette), nullptr);
        EXPECT_TRUE(ToolBar::OpenPalette(palette)->isVisible());
    }

    ToolBar::CreateToolBar(&frame, frame.bar, 122);
    for (int palette = 0; palette < PaletteTable::Count; ++palette) EXPECT_EQ(ToolBar::OpenPalette(palette), nullptr);
    EXPECT_FALSE(ToolBar::IsToolBarOpen(109));

    ToolBar::CreateToolBar(&frame, frame.bar, 121);
    EXPECT_TRUE(ToolBar::IsToolBarOpen(121));
    ToolBar::CreateToolBar(&frame, frame.bar, 121);
    EXPECT_FALSE(ToolBar::IsToolBarOpen(121));
    ToolBar::CreateToolBar(&frame, frame.bar, 4711);
    for (int palette = 0; palette < PaletteTable::Count; ++palette) EXPECT_EQ(ToolBar::OpenPalette(palette), nullptr);
}

TEST_F(ToolBarTest, APaletteGoesWithItsOwnersWindowOrItsCloseButton)
{
    {
        Frame frame;
        frame.show();
        ToolBar::OpenToolBar(&frame, frame.bar, 7);
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(ToolBar::OpenPalette(7), &move);  // a hint is showing
        ASSERT_NE(ToolBar::OpenPalette(7), nullptr);
    }
    EXPECT_EQ(ToolBar::OpenPalette(7), nullptr);
    EXPECT_FALSE(ToolBar::IsToolBarOpen(117));

    ToolBar::OpenToolBar(nullptr, nullptr, 6);
    ToolBar::OpenPalette(6)->close();
    EXPECT_FALSE(ToolBar::IsToolBarOpen(118));
    ToolBar::CreateToolBar(nullptr, nullptr, 118);  // opens again at once
    EXPECT_TRUE(ToolBar::IsToolBarOpen(118));
}

TEST_F(ToolBarTest, CellsRunDownTheColumns)
{
    ToolBar::OpenToolBar(nullptr, nullptr, 0);
    ToolBar* palette = ToolBar::OpenPalette(0);
    ASSERT_NE(palette, nullptr);
    ASSERT_EQ(palette->Columns(), 3);
    ASSERT_EQ(palette->Rows(), 2);
    EXPECT_EQ(palette->size(), QSize(60, 40));
    EXPECT_EQ(palette->GadgetFromPoint(QPoint(25, 25)), 3);  // column 1, row 1
    EXPECT_EQ(palette->GadgetFromPoint(QPoint(45, 5)), 4);
    EXPECT_EQ(palette->GadgetFromPoint(QPoint(60, 5)), -1);
    EXPECT_EQ(palette->GadgetFromPoint(QPoint(-1, 5)), -1);
    EXPECT_EQ(palette->CellRect(3), QRect(20, 20, 20, 20));

    ToolBar::OpenToolBar(nullptr, nullptr, 8);  // tall cells
    ToolBar* levels = ToolBar::OpenPalette(8);
    ASSERT_NE(levels, nullptr);
    EXPECT_EQ(levels->Rows(), 1);
    EXPECT_EQ(levels->GadgetFromPoint(QPoint(30, 35)), 1);
    EXPECT_EQ(levels->height(), 40);
}

TEST_F(ToolBarTest, RadioCheckAndCheckedStates)
{
    ToolBar::OpenToolBar(nullptr, nullptr, 0);
    ToolBar* palette = ToolBar::OpenPalette(0);
    ASSERT_NE(palette, nullptr);
    ToolBar::SetChecked(10000, 1);
    ToolBar::SetChecked(10005, 7);
    EXPECT_EQ(ToolBar::IsChecked(10005), 1);
    ToolBar::RadioCheck(10002, 10000, 10005);
    for (int command = 10000; command <= 10005; ++command)
        EXPECT_EQ(ToolBar::IsChecked(command), command == 10002 ? 1 : 0) << command;
    EXPECT_EQ(ToolBar::WhichChecked(10000, 10005), 10002);
    EXPECT_EQ(ToolBar::WhichChecked(10003, 10005), 0);

    EXPECT_EQ(palette->SetTool(4, 1), 0);
    EXPECT_EQ(palette->SetTool(4, 0), 1);
    // Commands beyond the palette's cells and palettes that are closed do nothing.
    ToolBar::SetChecked(10099, 1);
    EXPECT_EQ(ToolBar::IsChecked(10099), 0);
    EXPECT_EQ(ToolBar::ToolBarContaining(10099), palette);
    EXPECT_EQ(ToolBar::ToolBarContaining(9999), nullptr);
    EXPECT_EQ(ToolBar::ToolBarContaining(10700), nullptr);  // palette 1, closed
    ToolBar::SetChecked(10700, 1);
    EXPECT_EQ(ToolBar::IsChecked(10700), 0);
    EXPECT_EQ(ToolBar::WhichChecked(10700, 10705), 0);
    EXPECT_EQ(palette->GetTool(-1), 0);
    EXPECT_EQ(palette->SetTool(6, 1), 0);
}

TEST_F(ToolBarTest, AClickFlashesTheCellAndSendsItsCommandToTheOwner)
{
    Frame frame;
    frame.show();
    ToolBar::OpenToolBar(&frame, frame.bar, 0);
    ToolBar* palette = ToolBar::OpenPalette(0);
    ASSERT_NE(palette, nullptr);
    const QImage before = palette->grab().toImage();
    QTest::mouseClick(palette, Qt::LeftButton, {}, palette->CellRect(3).center());
    ASSERT_EQ(frame.commands, std::vector<int>{10003});
    EXPECT_EQ(palette->FlashingCell(), 3);
    EXPECT_NE(palette->grab().toImage(), before);
    QTest::qWait(250);
    EXPECT_EQ(palette->FlashingCell(), -1);
    EXPECT_EQ(ToolBar::IsChecked(10003), 0);  // the flash changes no state
    EXPECT_EQ(palette->grab().toImage(), before);

    // The owner answers with a radio check, which the flash must not undo.
    frame.onCommand = [](int command) { ToolBar::RadioCheck(command, 10000, 10005); };
    QTest::mouseClick(palette, Qt::LeftButton, {}, palette->CellRect(3).center());
    QTest::qWait(250);
    EXPECT_EQ(ToolBar::IsChecked(10003), 1);
    EXPECT_NE(palette->grab().toImage(), before);

    QTest::mouseDClick(palette, Qt::LeftButton, {}, palette->CellRect(1).center());
    EXPECT_EQ(frame.commands.back(), 10001);
    EXPECT_EQ(ToolBar::WhichChecked(10000, 10005), 10001);

    // The owner may close the palette while handling its click.
    frame.onCommand = [](int) { ToolBar::CloseToolBar(0); };
    QTest::mouseClick(palette, Qt::LeftButton, {}, palette->CellRect(0).center());
    EXPECT_EQ(ToolBar::OpenPalette(0), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(ToolBarTest, HintsOfTheCellUnderTheMouseGoToTheStatusBar)
{
    Frame frame;
    QAction sixteenth("Sixteenth", &frame);
    sixteenth.setObjectName("cmd10003");
    sixteenth.setStatusTip("Sixteenth notes");
    QAction quarter("Quarter", &frame);
    quarter.setObjectName("cmd10004");
    quarter.setStatusTip("Quarter notes");
    frame.show();
    ToolBar::OpenToolBar(&frame, frame.bar, 0);
    ToolBar* palette = ToolBar::OpenPalette(0);
    ASSERT_NE(palette, nullptr);

    Hover(palette, palette->CellRect(3).center());
    EXPECT_EQ(palette->HoverCell(), 3);
    EXPECT_EQ(frame.statusBar()->currentMessage(), "Sixteenth notes");
    Hover(palette, palette->CellRect(4).center());
    EXPECT_EQ(frame.statusBar()->currentMessage(), "Quarter notes");
    Hover(palette, palette->CellRect(0).center());  // a command without hint
    EXPECT_EQ(frame.statusBar()->currentMessage(), "");
    Hover(palette, palette->CellRect(4).center());
    palette->hide();
    EXPECT_EQ(frame.statusBar()->currentMessage(), "");
    EXPECT_EQ(palette->HoverCell(), -1);
}

TEST_F(ToolBarTest, OpensBesideItsToolBarButton)
{
    Frame frame;
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    ToolBar::OpenToolBar(&frame, frame.bar, 3);  // toggle command 114
    ToolBar* palette = ToolBar::OpenPalette(3);
    ASSERT_NE(palette, nullptr);
    QWidget* button = frame.bar->widgetForAction(frame.bar->actions()[3]);
    ASSERT_NE(button, nullptr);
    ASSERT_GT(button->x(), 0);
    EXPECT_EQ(palette->frameGeometry().left(), frame.frameGeometry().left() + button->x() + 1);
    EXPECT_EQ(palette->frameGeometry().top(), frame.frameGeometry().top());

    // Palette 2's button lies left of 3's; the new palette would end inside
    // palette 3 and steps left of it.
    ToolBar::OpenToolBar(&frame, frame.bar, 2);
    ToolBar* two = ToolBar::OpenPalette(2);
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(two->frameGeometry().left() + two->width(), palette->frameGeometry().left());

    // Without a button for it a palette keeps the default position.
    QToolBar empty;
    ToolBar::OpenToolBar(&frame, &empty, 5);
    EXPECT_NE(ToolBar::OpenPalette(5), nullptr);
}

TEST_F(ToolBarTest, SaveAndLoadKeepPositionsAndCheckedCells)
{
    ScratchDir dir;
    const std::string file = dir.File("studio.cts");
    Frame frame;
    frame.show();
    ToolBar::OpenToolBar(&frame, frame.bar, 0);
    ToolBar::OpenToolBar(&frame, frame.bar, 3);
    ToolBar::OpenPalette(0)->move(123, 77);
    ToolBar::OpenPalette(3)->move(301, 212);
    ToolBar::RadioCheck(10003, 10000, 10005);
    ToolBar::SetChecked(10200, 1);
    ToolBar::SetChecked(10211, 1);
    ASSERT_TRUE(ToolBar::Save(file.c_str()));

    const std::string zero = GetProfileString(file, "Toolbar", "0", "");
    ASSERT_EQ(zero.size(), 90u + 6u);
    EXPECT_EQ(zero.substr(90), "000100");
    EXPECT_EQ(GetProfileString(file, "Toolbar", "3", "").substr(90), "100000000001");
    EXPECT_EQ(GetProfileString(file, "Toolbar", "1", "missing"), "");
    EXPECT_EQ(GetProfileKeyNames(file, "Toolbar").size(), 10u);

    ToolBar::OpenToolBar(&frame, frame.bar, 9);  // open now, closed in the file
    ToolBar::Load(&frame, frame.bar, file.c_str());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(ToolBar::OpenPalette(9), nullptr);
    ToolBar* loadedZero = ToolBar::OpenPalette(0);
    ToolBar* loadedThree = ToolBar::OpenPalette(3);
    ASSERT_NE(loadedZero, nullptr);
    ASSERT_NE(loadedThree, nullptr);
    EXPECT_EQ(loadedZero->pos(), QPoint(123, 77));
    EXPECT_EQ(loadedThree->pos(), QPoint(301, 212));
    EXPECT_TRUE(loadedZero->isVisible());
    EXPECT_EQ(ToolBar::WhichChecked(10000, 10005), 10003);
    EXPECT_EQ(ToolBar::IsChecked(10200), 1);
    EXPECT_EQ(ToolBar::IsChecked(10211), 1);
    EXPECT_EQ(ToolBar::WhichChecked(10201, 10210), 0);
    for (int palette : {1, 2, 4, 5, 6, 7, 8, 9}) EXPECT_EQ(ToolBar::OpenPalette(palette), nullptr);

    // The position is saved in 1/16384 of the screen width.
    WindowPlacementRecord record;
    ASSERT_EQ(record.FromHex(zero.c_str()), 1);
    EXPECT_EQ(record.normalPosition.topLeft(),
              SavedCoordinates::ToSaved(QPoint(123, 77), SavedCoordinates::PrimaryScreenWidth()));
}

TEST_F(ToolBarTest, NothingOpenSavesTenEmptyKeysAndLoadsNone)
{
    ScratchDir dir;
    const std::string file = dir.File("empty.cts");
    ASSERT_TRUE(ToolBar::Save(file.c_str()));
    const std::string text = ReadAll(file);
    for (int key = 0; key < 10; ++key) EXPECT_NE(text.find(std::to_string(key) + "="), std::string::npos) << text;
    ToolBar::OpenToolBar(nullptr, nullptr, 4);
    ToolBar::Load(nullptr, nullptr, file.c_str());
    for (int palette = 0; palette < PaletteTable::Count; ++palette) EXPECT_EQ(ToolBar::OpenPalette(palette), nullptr);
}

TEST_F(ToolBarTest, ShortOrDamagedTextsLoadWithoutHarm)
{
    ErrorRecorder errors;
    ScratchDir dir;
    WindowPlacementRecord record;
    record.normalPosition =
        QRect(SavedCoordinates::ToSaved(QPoint(200, 150), SavedCoordinates::PrimaryScreenWidth()), QSize(1000, 500));
    const std::string hex = record.ToHex();
    WindowPlacementRecord faraway;
    faraway.normalPosition = QRect(9000000, -7000000, 10, 10);
    const std::string file = dir.Write("damaged.cts",
                                       "[Toolbar]\r\n"
                                       "0=" +
                                           hex +
                                           "01\r\n"  // two of six cells
                                           "1=" +
                                           hex.substr(0, 37) +
                                           "\r\n"  // cut short
                                           "2=2C" +
                                           std::string(88, 'G') +
                                           "1111111\r\n"  // not hex
                                           "3=" +
                                           hex +
                                           "\r\n"  // no cells at all
                                           "4=" +
                                           hex + "1x0" + std::string(300, '1') +
                                           "\r\n"  // too many
                                           "5=" +
                                           faraway.ToHex() +
                                           "111111\r\n"
                                           "6=zz\r\n");
    ToolBar::Load(nullptr, nullptr, file.c_str());

    for (int palette = 0; palette <= 6; ++palette) ASSERT_NE(ToolBar::OpenPalette(palette), nullptr) << palette;
    EXPECT_EQ(ToolBar::OpenPalette(0)->pos(), QPoint(200, 150));
    EXPECT_EQ(ToolBar::WhichChecked(10000, 10005), 10001);
    EXPECT_EQ(ToolBar::IsChecked(10001), 1);
    for (int command = 10002; command <= 10005; ++command) EXPECT_EQ(ToolBar::IsChecked(command), 0);
    EXPECT_EQ(ToolBar::WhichChecked(10700, 10705), 0);
    EXPECT_EQ(ToolBar::WhichChecked(10100, 10106), 0);
    EXPECT_EQ(ToolBar::WhichChecked(10200, 10211), 0);
    EXPECT_EQ(ToolBar::IsChecked(10400), 1);
    EXPECT_EQ(ToolBar::IsChecked(10401), 1);  // any character but '0' checks
    EXPECT_EQ(ToolBar::IsChecked(10402), 0);
    // A position on no screen is brought back onto one.
    const QPoint far = ToolBar::OpenPalette(5)->pos();
    EXPECT_NE(QGuiApplication::screenAt(far), nullptr) << far.x() << "," << far.y();
    // The damaged records were reported: a cut or non-hex record (the same
    // internal number, shown once per run) and a wrong length.
    EXPECT_EQ(errors.reports.size(), 2u);
}

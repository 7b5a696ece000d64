// ReplaceGadget: the new button takes the old one's place and pressed state.
#include <QAction>
#include <QMainWindow>
#include <QPainter>
#include <QToolBar>

#include <gtest/gtest.h>

#include "controls/replace_gadget.h"

namespace {

QAction* Command(QObject* owner, int id, bool checkable = false)
{
    auto* action = new QAction(QStringLiteral("Command %1").arg(id), owner);
    action->setData(id);
    action->setObjectName(QStringLiteral("cmd%1").arg(id));
    action->setCheckable(checkable);
    return action;
}

QIcon Swatch(int glyph)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(glyph == 24735 ? Qt::red : Qt::green);
    return QIcon(pixmap);
}

QList<int> Ids(const QToolBar& bar)
{
    QList<int> ids;
    for (QAction* action : bar.actions()) ids << (action->isSeparator() ? 0 : action->data().toInt());
    return ids;
}

class ReplaceGadgetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetGadgetGlyphProvider([](int glyph) { return glyph >= 24000 ? Swatch(glyph) : QIcon(); });
    }
    void TearDown() override { SetGadgetGlyphProvider({}); }
};

}  // namespace

TEST_F(ReplaceGadgetTest, SwapsTheGlyphInPlaceAndKeepsThePressedState)
{
    QMainWindow frame;
    QToolBar* bar = frame.addToolBar("main");
    bar->addAction(Command(&frame, 20005));
    QAction* sound = Command(&frame, 20004, true);
    bar->addAction(sound);
    bar->addSeparator();
    bar->addAction(Command(&frame, 20002));
    sound->setChecked(true);
    sound->setEnabled(false);

    QAction* result = ReplaceGadget(bar, 20004, 20004, 24735);
    ASSERT_EQ(result, sound);  // the command keeps its one action
    EXPECT_EQ(Ids(*bar), (QList<int>{20005, 20004, 0, 20002}));
    EXPECT_TRUE(sound->isChecked());
    EXPECT_TRUE(sound->isEnabled());
    EXPECT_EQ(sound->icon().pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::red));

    sound->setChecked(false);
    ReplaceGadget(bar, 20004, 20004, 24734);
    EXPECT_FALSE(sound->isChecked());
    EXPECT_EQ(sound->icon().pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::green));
}

TEST_F(ReplaceGadgetTest, ReplacesOneCommandByAnother)
{
    QMainWindow frame;
    QToolBar* bar = frame.addToolBar("component");
    bar->addAction(Command(&frame, 23000));
    QAction* first = new QAction("first", bar);  // a button that belongs to the bar alone
    first->setData(23005);
    first->setCheckable(true);
    first->setChecked(true);
    bar->addAction(first);
    bar->addAction(Command(&frame, 23010));

    QAction* second = ReplaceGadget(bar, 23005, 23006, -1);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->data().toInt(), 23006);
    EXPECT_EQ(second->objectName(), "cmd23006");
    EXPECT_EQ(Ids(*bar), (QList<int>{23000, 23006, 23010}));
    EXPECT_TRUE(second->isChecked());

    // An action of the frame for the command is used rather than a new one.
    QAction* own = Command(&frame, 23005);
    QAction* back = ReplaceGadget(bar, 23006, 23005, -1);
    EXPECT_EQ(back, own);
    EXPECT_EQ(Ids(*bar), (QList<int>{23000, 23005, 23010}));
    EXPECT_TRUE(own->isChecked());
}

TEST_F(ReplaceGadgetTest, MissingOrLastButtonIsLeftAlone)
{
    QMainWindow frame;
    QToolBar* bar = frame.addToolBar("main");
    bar->addAction(Command(&frame, 1));
    bar->addAction(Command(&frame, 2));
    EXPECT_EQ(ReplaceGadget(bar, 3, 4, -1), nullptr);
    EXPECT_EQ(ReplaceGadget(bar, 2, 4, -1), nullptr);
    EXPECT_EQ(ReplaceGadget(nullptr, 1, 4, -1), nullptr);
    EXPECT_EQ(Ids(*bar), (QList<int>{1, 2}));
}

TEST_F(ReplaceGadgetTest, EachFrameKeepsItsOwnButtons)
{
    // Two component frames in one window, each with its own mode buttons.
    QMainWindow window;
    auto* central = new QWidget(&window);
    window.setCentralWidget(central);
    struct Frame {
        QToolBar* bar;
        QAction* notes;
        QAction* chord;
    };
    auto makeFrame = [central] {
        auto* widget = new QWidget(central);
        auto* bar = new QToolBar(widget);
        QAction* notes = Command(widget, 23005);
        QAction* chord = Command(widget, 23006);
        bar->addAction(notes);
        bar->addAction(Command(widget, 23010));
        return Frame{bar, notes, chord};
    };
    const Frame first = makeFrame();
    const Frame second = makeFrame();

    EXPECT_EQ(ReplaceGadget(second.bar, 23005, 23006, -1), second.chord);
    EXPECT_EQ(ReplaceGadget(first.bar, 23005, 23006, -1), first.chord);
    EXPECT_EQ(first.bar->actions().first(), first.chord);
    EXPECT_EQ(second.bar->actions().first(), second.chord);

    EXPECT_EQ(ReplaceGadget(second.bar, 23006, 23005, -1), second.notes);
    EXPECT_EQ(first.bar->actions().first(), first.chord);
    EXPECT_EQ(second.bar->actions().first(), second.notes);

    // A command the frame has no action for is still found in the window.
    QAction* windowOwn = Command(&window, 23020);
    EXPECT_EQ(ReplaceGadget(first.bar, 23006, 23020, -1), windowOwn);
}

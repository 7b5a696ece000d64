// The Connections window on the offscreen platform, driven with mouse and key
// events as a user would: hit tests, wiring by dragging, moving icons,
// renaming in place, the popup menu, scrolling, and following the studio.
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "app/studio/component_titles.h"
#include "app/shell/connections_commands.h"
#include "app/studio/connections/connections_view.h"
#include "app/studio/connections/layout_edit.h"
#include "app/studio/connections/layout_window.h"
#include "app/studio/connections_geometry.h"
#include "app/studio/connections_refresh.h"
#include "app/studio_fixture.h"

namespace {

class ConnectionsWindowTest : public StudioTest {
protected:
    void TearDown() override
    {
        delete ConnectionsWindow();
        StudioTest::TearDown();
    }

    ConnectionsView* Open()
    {
        EXPECT_TRUE(ToggleConnectionsWindow(studio));
        view = ConnectionsWindow()->View();
        return view;
    }

    // A mouse event at a point of the document.
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPointF local = view->ViewportPoint(at);
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, local, view->viewport()->mapToGlobal(local),
                          type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &event);
    }
    void Drag(QPoint from, QPoint to)
    {
        Mouse(QEvent::MouseButtonPress, from);
        Mouse(QEvent::MouseMove, (from + to) / 2);
        Mouse(QEvent::MouseMove, to);
        Mouse(QEvent::MouseButtonRelease, to);
    }
    static QPoint Output(ComponentNode* c, int k = 0) { return PortCentre(*c, c->InputCount + k); }
    static QPoint Input(ComponentNode* c, int k = 0) { return PortCentre(*c, k); }
    static QPoint Body(ComponentNode* c) { return {c->IconX + 16, c->IconY + 16}; }
    static QPoint Title(ComponentNode* c) { return TitleBox(*c).center(); }
    static QString TitleOf(ComponentNode* c) { return FrameOfComponent(c)->windowTitle(); }

    ConnectionsView* view = nullptr;
};

TEST_F(ConnectionsWindowTest, HitTestsFindPortsIconsAndTitles)
{
    JoinerClient* j = Joiner();
    SplitterClient* s = Splitter();
    j->IconX = 100, j->IconY = 100;
    s->IconX = 200, s->IconY = 100;
    const struct {
        QPoint p;
        int filter;
        ComponentNode* hit;
        int kind, index;
        QPoint moved;
    } cases[] = {
        {{108, 94}, AllPorts, j, InputPort, 0, {96, 106}},  // 12 pixels off in x and y
        {{96, 118}, AllPorts, j, InputPort, 0, {96, 106}},  // both inputs in reach: the first
        {{96, 119}, AllPorts, j, InputPort, 1, {96, 126}},
        {{110, 110}, AllPorts, j, BodyHit, 0, {110, 110}},
        {{131, 131}, AllPorts, j, BodyHit, 0, {131, 131}},
        {{140, 116}, AllPorts, j, OutputPort, 0, {135, 116}},
        {{140, 116}, InputPortsOnly, nullptr, 0, 0, {140, 116}},
        {{197, 110}, OutputPortsOnly, nullptr, 0, 0, {197, 110}},
        {{197, 110}, InputPortsOnly, s, InputPort, 0, {196, 116}},
        {{240, 125}, AllPorts, s, OutputPort, 1, {235, 126}},
        {{300, 300}, AllPorts, nullptr, 0, 0, {300, 300}},
    };
    for (const auto& c : cases) {
        QPoint p = c.p;
        int kind = -1, index = -1;
        ComponentNode* hit = HitTest(c.filter, p, kind, index);
        EXPECT_EQ(hit, c.hit) << c.p.x() << "," << c.p.y();
        if (!hit) continue;
        EXPECT_EQ(kind, c.kind) << c.p.x() << "," << c.p.y();
        EXPECT_EQ(index, c.index) << c.p.x() << "," << c.p.y();
        EXPECT_EQ(p, c.moved) << c.p.x() << "," << c.p.y();
    }
    EXPECT_EQ(HitTitle({84, 133}), j);
    EXPECT_EQ(HitTitle({147, 147}), j);
    EXPECT_EQ(HitTitle({148, 140}), nullptr);
    EXPECT_EQ(HitTitle({100, 148}), nullptr);
}

TEST_F(ConnectionsWindowTest, DraggingLinesConnectsAndDisconnects)
{
    Open();
    RecordingClient* keys = Recorder("Keys");
    JoinerClient* j = Joiner();
    RecordingClient* out = Recorder("Out");
    RecordingClient* other = Recorder("Other");

    // Output to a Joiner's second input.
    Drag(Output(keys), Input(j, 1));
    EXPECT_EQ(view->DragKind, 0);
    EXPECT_TRUE(j->Links[1].Holds(keys, j));
    EXPECT_TRUE(keys->Links[1].Holds(keys, j));
    EXPECT_EQ(keys->IconX, 16);  // laid out again: the source in the left column
    EXPECT_EQ(j->IconX, 80);

    // The link is drawn: its middle is not the background.
    const QImage picture = view->viewport()->grab().toImage();
    const QPoint middle = view->ViewportPoint((Output(keys) + Input(j, 1)) / 2);
    EXPECT_NE(picture.pixelColor(middle * picture.devicePixelRatio()), view->palette().color(QPalette::Base));

    // Dropped on a port of the same kind, or on nothing: no change.
    Drag(Output(j), Output(keys));
    EXPECT_TRUE(j->Links[2].Empty());
    Drag(Output(j), {600, 600});
    EXPECT_TRUE(j->Links[2].Empty());

    // Dropped on an icon body: that component's first port of the other kind.
    Drag(Output(j), Body(out));
    EXPECT_TRUE(out->Links[0].Holds(j, out));
    EXPECT_TRUE(j->Links[2].Holds(j, out));
    Drag(Input(other), Body(j));
    EXPECT_TRUE(other->Links[0].Holds(j, other));
    EXPECT_TRUE(out->Links[0].Empty());

    // Near enough to a port is on it; an input may start the line too.
    Drag(Input(out) + QPoint(-4, 5), Output(j) + QPoint(6, -6));
    EXPECT_TRUE(out->Links[0].Holds(j, out));
    EXPECT_TRUE(other->Links[0].Empty());

    // Connect replaces what the input held.
    Drag(Output(other), Input(j, 1));
    EXPECT_TRUE(j->Links[1].Holds(other, j));
    EXPECT_TRUE(keys->Links[1].Empty());

    // Back onto the port it started from: that port lets go of its link.
    Drag(Output(j), Output(j) + QPoint(3, 3));
    EXPECT_TRUE(j->Links[2].Empty());
    EXPECT_TRUE(out->Links[0].Empty());
    // So does a drop on the same component at the same index: the port
    // opposite, or the icon standing for a first port.
    Drag(Output(other), Input(other));
    EXPECT_TRUE(other->Links[1].Empty());
    EXPECT_TRUE(j->Links[1].Empty());
    EXPECT_TRUE(other->Links[0].Empty());
    Drag(Output(keys), Input(j, 0));
    Drag(Input(j, 0), Body(j));
    EXPECT_TRUE(j->Links[0].Empty());
    EXPECT_TRUE(keys->Links[1].Empty());

    // A Splitter's second output to its own input: a link to itself.
    SplitterClient* s = Splitter();
    Drag(Output(s, 1), Input(s));
    EXPECT_TRUE(s->Links[0].Holds(s, s));
}

TEST_F(ConnectionsWindowTest, DraggedIconsStayUntilAutomaticPositioning)
{
    Open();
    RecordingClient* keys = Recorder();
    SplitterClient* s = Splitter();
    Connect(keys, 0, s, 0);
    RefreshConnections();
    const QPoint automatic(keys->IconX, keys->IconY);

    Drag(Body(keys) + QPoint(5, 3), Body(keys) + QPoint(105, 203));
    EXPECT_EQ(QPoint(keys->IconX, keys->IconY), automatic + QPoint(100, 200));
    EXPECT_EQ(keys->ManualPosition, 1);
    EXPECT_EQ(QPoint(keys->StoredIconX, keys->StoredIconY), automatic + QPoint(100, 200));
    // A new component lays the others out again; the hand-placed icon stays.
    Recorder();
    EXPECT_EQ(QPoint(keys->IconX, keys->IconY), automatic + QPoint(100, 200));
    // Dragged past the page's top-left corner it stays where it can be reached.
    Drag(Body(keys), Body(keys) - QPoint(1000, 1000));
    EXPECT_EQ(QPoint(keys->IconX, keys->IconY), QPoint(0, 0));

    SetAllPositioning(false);
    EXPECT_EQ(keys->ManualPosition, 0);
    EXPECT_EQ(QPoint(keys->IconX, keys->IconY), automatic);
    SetAllPositioning(true);
    EXPECT_EQ(keys->ManualPosition, 1);
    EXPECT_EQ(s->ManualPosition, 1);
    EXPECT_EQ(QPoint(s->StoredIconX, s->StoredIconY), QPoint(s->IconX, s->IconY));
}

TEST_F(ConnectionsWindowTest, RenamingInPlace)
{
    Open();
    RecordingClient* keys = Recorder();
    SplitterClient* s = Splitter();
    ASSERT_TRUE(IsAutomaticTitle(TitleOf(keys)));

    // A double click on the title opens the edit on the title without its mark.
    Mouse(QEvent::MouseButtonDblClick, Title(keys));
    ASSERT_NE(view->RenameEdit, nullptr);
    EXPECT_EQ(view->RenameEdit->text(), QStringLiteral("Keyboard 1"));
    EXPECT_EQ(view->RenameEdit->selectedText(), QStringLiteral("Keyboard 1"));
    QTest::keyClicks(view->RenameEdit, "Bass");
    QTest::keyClick(view->RenameEdit, Qt::Key_Return);
    EXPECT_EQ(view->RenameEdit, nullptr);
    EXPECT_EQ(TitleOf(keys), QStringLiteral("Bass"));

    // Escape keeps the title.
    view->StartRename(keys);
    QTest::keyClicks(view->RenameEdit, "Lead");
    QTest::keyClick(view->RenameEdit, Qt::Key_Escape);
    EXPECT_EQ(TitleOf(keys), QStringLiteral("Bass"));

    // A title another component shows is refused; the edit stays open.
    view->MenuTarget = s;
    view->IconCommand(ConnectionsCommand::Rename);
    ASSERT_NE(view->RenameEdit, nullptr);
    QTest::keyClicks(view->RenameEdit, "Bass");
    QTest::keyClick(view->RenameEdit, Qt::Key_Return);
    ASSERT_NE(view->RenameEdit, nullptr);
    EXPECT_TRUE(IsAutomaticTitle(TitleOf(s)));
    // A click elsewhere ends it, dropping the refused title.
    Mouse(QEvent::MouseButtonPress, {500, 500});
    Mouse(QEvent::MouseButtonRelease, {500, 500});
    EXPECT_EQ(view->RenameEdit, nullptr);
    EXPECT_EQ(VisibleTitle(TitleOf(s)), QStringLiteral("Splitter 2"));
    // Nor may a user title look like another's automatic one.
    view->StartRename(keys);
    QTest::keyClicks(view->RenameEdit, "Splitter 2");
    QTest::keyClick(view->RenameEdit, Qt::Key_Return);
    EXPECT_NE(view->RenameEdit, nullptr);
    QTest::keyClick(view->RenameEdit, Qt::Key_Escape);

    // Emptied, the title becomes an automatic one again.
    view->StartRename(keys);
    QTest::keyClick(view->RenameEdit, Qt::Key_Delete);
    QTest::keyClick(view->RenameEdit, Qt::Key_Return);
    EXPECT_EQ(TitleOf(keys), QStringLiteral("Keyboard 3") + QChar(AutomaticTitleMark));

    // User titles ending in characters whose last UTF-8 byte is 0xA0 are kept.
    view->StartRename(keys);
    view->RenameEdit->insert(QStringLiteral("Voil\u00e0"));
    QTest::keyClick(view->RenameEdit, Qt::Key_Return);
    s->Frame()->setWindowTitle(QStringLiteral("\u0420"));
    const std::string path = scratch.File("titles.cts");
    ASSERT_TRUE(studio->SaveStudio(path.c_str()));
    ASSERT_TRUE(studio->LoadStudio(path.c_str(), true, false));
    const QList<mmMDIChild*> frames = studio->Frames();
    ASSERT_EQ(frames.size(), 2);
    EXPECT_EQ(frames[0]->windowTitle(), QStringLiteral("Voil\u00e0"));
    EXPECT_EQ(frames[1]->windowTitle(), QStringLiteral("\u0420"));
}

TEST_F(ConnectionsWindowTest, PopupMenuActsOnItsIcon)
{
    Open();
    SplitterClient* s = Splitter();
    RefreshConnections();
    ASSERT_EQ(s->PassThrough, 1);
    auto choose = [this](const char* name) {
        QTimer::singleShot(0, [name] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            menu->setActiveAction(menu->findChild<QAction*>(QString::fromUtf8(name)));
            QTest::keyClick(menu, Qt::Key_Return);
        });
    };
    choose("cmd9070");
    Mouse(QEvent::MouseButtonPress, Body(s), Qt::RightButton);
    EXPECT_EQ(s->PassThrough, 0);
    EXPECT_EQ(view->MenuTarget, s);

    choose("cmd9072");
    Mouse(QEvent::MouseButtonPress, Body(s), Qt::RightButton);
    EXPECT_EQ(s->ManualPosition, 1);
    // A right click on a port opens nothing.
    bool opened = false;
    QTimer::singleShot(50, [&opened] {
        if (QWidget* menu = QApplication::activePopupWidget()) {
            opened = true;
            menu->close();
        }
    });
    Mouse(QEvent::MouseButtonPress, Input(s), Qt::RightButton);
    QTest::qWait(100);
    EXPECT_FALSE(opened);
}

TEST_F(ConnectionsWindowTest, ScrollKeysMoveOverTheDocument)
{
    Open();
    ConnectionsWindow()->resize(220, 200);
    // Twelve in a chain and twenty loose ones: wider and taller than the view.
    std::vector<RecordingClient*> chain;
    for (int i = 0; i < 12; ++i) chain.push_back(Recorder());
    for (int i = 0; i + 1 < 12; ++i) Connect(chain[i], 0, chain[i + 1], 0);
    for (int i = 0; i < 20; ++i) Recorder();
    RefreshConnections();
    QScrollBar* v = view->verticalScrollBar();
    QScrollBar* h = view->horizontalScrollBar();
    EXPECT_EQ(v->maximum(), DocumentExtent().height() - view->viewport()->height());
    EXPECT_EQ(h->maximum(), DocumentExtent().width() - view->viewport()->width());

    const struct {
        Qt::Key key;
        int vertical, horizontal;
    } steps[] = {
        {Qt::Key_End, v->maximum(), 0}, {Qt::Key_Home, 0, 0},    {Qt::Key_Down, 16, 0},
        {Qt::Key_PageDown, 80, 0},      {Qt::Key_Up, 64, 0},     {Qt::Key_PageUp, 0, 0},
        {Qt::Key_Right, 0, 64},         {Qt::Key_Right, 0, 128}, {Qt::Key_Left, 0, 64},
    };
    for (const auto& step : steps) {
        QTest::keyClick(view, step.key);
        EXPECT_EQ(v->value(), step.vertical) << step.key;
        EXPECT_EQ(h->value(), step.horizontal) << step.key;
    }
    // Points are in document coordinates wherever the view is scrolled.
    QTest::keyClick(view, Qt::Key_End);
    Drag(Output(chain[0]), Input(chain[11]));
    EXPECT_TRUE(chain[11]->Links[0].Holds(chain[0], chain[11]));
}

TEST_F(ConnectionsWindowTest, FollowsTheStudio)
{
    Open();
    RecordingClient* keys = Recorder();
    SplitterClient* s = Splitter();
    // A new component is laid out at once.
    EXPECT_EQ(QPoint(s->IconX, s->IconY), QPoint(16, 72));
    Connect(keys, 0, s, 0);
    view->StartRename(s);
    view->MenuTarget = s;

    // Closing a component ends its rename and forgets it.
    delete s->Frame();
    EXPECT_EQ(view->RenameEdit, nullptr);
    EXPECT_EQ(view->MenuTarget, nullptr);
    EXPECT_TRUE(keys->Links[1].Empty());
    EXPECT_EQ(DocumentExtent(), QSize(16 + 38, 16 + 48));
    view->IconCommand(ConnectionsCommand::PassNotesThrough);  // on nothing
    EXPECT_FALSE(view->viewport()->grab().isNull());

    // Closing the studio leaves an empty window; closing the window ends
    // the redrawing.
    ASSERT_TRUE(studio->CloseStudio());
    EXPECT_EQ(view->verticalScrollBar()->maximum(), 0);
    EXPECT_FALSE(ToggleConnectionsWindow(studio));
    EXPECT_EQ(ConnectionsWindow(), nullptr);
    Recorder();  // no window to tell
}

}  // namespace

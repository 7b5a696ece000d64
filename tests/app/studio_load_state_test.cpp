// What a load leaves behind besides the components: which frame is active,
// where the minimised frames lie, how the frames stack, and how often the
// Connections window had to be redrawn.
#include <QAction>
#include <QKeySequence>
#include <QMdiSubWindow>
#include <QMenu>

#include <vector>

#include "app/studio/connections_refresh.h"
#include "studio_fixture.h"

namespace {

class StudioLoadStateTest : public StudioTest {
protected:
    std::string Save(const char* name)
    {
        const std::string path = scratch.File(name);
        EXPECT_TRUE(studio->SaveStudio(path.c_str()));
        return path;
    }

    std::vector<mmMDIChild*> Frames() const
    {
        const QList<mmMDIChild*> frames = studio->Frames();
        return {frames.begin(), frames.end()};
    }

    // Position in the stacking order, 0 at the bottom.
    int StackIndex(QMdiSubWindow* frame) const
    {
        return int(studio->subWindowList(QMdiArea::StackingOrder).indexOf(frame));
    }
};

TEST_F(StudioLoadStateTest, TheLastFrameIsActiveAndTheMinimisedOnesLieInARow)
{
    RecordingClient* keys = Recorder("Keys");
    keys->Frame()->showNormal();
    keys->Frame()->setGeometry(40, 30, 300, 200);
    for (int i = 0; i < 6; ++i) Splitter();  // minimised when made
    const std::string path = Save("row.cts");

    ASSERT_TRUE(studio->LoadStudio(path.c_str(), true, false));
    const std::vector<mmMDIChild*> frames = Frames();
    ASSERT_EQ(frames.size(), 7u);
    EXPECT_EQ(studio->activeSubWindow(), frames.back());
    EXPECT_EQ(mmMDIChild::ActiveComponent(), frames.back());
    EXPECT_TRUE(frames.back()->isMinimized());
    EXPECT_FALSE(StudioModified());

    EXPECT_FALSE(frames[0]->isMinimized());
    EXPECT_NEAR(frames[0]->geometry().left(), 40, 1);
    // Laid out in rows from the bottom of the studio, none over another.
    const QRect view = studio->viewport()->rect();
    for (std::size_t i = 1; i < frames.size(); ++i) {
        const QRect icon = frames[i]->geometry();
        ASSERT_TRUE(frames[i]->isMinimized()) << i;
        EXPECT_TRUE(view.contains(icon)) << i;
        EXPECT_GT(icon.top(), view.height() / 2) << i;
        for (std::size_t j = 1; j < i; ++j) EXPECT_FALSE(icon.intersects(frames[j]->geometry())) << i << " " << j;
        // Minimised frames stay under the normal one.
        EXPECT_LT(StackIndex(frames[i]), StackIndex(frames[0])) << i;
    }
}

TEST_F(StudioLoadStateTest, InsertedFramesTakeOverFromAMaximisedOne)
{
    Recorder()->Frame()->showNormal();
    const std::string path = Save("one.cts");
    studio->AskToSave = [] { return QMessageBox::No; };
    studio->CloseStudio();

    mmMDIChild* big = Recorder("Big")->Frame();
    big->showMaximized();
    studio->setActiveSubWindow(big);
    ASSERT_TRUE(studio->LoadStudio(path.c_str(), false, false));

    const std::vector<mmMDIChild*> frames = Frames();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_FALSE(big->isMaximized());
    EXPECT_FALSE(frames[1]->isMaximized());  // its stored state, not the one it took over
    EXPECT_EQ(studio->activeSubWindow(), frames[1]);
    EXPECT_GT(StackIndex(frames[1]), StackIndex(big));
}

TEST_F(StudioLoadStateTest, LoadingAndClosingRedrawTheConnectionsWindowOnce)
{
    ComponentNode* previous = nullptr;
    for (int i = 0; i < 12; ++i) {
        ComponentNode* node = i % 2 ? static_cast<ComponentNode*>(Joiner()) : Splitter();
        if (previous) Connect(previous, 0, node, 0);
        previous = node;
    }
    const std::string path = Save("chain.cts");
    int refreshes = 0;
    SetConnectionsRefresher([&refreshes] { ++refreshes; });
    struct Uninstall {
        ~Uninstall() { SetConnectionsRefresher({}); }
    } uninstall;

    studio->AskToSave = [] { return QMessageBox::No; };
    studio->CloseStudio();
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(ComponentCount(), 0);

    refreshes = 0;
    ASSERT_TRUE(studio->LoadStudio(path.c_str(), false, false));
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(ComponentCount(), 12);

    // Single changes still redraw at once.
    refreshes = 0;
    delete Frames().back();
    EXPECT_EQ(refreshes, 1);
}

TEST_F(StudioLoadStateTest, LoadedFramesKeepTheirCloseShortcut)
{
    RecordingClient* keys = Recorder("Keys");
    keys->Frame()->showNormal();
    Splitter();
    const QList<QKeySequence> close = QKeySequence::keyBindings(QKeySequence::Close);
    ASSERT_FALSE(close.isEmpty());
    const std::string path = Save("close.cts");

    ASSERT_TRUE(studio->LoadStudio(path.c_str(), true, false));
    const std::vector<mmMDIChild*> frames = Frames();
    ASSERT_EQ(frames.size(), 2u);
    for (mmMDIChild* frame : frames) {
        int withShortcut = 0;
        for (QAction* action : frame->systemMenu()->actions())
            if (action->shortcuts() == close) {
                ++withShortcut;
                EXPECT_TRUE(action->isEnabled());
            }
        EXPECT_EQ(withShortcut, 1);
    }
    // Held back twice, given back once: still there.
    frames[0]->HoldCloseShortcut();
    frames[0]->HoldCloseShortcut();
    frames[0]->ReleaseCloseShortcut();
    int found = 0;
    for (QAction* action : frames[0]->systemMenu()->actions()) found += action->shortcuts() == close;
    EXPECT_EQ(found, 1);
}

}  // namespace

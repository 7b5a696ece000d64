// The main window: menu 100, the tool bar, accelerators, hints, All Sound
// Off, the Toolbar toggle, F1, window arrangement and dropped files.
#include <QAction>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

#include "app/commands/shell_commands.h"
#include "app/shell/window_menu.h"
#include "core/studio/component_types.h"
#include "core/studio/studio_modified.h"
#include "core/midi/capture_backend.h"
#include "core/midi/midi_dev.h"
#include "shell_fixture.h"

namespace {

// Ids of a menu's items, 0 for each separator.
std::vector<int> ItemIds(const QList<QAction*>& actions)
{
    std::vector<int> ids;
    for (QAction* a : actions) ids.push_back(a->isSeparator() ? 0 : a->data().toInt());
    return ids;
}

class MainWindowTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        StartShown();  // no template: an empty studio
        ASSERT_EQ(errors.Numbers(), std::vector<int>{437});
        errors.Clear();
        QApplication::setActiveWindow(frame);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    }

    mmMDIChild* NewComponent(int kind)
    {
        studio->ChooseNewComponent = [kind] { return kind; };
        frame->Command(24331);
        return mmMDIChild::ActiveComponent();
    }

    QAction* Action(int id) { return frame->Actions().Find(id); }
};

TEST_F(MainWindowTest, MenuHoldsEveryItemInOrderWithItsTextAndHint)
{
    const QList<QAction*> menus = frame->menuBar()->actions();
    QStringList titles;
    for (QAction* m : menus) titles << m->text();
    EXPECT_EQ(titles,
              QStringList({"&File", "&Edit", "&View", "&Options", "&Studio", "&Component", "&Window", "&Help"}));

    const std::vector<std::vector<int>> expected = {
        {24331, 24332, 24339, 0, 24310},
        {24322, 24323, 24324, 24325},
        {20002, 9074, 9073, 0, 20012},
        {20004, 0, 20005, 0, 20006, 20013},
        {124, 20000, 20001, 105, 20016, 0, 20017},
        {101, 23020, 111, 0, 102, 103, 0, 23010, 23003, 23004, 0, 23000, 23002},
        {24361, 24363, 24364, 24365},
        {24381, 24382, 24384, 24383, 0, 9075, 0, 24389},
    };
    ASSERT_EQ(menus.size(), qsizetype(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const QList<QAction*> items = menus[qsizetype(i)]->menu()->actions();
        EXPECT_EQ(ItemIds(items), expected[i]) << titles[qsizetype(i)].toStdString();
        for (QAction* item : items) {
            if (item->isSeparator()) continue;
            EXPECT_EQ(item->objectName(), QStringLiteral("cmd%1").arg(item->data().toInt()));
            EXPECT_FALSE(item->statusTip().isEmpty()) << "no hint for " << item->data().toInt();
            // A disabled command says why in its hint.
            if (!item->isEnabled()) {
                EXPECT_NE(item->statusTip(), CommandHint(item->data().toInt())) << item->data().toInt();
            }
        }
    }
    EXPECT_EQ(Action(24310)->text(), "E&xit\tAlt+F4");
    EXPECT_EQ(Action(23010)->text(), "&Find chord, etc...\tCtrl+F");
    EXPECT_TRUE(Action(20005)->statusTip().startsWith("Set general preferences: music, chords, notation..."));
}

TEST_F(MainWindowTest, ToolBarHasItsButtonsInOrderWithPictures)
{
    QToolBar* bar = frame->MainToolBar();
    EXPECT_EQ(bar->objectName(), "id20012");
    EXPECT_EQ(ItemIds(bar->actions()),
              (std::vector<int>{124, 20000, 20001, 20016, 0,     20017, 0,    24331, 0,     24322, 24323, 24324,
                                0,   20005, 20004, 0,     20002, 9073,  9074, 0,     24361, 24363, 0,     24381}));
    for (QAction* a : bar->actions()) {
        if (a->isSeparator()) continue;
        EXPECT_FALSE(a->icon().isNull()) << a->data().toInt();
    }
    // A button is the same command as its menu item.
    EXPECT_EQ(bar->actions()[0], Action(124));
}

TEST_F(MainWindowTest, CommandsNeedingAComponentFollowTheActiveOne)
{
    EXPECT_FALSE(Action(24322)->isEnabled());
    EXPECT_FALSE(Action(101)->isEnabled());
    EXPECT_TRUE(Action(124)->isEnabled());
    EXPECT_FALSE(Action(24325)->isEnabled());  // Delete has no handler
    NewComponent(ComponentKind::Analyzer);
    EXPECT_TRUE(Action(24322)->isEnabled());
    EXPECT_TRUE(Action(101)->isEnabled());
    EXPECT_FALSE(Action(24325)->isEnabled());
}

TEST_F(MainWindowTest, AcceleratorsReachTheirCommands)
{
    mmMDIChild* component = NewComponent(ComponentKind::Analyzer);
    ASSERT_NE(component, nullptr);
    mmMDIChildClient* client = component->Client();

    QTest::keyClick(frame, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(client->Mode, NotesMode);
    QTest::keyClick(frame, Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(client->Mode, ChordMode);
    const int sound = client->SoundOn;
    QTest::keyClick(frame, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_NE(client->SoundOn, sound);
    EXPECT_TRUE(Action(101)->isChecked() == (client->SoundOn == 1));

    // Ctrl+O opens the Connections window once something carries it out.
    int connections = 0;
    frame->SetCommandHandler(20002, [&] { ++connections; });
    QTest::keyClick(frame, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(connections, 1);

    // Both keys of a command reach it.
    EXPECT_EQ(Action(24323)->shortcuts(), QList<QKeySequence>({QKeySequence(Qt::ControlModifier | Qt::Key_Insert),
                                                               QKeySequence(Qt::ControlModifier | Qt::Key_C)}));
    EXPECT_EQ(Action(23004)->shortcut(), QKeySequence(Qt::AltModifier | Qt::Key_Right));
}

TEST_F(MainWindowTest, PendingCommandsAreDisabledUntilHandled)
{
    frame->SetCommandHandler(20005, nullptr);  // as before the program installs its own
    EXPECT_FALSE(Action(20005)->isEnabled());
    int runs = 0;
    frame->SetCommandHandler(20005, [&] { ++runs; });
    EXPECT_TRUE(Action(20005)->isEnabled());
    Action(20005)->trigger();
    EXPECT_EQ(runs, 1);
}

TEST_F(MainWindowTest, AllSoundOffTwiceReturnsToSound)
{
    MidiDev* midi = MidiDev::lastmidi;
    ASSERT_NE(midi, nullptr);
    ASSERT_EQ(midi->mute, 0);
    auto picture = [&] {
        for (QAction* a : frame->MainToolBar()->actions())
            if (a->data().toInt() == 20004) return a->property("picture").toInt();
        return -1;
    };
    EXPECT_EQ(picture(), ShellPicture::SoundOn);
    CaptureBackend::Active()->ClearMessages();

    frame->Command(20004);
    EXPECT_EQ(midi->mute, 1);
    EXPECT_EQ(picture(), ShellPicture::SoundOff);
    EXPECT_TRUE(Action(20004)->isChecked());
    EXPECT_GT(CaptureBackend::Active()->MessageCount(), 0u);  // the device was reset

    frame->Command(20004);
    EXPECT_EQ(midi->mute, 0);
    EXPECT_EQ(picture(), ShellPicture::SoundOn);
    EXPECT_FALSE(Action(20004)->isChecked());
    // The button stays where it was.
    EXPECT_EQ(frame->MainToolBar()->actions().indexOf(Action(20004)), 14);
}

TEST_F(MainWindowTest, ToolbarCommandHidesAndShowsTheBar)
{
    EXPECT_TRUE(Action(20012)->isChecked());
    frame->Command(20012);
    EXPECT_TRUE(frame->MainToolBar()->isHidden());
    EXPECT_FALSE(Action(20012)->isChecked());
    frame->Command(20012);
    EXPECT_FALSE(frame->MainToolBar()->isHidden());
    EXPECT_TRUE(Action(20012)->isChecked());
}

TEST_F(MainWindowTest, F1OpensTheHelpOfTheActiveComponent)
{
    QTest::keyClick(frame->windowHandle(), Qt::Key_F1);
    ASSERT_EQ(help.shown.size(), 1u);
    EXPECT_EQ(help.shown.back().second, 0);  // the contents

    NewComponent(ComponentKind::Joiner);
    mmMDIChild::ActiveComponent()->Client()->setFocus();
    QTest::keyClick(frame->windowHandle(), Qt::Key_F1);
    ASSERT_EQ(help.shown.size(), 2u);  // seen once, though offered to every parent
    EXPECT_EQ(help.shown.back().second, ComponentType::Joiner);
}

TEST_F(MainWindowTest, HelpCommandsOpenTheirTopics)
{
    frame->Command(24384);
    frame->Command(24383);
    frame->Command(24381);
    frame->Command(24382);
    std::vector<int> topics;
    for (const auto& shown : help.shown) topics.push_back(shown.second);
    EXPECT_EQ(topics, (std::vector<int>{150, 152, 0, 24382}));
    EXPECT_EQ(frame->HelpUsed, 1);  // the pages exist beside the library
}

TEST_F(MainWindowTest, WindowCommandsArrangeAndCloseComponents)
{
    NewComponent(ComponentKind::Splitter);
    NewComponent(ComponentKind::Joiner);
    const int before = int(studio->subWindowList().size());
    frame->Command(24363);  // tile: no two windows overlap
    const auto windows = studio->subWindowList();
    for (int i = 0; i < windows.size(); ++i)
        for (int j = i + 1; j < windows.size(); ++j)
            EXPECT_FALSE(windows[i]->geometry().intersects(windows[j]->geometry()));
    frame->Command(24365);
    EXPECT_EQ(studio->subWindowList().size(), 0);
    EXPECT_GT(before, 0);
}

TEST_F(MainWindowTest, WindowMenuListsTheComponentsAndActivatesTheChosenOne)
{
    QMenu* menu = frame->menuBar()->findChild<QMenu*>("menuWindow");
    ASSERT_NE(menu, nullptr);
    auto listed = [&] {
        emit menu->aboutToShow();
        QStringList entries;
        for (QAction* a : frame->Windows().Entries()) entries << (a->isChecked() ? "*" : "") + a->text();
        return entries;
    };
    EXPECT_TRUE(listed().isEmpty());
    mmMDIChild* first = NewComponent(ComponentKind::Analyzer);
    NewComponent(ComponentKind::Splitter);  // starts minimised
    NewComponent(ComponentKind::Analyzer);
    studio->Frames()[1]->setWindowTitle("Bass");
    EXPECT_EQ(listed(), QStringList({"&1 Analyzer 1", "&2 Bass", "*&3 Analyzer 3"}));
    EXPECT_EQ(menu->actions().size(), 4 + 1 + 3);  // the commands, a separator, the windows

    frame->Windows().Entries()[0]->trigger();
    EXPECT_EQ(mmMDIChild::ActiveComponent(), first);
    frame->Windows().Entries()[1]->trigger();  // a minimised one comes back
    EXPECT_FALSE(studio->Frames()[1]->isMinimized());
    EXPECT_EQ(listed(), QStringList({"&1 Analyzer 1", "*&2 Bass", "&3 Analyzer 3"}));

    delete first;
    EXPECT_EQ(listed().size(), 2);
}

TEST_F(MainWindowTest, DroppedFilesOpenStudiosOnly)
{
    const int before = int(studio->Frames().size());
    ClearStudioModified();
    auto drop = [&](const std::string& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
        QDragEnterEvent enter(QPoint(50, 80), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(frame, &enter);
        QDropEvent event(QPointF(50, 80), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(frame, &event);
    };
    drop(scratch.Write("notes.txt", "C E G\n"));
    EXPECT_EQ(studio->Frames().size(), before);
    EXPECT_FALSE(StudioModified());
    EXPECT_TRUE(errors.Empty());

    const std::string studioFile = scratch.Write("one.cts", "[Windows]\n0=513\n");
    drop(studioFile);
    EXPECT_EQ(studio->Frames().size(), 0);
    EXPECT_EQ(studio->StudioPath(), studioFile);
    EXPECT_EQ(frame->windowTitle(), "Cantrel Studio - one");
}

}  // namespace

// The View menu's Connections commands in the whole program.
#include <QAction>
#include <QMdiSubWindow>

#include "app/commands/shell_commands.h"
#include "app/commands/studio_commands.h"
#include "app/studio/component_factory.h"
#include "core/studio/component_node.h"
#include "core/studio/component_types.h"
#include "app/studio/connections/layout_window.h"
#include "app/shell_fixture.h"

namespace {

using ConnectionsCommandsTest = ShellTest;

TEST_F(ConnectionsCommandsTest, ViewMenuOpensClosesAndPositions)
{
    StartShown();
    QApplication::setActiveWindow(frame);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    QAction* toggle = frame->Actions().Find(ShellCommand::Connections);
    ASSERT_NE(toggle, nullptr);
    EXPECT_TRUE(toggle->isEnabled());
    EXPECT_FALSE(toggle->isChecked());
    ComponentNode* first = CreateComponent(studio, ComponentKind::Splitter, false)->Client();
    ComponentNode* second = CreateComponent(studio, ComponentKind::Joiner, false)->Client();

    QTest::keyClick(frame, Qt::Key_O, Qt::ControlModifier);
    ASSERT_NE(ConnectionsWindow(), nullptr);
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_EQ(ConnectionsWindow()->windowTitle(), QStringLiteral("Connections"));
    studio->setActiveSubWindow(ConnectionsWindow());
    EXPECT_EQ(studio->HelpContext, 1);

    frame->Command(ShellCommand::ManualPositioning);
    EXPECT_EQ(first->ManualPosition + second->ManualPosition, 2);
    first->StoredIconX = 500;
    frame->Command(ShellCommand::AutomaticPositioning);
    EXPECT_EQ(first->ManualPosition + second->ManualPosition, 0);
    EXPECT_EQ(first->IconX, 16);

    // Closed by itself, the window takes the check mark along.
    ConnectionsWindow()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(ConnectionsWindow(), nullptr);
    EXPECT_FALSE(toggle->isChecked());
    frame->Command(ShellCommand::Connections);
    EXPECT_TRUE(toggle->isChecked());
    frame->Command(ShellCommand::Connections);
    EXPECT_EQ(ConnectionsWindow(), nullptr);
    EXPECT_FALSE(toggle->isChecked());
}

TEST_F(ConnectionsCommandsTest, TheWindowOpensInsideTheStudioAndStaysInViewAfterNew)
{
    ShipTemplates();
    StartShown();
    QApplication::setActiveWindow(frame);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    QAction* toggle = frame->Actions().Find(ShellCommand::Connections);
    for (const QSize size : {QSize(1280, 800), QSize(1024, 700), QSize(800, 600), QSize(640, 480), QSize(420, 320)}) {
        frame->resize(size);
        frame->Command(StudioCommand::New);
        QTest::keyClick(frame, Qt::Key_O, Qt::ControlModifier);
        ASSERT_NE(ConnectionsWindow(), nullptr);
        const QRect area(QPoint(), studio->viewport()->size());
        EXPECT_TRUE(area.contains(ConnectionsWindow()->geometry())) << size.width() << "x" << size.height();

        // A new studio stacks its frames on top; the window stays above them.
        frame->Command(StudioCommand::New);
        ASSERT_EQ(ComponentCount(), 4);
        EXPECT_TRUE(toggle->isChecked());
        EXPECT_EQ(studio->subWindowList(QMdiArea::StackingOrder).last(), ConnectionsWindow());
        QTest::keyClick(frame, Qt::Key_O, Qt::ControlModifier);
        EXPECT_EQ(ConnectionsWindow(), nullptr);
        EXPECT_FALSE(toggle->isChecked());
    }
}

}  // namespace

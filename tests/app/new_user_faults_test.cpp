// What a new user met in the first hour: cascaded windows too small to use,
// a minimised component restored as a title strip, a message hidden under
// the start-up banner, an information shown as an error, commands offered
// where they do nothing, and the Edit menu not reaching the component.
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>

#include "app/components/analyzer/analyzer_client.h"
#include "app/components/analyzer/history_list.h"
#include "app/shell/error_dialog.h"
#include "app/commands/shell_commands.h"
#include "app/commands/component_commands.h"
#include "core/studio/component_types.h"
#include "app/commands/studio_commands.h"
#include "shell_fixture.h"

namespace {

class NewUserFaultTest : public ShellTest {
protected:
    void StartEmpty()
    {
        ASSERT_TRUE(StartActive());  // no template: an empty studio
    }

    mmMDIChild* NewComponent(int kind)
    {
        studio->ChooseNewComponent = [kind] { return kind; };
        frame->Command(StudioCommand::NewComponent);
        return mmMDIChild::ActiveComponent();
    }

    // Runs check on every modal dialog that comes up, then closes it.
    void OnModalDialogs(std::function<void(QDialog*)> check)
    {
        QObject::connect(&poll, &QTimer::timeout, &poll, [check] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible()) return;
            check(dialog);
            dialog->accept();
        });
        poll.start(10);
    }

    QTimer poll;
};

TEST_F(NewUserFaultTest, CascadedWindowsKeepTheirSizes)
{
    StartEmpty();
    frame->resize(1000, 760);
    std::vector<QSize> sizes;
    for (int i = 0; i < 3; ++i) {
        mmMDIChild* component = NewComponent(i == 1 ? ComponentKind::Splitter : ComponentKind::Analyzer);
        component->showNormal();
        component->setGeometry(20 * i, 20 * i, 300 + 20 * i, 220);
        sizes.push_back(component->size());
    }
    frame->Command(ShellCommand::Cascade);
    const QList<mmMDIChild*> frames = studio->Frames();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(frames[i]->size(), sizes[std::size_t(i)]) << "window " << i;

    // A maximised window comes back at the size it had before.
    frames[0]->showMaximized();
    frame->Command(ShellCommand::Cascade);
    EXPECT_EQ(frames[0]->size(), sizes[0]);

    // One as large as the area is cut to end at its edges, not beyond.
    const QSize area = studio->viewport()->size();
    frames[2]->setGeometry(QRect(QPoint(0, 0), area));
    frame->Command(ShellCommand::Cascade);
    for (mmMDIChild* f : frames) {
        EXPECT_TRUE(QRect(QPoint(0, 0), area).contains(f->geometry())) << f->windowTitle().toStdString();
        EXPECT_GE(f->width(), mmMDIChild::DefaultSize.width());
    }
    EXPECT_GT(frames[2]->width(), area.width() * 3 / 4);
    EXPECT_EQ(frames[0]->size(), sizes[0]);
}

TEST_F(NewUserFaultTest, MinimisedComponentComesBackAtItsSavedRectangle)
{
    StartEmpty();
    mmMDIChild* analyzer = NewComponent(ComponentKind::Analyzer);
    const QRect normal(64, 48, 360, 240);
    analyzer->setGeometry(normal);
    analyzer->showMinimized();
    // A Splitter starts minimised and was never shown at any other size.
    NewComponent(ComponentKind::Splitter);
    const std::string file = scratch.Path() + "/minimised.cts";
    ASSERT_TRUE(studio->SaveStudio(file.c_str()));
    // As a user meets it: the next start opens the studio.
    app.reset();
    StartShown(QuietOptions(), QString::fromStdString(file));

    const QList<mmMDIChild*> loaded = studio->Frames();
    ASSERT_EQ(loaded.size(), 2);
    for (mmMDIChild* frame : loaded) {
        EXPECT_TRUE(frame->isMinimized());
        frame->showNormal();
        // Its contents are there again, not a bare title strip.
        EXPECT_TRUE(frame->Client()->isVisible());
        EXPECT_GE(frame->Client()->height(), 100);
    }
    // Saved in 1/16384 of the screen width: a pixel either way.
    const QRect back = loaded[0]->geometry();
    EXPECT_NEAR(back.left(), normal.left(), 1);
    EXPECT_NEAR(back.top(), normal.top(), 1);
    EXPECT_NEAR(back.width(), normal.width(), 1);
    EXPECT_NEAR(back.height(), normal.height(), 1);
    EXPECT_EQ(loaded[1]->size(), mmMDIChild::DefaultSize);
}

TEST_F(NewUserFaultTest, NoMessageHidesUnderTheStartUpBanner)
{
    mmApp::Options options = QuietOptions();
    options.banner = true;
    options.errorDialog = true;
    const std::string broken = scratch.Write("broken.cts", "not a studio\n");
    int dialogs = 0, underBanner = 0;
    OnModalDialogs([&](QDialog*) {
        ++dialogs;
        if (app->StartBanner() && app->StartBanner()->isVisible()) ++underBanner;
    });
    StartShown(options, QString::fromStdString(broken));
    EXPECT_EQ(dialogs, 2);  // 407 for the studio, 437 for the missing template
    EXPECT_EQ(underBanner, 0);
}

TEST_F(NewUserFaultTest, NoStudioHelpIsInformationNotAnError)
{
    StartEmpty();
    InstallErrorDialogPresenter();
    QImage shown, information, critical;
    QString title;
    OnModalDialogs([&](QDialog* dialog) {
        title = dialog->windowTitle();
        for (QLabel* label : dialog->findChildren<QLabel*>())
            if (!label->pixmap().isNull()) shown = label->pixmap().toImage();
        const int size = dialog->style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, dialog);
        information = dialog->style()
                          ->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, dialog)
                          .pixmap(size, size)
                          .toImage();
        critical =
            dialog->style()->standardIcon(QStyle::SP_MessageBoxCritical, nullptr, dialog).pixmap(size, size).toImage();
    });
    frame->Command(StudioCommand::StudioHelp);
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown, information);
    EXPECT_NE(shown, critical);
    EXPECT_FALSE(title.contains("Error"));
}

TEST_F(NewUserFaultTest, InstrumentCommandsOnlyWhereTheyAct)
{
    StartEmpty();
    const int instrumentOnly[] = {ComponentCommand::Sound, ComponentCommand::Play,  ComponentCommand::Reset,
                                  ComponentCommand::Notes, ComponentCommand::Chord, ComponentCommand::ChangeSettings};
    for (int kind : {ComponentKind::Splitter, ComponentKind::Joiner, ComponentKind::Analyzer}) {
        mmMDIChild* component = NewComponent(kind);
        ASSERT_NE(component, nullptr);
        const bool acts = kind == ComponentKind::Analyzer;
        frame->UpdateCommands();
        for (int id : instrumentOnly) {
            QAction* action = frame->Actions().Find(id);
            EXPECT_EQ(action->isEnabled(), acts) << id << " on kind " << kind;
            // A disabled command says why.
            EXPECT_EQ(action->statusTip() != CommandHint(id), !acts) << id << " on kind " << kind;
        }
        // Put out and Change Connections work on every component.
        EXPECT_TRUE(frame->Actions().Find(ComponentCommand::PutOut)->isEnabled());
        EXPECT_TRUE(frame->Actions().Find(ComponentCommand::ChangeConnections)->isEnabled());
    }
}

TEST_F(NewUserFaultTest, EditKeysReachTheActiveComponentFromItsLists)
{
    StartEmpty();
    auto* analyzer = dynamic_cast<AnalyzerClient*>(NewComponent(ComponentKind::Analyzer)->Client());
    ASSERT_NE(analyzer, nullptr);
    chord c;
    for (NOTES n : {63, 67, 70}) c.AddNote(n);
    analyzer->TakeChord(c);
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->setText("nothing");

    // Keys typed where the user clicked last: in the history list.
    QWidget* list = analyzer->HistoryList();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    const QString copied = clipboard->text();
    EXPECT_NE(copied, "nothing");
    chord back;
    back.Paste();
    EXPECT_EQ(back.CountNotes(), 3);

    // Cut empties the component's chord; Paste brings it back.
    QTest::keyClick(list, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(analyzer->Chord.CountNotes(), 0);
    EXPECT_EQ(clipboard->text(), copied);
    QTest::keyClick(analyzer->AnalysisList(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(analyzer->Chord.CountNotes(), 3);
}

}  // namespace

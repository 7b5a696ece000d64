#include "app/shell/main_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

#include "app/shell/about_dialog.h"
#include "app/shell/accelerators.h"
#include "app/commands/command_icons.h"
#include "app/shell/main_menu.h"
#include "app/shell/main_tool_bar.h"
#include "app/commands/shell_commands.h"
#include "app/shell/window_menu.h"
#include "app/commands/component_commands.h"
#include "app/studio/mm_mdi_child.h"
#include "app/studio/mm_mdi_client.h"
#include "app/commands/studio_commands.h"
#include "controls/replace_gadget.h"
#include "core/midi/midi_dev.h"
#include "core/services/profile.h"
#include "ui/help_viewer.h"
#include "ui/help_window.h"

namespace {

// Commands of the active component: enabled only while there is one.
constexpr int ComponentCommands[] = {
    ComponentCommand::Sound,
    ComponentCommand::Play,
    ComponentCommand::Reset,
    ComponentCommand::Notes,
    ComponentCommand::Chord,
    ComponentCommand::Find,
    ComponentCommand::GetIn,
    ComponentCommand::PutOut,
    ComponentCommand::ChangeSettings,
    ComponentCommand::ChangeConnections,
    ComponentCommand::Cut,
    ComponentCommand::Copy,
    ComponentCommand::Paste,
    StudioCommand::CloseComponent,
};

// Commands whose windows come with later parts of the program (the
// Connections window, the preferences, the list editors): disabled until a
// handler is installed for them.
constexpr int PendingCommands[] = {
    ShellCommand::Connections,       ShellCommand::AutomaticPositioning,
    ShellCommand::ManualPositioning, ShellCommand::Preferences,
    ShellCommand::ChordList,         ShellCommand::TuningList,
};

constexpr int CheckedCommands[] = {ComponentCommand::Sound, ComponentCommand::Notes, ComponentCommand::Chord,
                                   ShellCommand::AllSoundOff, ShellCommand::Toolbar};

template <std::size_t N>
bool Contains(const int (&list)[N], int id)
{
    for (int v : list)
        if (v == id) return true;
    return false;
}

}  // namespace

bool IsStudioFile(const QString& path)
{
    const std::string file = path.toStdString();
    char version[16] = {};
    GetPrivateProfileString("Windows", "0", "", version, sizeof version, file.c_str());
    return version[0] != '\0';
}

mmMainFrame::mmMainFrame(mmMDIClient* studio) : studio_(studio)
{
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(QStringLiteral("Cantrel Studio"));
    setWindowIcon(CommandIcon(ShellPicture::ProgramIcon));
    setCentralWidget(studio_);
    setAcceptDrops(true);

    actions_ = std::make_unique<CommandActions>(this, [this](int id) { Command(id); });
    BuildMainMenu(menuBar(), *actions_);
    for (int id : CheckedCommands) actions_->Action(id)->setCheckable(true);
    ApplyAccelerators(*actions_);
    // The exit item's key is the window system's; here it is ours.
    actions_->Action(ShellCommand::Exit)->setShortcut(QKeySequence(Qt::AltModifier | Qt::Key_F4));
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        connect(menu, &QMenu::aboutToShow, this, &mmMainFrame::UpdateCommands);
    windowList_ = std::make_unique<WindowList>(menuBar()->findChild<QMenu*>(QStringLiteral("menuWindow")), studio_);

    toolBar_ = BuildMainToolBar(this, *actions_);
    addToolBar(Qt::TopToolBarArea, toolBar_);
    studio_->SetMainToolBar(toolBar_);

    statusBar()->setObjectName(QStringLiteral("messageBar"));
    statusBar()->setSizeGripEnabled(true);

    connect(studio_, &QMdiArea::subWindowActivated, this, &mmMainFrame::UpdateCommands);
    HelpWindow::Instance()->SetAnchor(this, menuBar());
    ShowSoundState();
    UpdateCommands();
}

mmMainFrame::~mmMainFrame()
{
    // The studio goes after the actions; it must not ask for them meanwhile.
    disconnect(studio_, nullptr, this, nullptr);
}

bool mmMainFrame::IsPending(int id) const { return Contains(PendingCommands, id) && !handlers_.contains(id); }

void mmMainFrame::SetCommandHandler(int id, std::function<void()> handler)
{
    if (handler)
        handlers_.insert(id, std::move(handler));
    else
        handlers_.remove(id);
    UpdateCommands();
}

void mmMainFrame::Command(int id)
{
    if (IsPending(id)) return;
    switch (id) {
    case ShellCommand::Exit: close(); break;
    case ShellCommand::AllSoundOff: ToggleAllSoundOff(); break;
    case ShellCommand::Toolbar: toolBar_->setHidden(!toolBar_->isHidden()); break;
    case ShellCommand::Cascade: studio_->CascadeFrames(); break;
    case ShellCommand::Tile: studio_->tileSubWindows(); break;
    case ShellCommand::ArrangeIcons: ArrangeIcons(); break;
    case ShellCommand::CloseChildren: studio_->closeAllSubWindows(); break;
    case ShellCommand::HelpContents: ShowHelpTopic(HelpTopic::Index); break;
    case ShellCommand::UsingHelp: ShowHelpTopic(HelpTopic::UsingHelp); break;
    case ShellCommand::GettingStarted: ShowHelpTopic(HelpTopic::GettingStarted); break;
    case ShellCommand::HowDoI: ShowHelpTopic(HelpTopic::HowDoI); break;
    case ShellCommand::About: {
        AboutDialog about(this);
        about.exec();
        break;
    }
    default:
        if (auto handler = handlers_.value(id)) {
            handler();
        } else if (!studio_->Command(id)) {
            if (mmMDIChild* frame = mmMDIChild::ActiveComponent())
                frame->Command(id, QGuiApplication::keyboardModifiers());
        }
    }
    UpdateCommands();
}

QString mmMainFrame::DisabledReason(int id) const
{
    if (id == ShellCommand::Delete) return QStringLiteral("Each component deletes with its own Del key.");
    if (IsPending(id)) return QStringLiteral("Not part of this version yet.");
    if (!Contains(ComponentCommands, id)) return QString();
    mmMDIChild* active = mmMDIChild::ActiveComponent();
    if (!active) return QStringLiteral("Open or create a component first.");
    if (!active->Acts(id)) return QStringLiteral("Splitters and Joiners only pass chords on.");
    return QString();
}

void mmMainFrame::UpdateCommands()
{
    mmMDIChild* active = mmMDIChild::ActiveComponent();
    for (int id : actions_->Ids()) {
        QAction* action = actions_->Find(id);
        const QString reason = DisabledReason(id);
        action->setEnabled(reason.isEmpty());
        const QString hint = CommandHint(id);
        action->setStatusTip(reason.isEmpty() ? hint : hint + QStringLiteral("  (") + reason + ')');
    }
    for (int id : {ComponentCommand::Sound, ComponentCommand::Notes, ComponentCommand::Chord})
        actions_->Find(id)->setChecked(active && active->CommandChecked(id) == 1);
    actions_->Find(ShellCommand::Toolbar)->setChecked(!toolBar_->isHidden());
    actions_->Find(ShellCommand::AllSoundOff)->setChecked(MidiDev::lastmidi && MidiDev::lastmidi->mute);
}

void mmMainFrame::ShowSoundState()
{
    const bool muted = MidiDev::lastmidi && MidiDev::lastmidi->mute;
    const int picture = muted ? ShellPicture::SoundOff : ShellPicture::SoundOn;
    QAction* button = ReplaceGadget(toolBar_, ShellCommand::AllSoundOff, ShellCommand::AllSoundOff, picture);
    if (button) {
        button->setIcon(CommandIcon(picture));
        button->setProperty("picture", picture);
    }
    actions_->Find(ShellCommand::AllSoundOff)->setChecked(muted);
}

void mmMainFrame::ToggleAllSoundOff()
{
    MidiDev* midi = MidiDev::lastmidi;
    if (!midi) return;
    midi->mute = midi->mute ? 0 : 1;
    if (midi->mute) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        midi->Reset();
        QApplication::restoreOverrideCursor();
    }
    ShowSoundState();
}

void mmMainFrame::ArrangeIcons()
{
    // Minimized components in a row along the bottom of the studio.
    int x = 0;
    for (QMdiSubWindow* window : studio_->subWindowList()) {
        if (!window->isMinimized()) continue;
        const QSize size = window->size();
        window->move(x, studio_->viewport()->height() - size.height());
        x += size.width();
    }
}

void mmMainFrame::ShowOnlineHelp()
{
    ShowHelpTopic(studio_->HelpContext != 0 ? studio_->HelpContext : HelpTopic::Index);
}

void mmMainFrame::ShowHelpTopic(int context)
{
    GetHelpViewer()->ShowHelp(std::string(), context);
    HelpUsed = HelpPageFor(std::string(), context).empty() ? 0 : 1;
}

void mmMainFrame::ShowNoSoundNotice(const QString& notice)
{
    // Said once more when the device is opened again; the mark stays one.
    auto* silent = statusBar()->findChild<QLabel*>(QStringLiteral("noSound"));
    if (!silent) {
        silent = new QLabel(QStringLiteral("Silent"), statusBar());
        silent->setObjectName(QStringLiteral("noSound"));
        statusBar()->addPermanentWidget(silent);
    }
    silent->setToolTip(notice);
    statusBar()->showMessage(notice);
}

WindowPlacementRecord mmMainFrame::Placement() const
{
    WindowPlacementRecord record;
    record.showCommand = isMinimized()   ? WindowPlacementRecord::ShowMinimized
                         : isMaximized() ? WindowPlacementRecord::ShowMaximized
                                         : WindowPlacementRecord::ShowNormal;
    record.normalPosition = (isMinimized() || isMaximized()) ? normalGeometry() : geometry();
    return record;
}

void mmMainFrame::closeEvent(QCloseEvent* event)
{
    if (CanClose && !CanClose()) {
        event->ignore();
        return;
    }
    event->accept();
    QMainWindow::closeEvent(event);
}

void mmMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void mmMainFrame::dropEvent(QDropEvent* event)
{
    QList<FileDrop> drops;
    const QPoint point = event->position().toPoint();
    const bool inClient = studio_->geometry().contains(point);
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) drops << FileDrop{url.toLocalFile(), point, inClient};
    event->acceptProposedAction();

    // No component takes a file; a studio file is opened instead, the first
    // one dropped, as Studio/Open would.
    for (const FileDrop& drop : drops) {
        if (!IsStudioFile(drop.name)) continue;
        const std::string path = drop.name.toStdString();
        if (studio_->LoadStudio(path.c_str(), true, true)) studio_->SetStudioName(path.c_str());
        UpdateCommands();
        return;
    }
    if (!drops.isEmpty()) statusBar()->showMessage(QStringLiteral("Only studio files can be dropped here."), 5000);
}

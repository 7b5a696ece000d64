#include "app/studio/mm_mdi_child.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QToolBar>

#include <chrono>
#include <string>
#include <thread>

#include "app/commands/command_icons.h"
#include "ui/studio_style.h"
#include "app/commands/component_commands.h"
#include "core/studio/component_types.h"
#include "app/studio/connections_refresh.h"
#include "app/studio/frame_placement.h"
#include "app/studio/mm_mdi_child_client.h"
#include "core/studio/note_flow.h"
#include "core/studio/studio_modified.h"
#include "controls/saved_coordinates.h"

namespace {

mmMDIChild* activeComponent = nullptr;

// The body of the frame: it lays out client and tool bar itself, so that the
// client can adjust its own rectangle.
class FrameBody : public QWidget {
public:
    FrameBody(mmMDIChild* frame) : frame_(frame) {}

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        if (!frame_->isMinimized()) frame_->LayoutBody(event->size());
    }

private:
    mmMDIChild* frame_;
};

struct ButtonText {
    int command;
    const char* text;
};
constexpr ButtonText buttonTexts[] = {
    {ComponentCommand::PutOut, "Put out"},
    {ComponentCommand::GetIn, "Get in"},
    {ComponentCommand::Find, "Find chord, etc..."},
    {ComponentCommand::ChangeSettings, "Change Settings..."},
    {ComponentCommand::ModeButtonNotes, "Notes"},
    {ComponentCommand::ModeButtonChord, "Chord"},
    {ComponentCommand::Reset, "Reset"},
    {ComponentCommand::SoundButtonOff, "Sound"},
    {ComponentCommand::SoundButtonOn, "Sound"},
    {ComponentCommand::ChangeConnections, "Change Connections..."},
};

QString ButtonTextOf(int command)
{
    for (const ButtonText& b : buttonTexts)
        if (b.command == command) return QString::fromUtf8(b.text);
    return QString::number(command);
}

}  // namespace

mmMDIChild::mmMDIChild(mmMDIChildClient* client, const QString& title, QWidget* parent)
    : QMdiSubWindow(parent), client_(client)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("frame%1").arg(client->TypeId));
    setWindowTitle(title);
    body_ = new FrameBody(this);
    client_->setParent(body_);
    client_->SetFrame(this);
    client_->Mode = ChordMode;
    client_->SoundOn = PassesChordsOnly(client_->TypeId) ? 0 : 1;
    toolBar_ = new QToolBar(body_);
    toolBar_->setOrientation(Qt::Vertical);
    toolBar_->setObjectName("componentToolBar");
    toolBar_->setContentsMargins(0, 2, 0, 2);
    toolBar_->setIconSize(QSize(20, 20));
    // A rule between the component's drawing and its buttons.
    RuleLeftEdge(toolBar_);
    QFont font = toolBar_->font();
    font.setPointSize(8);
    toolBar_->setFont(font);
    BuildToolBar();
    connect(toolBar_, &QToolBar::actionTriggered, this,
            [this](QAction* action) { Command(action->data().toInt(), QGuiApplication::keyboardModifiers()); });
    setWidget(body_);
    MarkStudioModified();
}

mmMDIChild::~mmMDIChild()
{
    if (activeComponent == this) activeComponent = nullptr;
    MarkStudioModified();
    // The client leaves the list (and its links) before the Connections
    // window is told.
    client_->SetFrame(nullptr);
    delete client_;
    client_ = nullptr;
    RefreshConnections();
}

void mmMDIChild::AddButton(int command, int picture)
{
    // Made whole before the bar makes its button for it: each change after
    // that reaches the button too.
    auto* action = new QAction(toolBar_);
    ShowCommand(action, command, picture);
    toolBar_->addAction(action);
}

void mmMDIChild::ShowCommand(QAction* action, int command, int picture)
{
    action->setData(command);
    action->setObjectName(QStringLiteral("cmd%1").arg(command));
    action->setText(ButtonTextOf(command));
    action->setToolTip(ButtonTextOf(command));
    action->setIcon(CommandIcon(picture == -1 ? command : picture));
}

void mmMDIChild::BuildToolBar()
{
    if (!PassesChordsOnly(client_->TypeId)) {
        AddButton(ComponentCommand::PutOut);
        AddButton(ComponentCommand::GetIn);
        AddButton(ComponentCommand::Find);
        toolBar_->addSeparator();
        AddButton(ComponentCommand::ChangeSettings);
        AddButton(client_->Mode);
        AddButton(ComponentCommand::Reset, ComponentCommand::ResetPicture);
        toolBar_->addSeparator();
        AddButton(client_->SoundOn ? ComponentCommand::SoundButtonOn : ComponentCommand::SoundButtonOff);
    }
    AddButton(ComponentCommand::ChangeConnections);
}

void mmMDIChild::ReplaceGadget(int oldId, int newId)
{
    // The button stays where it is and shows the other command. Each frame
    // keeps buttons of its own: nothing is looked up beyond this bar, whose
    // window holds a bar for every component of the studio.
    for (QAction* action : toolBar_->actions()) {
        if (!action->isSeparator() && action->data().toInt() == oldId) {
            ShowCommand(action, newId);
            return;
        }
    }
}

bool mmMDIChild::Command(int id, Qt::KeyboardModifiers modifiers)
{
    mmMDIChildClient* c = client_;
    if (!c) return false;
    // Keys reach every component; they do nothing where the command does not act.
    if (!Acts(id)) return true;
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    switch (id) {
    case ComponentCommand::Sound: c->SetSound(c->SoundOn ? 0 : 1); return true;
    case ComponentCommand::Play:
        if (!c->PlayOrPause()) PlayHalfSecond();
        return true;
    case ComponentCommand::Reset: c->KeyDown(Qt::Key_Backspace, 1, 0); return true;
    case ComponentCommand::Notes: c->SetMode(NotesMode); return true;
    case ComponentCommand::Chord: c->SetMode(ChordMode); return true;
    case ComponentCommand::ModeButtonNotes: c->SetMode(ChordMode); return true;
    case ComponentCommand::ModeButtonChord: c->SetMode(NotesMode); return true;
    case ComponentCommand::Find: Find(); return true;
    case ComponentCommand::GetIn: PullInputs(c); return true;
    case ComponentCommand::PutOut: PutOut(c); return true;
    case ComponentCommand::ChangeSettings:
        if (c->ChangeSettings()) MarkStudioModified();
        return true;
    case ComponentCommand::ChangeConnections: c->ChangeConnections(); return true;
    case ComponentCommand::Cut: c->CutChord(); return true;
    case ComponentCommand::Copy: c->CopyChord(); return true;
    case ComponentCommand::Paste: c->PasteChord(); return true;
    case ComponentCommand::SoundButtonOff:
        if (ctrl)
            c->SetSound(1);
        else
            PlayHalfSecond();
        return true;
    case ComponentCommand::SoundButtonOn:
        if (ctrl)
            c->SetSound(0);
        else
            PlayHalfSecond();
        return true;
    default: return false;
    }
}

bool mmMDIChild::Acts(int id) const
{
    if (!client_) return false;
    if (!PassesChordsOnly(client_->TypeId)) return true;
    switch (id) {
    case ComponentCommand::Sound:
    case ComponentCommand::Play:
    case ComponentCommand::Reset:
    case ComponentCommand::Notes:
    case ComponentCommand::Chord:
    case ComponentCommand::ChangeSettings: return false;
    default: return true;
    }
}

int mmMDIChild::CommandChecked(int id) const
{
    if (!client_) return -1;
    switch (id) {
    case ComponentCommand::Sound: return client_->SoundOn == 1 ? 1 : 0;
    case ComponentCommand::Notes: return client_->Mode == NotesMode ? 1 : 0;
    case ComponentCommand::Chord: return client_->Mode == ChordMode ? 1 : 0;
    default: return -1;
    }
}

namespace {
FindDialogRunner findDialogRunner = nullptr;
}

void SetFindDialogRunner(FindDialogRunner runner) { findDialogRunner = runner; }

void mmMDIChild::Find()
{
    mmMDIChildClient* c = client_;
    FindState chosen = c->Find;
    if (!findDialogRunner || !findDialogRunner(this, chosen)) return;
    const PitchSet found = chosen.found;
    // What was found is the component's to show and keep (the Analyzer only
    // takes its notes).
    chosen.found = c->Find.found;
    c->Find = chosen;
    c->ShowFound(found);
    // The choice and what it found are kept in the studio file.
    MarkStudioModified();
}

void mmMDIChild::PlayHalfSecond()
{
    client_->KeyDown(Qt::Key_Space, 1, 0);
    // The user interface does not run during the half second.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    client_->KeyUp(Qt::Key_Space, 1, 0);
}

void mmMDIChild::HoldCloseShortcut()
{
    if (heldClose_ || !systemMenu()) return;
    // Close is the menu's one command with a shortcut.
    for (QAction* action : systemMenu()->actions()) {
        if (action->shortcuts().isEmpty()) continue;
        heldClose_ = action;
        heldShortcuts_ = action->shortcuts();
        action->setShortcuts({});
        return;
    }
}

void mmMDIChild::ReleaseCloseShortcut()
{
    if (heldClose_) heldClose_->setShortcuts(heldShortcuts_);
    heldClose_ = nullptr;
    heldShortcuts_.clear();
}

void mmMDIChild::LayoutBody(const QSize& size)
{
    if (!client_) return;
    QRect r(0, 0, std::max(0, size.width() - ToolBarWidth), size.height());
    client_->AdjustClientRect(r);
    client_->setGeometry(r);
    toolBar_->setGeometry(size.width() - ToolBarWidth, 0, ToolBarWidth, size.height());
    client_->LayoutContents();
    if (client_->MinTrackWidth > r.width()) client_->MinTrackWidth = r.width();
    if (client_->MinTrackHeight > r.height()) client_->MinTrackHeight = r.height();
    body_->setMinimumSize(client_->MinTrackWidth + ToolBarWidth, client_->MinTrackHeight);
    client_->update();
    toolBar_->update();
    MarkStudioModified();
}

QSize mmMDIChild::sizeHint() const
{
    if (normalGeometry_.isValid()) return normalGeometry_.size();
    return QMdiSubWindow::sizeHint().expandedTo(DefaultSize);
}

void mmMDIChild::RememberNormalGeometry()
{
    if (!isMinimized() && !isMaximized() && isVisible()) normalGeometry_ = geometry();
}

void mmMDIChild::changeEvent(QEvent* event)
{
    // A frame minimised before it was ever shown normally (a new Splitter or
    // Joiner) comes back at the place and size it had before; without this
    // its title strip in the icon row was saved as its normal rectangle.
    if (event->type() == QEvent::WindowStateChange && isMinimized() && !normalGeometry_.isValid())
        normalGeometry_ = geometry();
    QMdiSubWindow::changeEvent(event);
}

void mmMDIChild::moveEvent(QMoveEvent* event)
{
    QMdiSubWindow::moveEvent(event);
    RememberNormalGeometry();
}

void mmMDIChild::resizeEvent(QResizeEvent* event)
{
    QMdiSubWindow::resizeEvent(event);
    RememberNormalGeometry();
}

WindowPlacementRecord mmMDIChild::Placement() const
{
    WindowPlacementRecord record;
    if (isHidden())
        record.showCommand = WindowPlacementRecord::ShowHidden;
    else if (isMinimized())
        record.showCommand = WindowPlacementRecord::ShowMinimized;
    else if (isMaximized())
        record.showCommand = WindowPlacementRecord::ShowMaximized;
    else
        record.showCommand = WindowPlacementRecord::ShowNormal;
    record.minimizedPosition = isMinimized() ? geometry().topLeft() : minimizedPosition_;
    record.normalPosition = normalGeometry_.isValid() ? normalGeometry_ : geometry();
    return record;
}

void mmMDIChild::SavePlacement(char*& out, int& remaining)
{
    const WindowPlacementRecord saved = PlacementToSaved(Placement(), SavedCoordinates::PrimaryScreenWidth());
    const std::string text = saved.ToHex();
    if (text.empty() || int(text.size()) >= remaining) return;
    std::copy(text.begin(), text.end(), out);
    out += text.size();
    *out = 0;
    remaining -= int(text.size());
    if (client_) client_->SaveSettings(out, remaining);
}

void mmMDIChild::RestorePlacement(char*& in, int& remaining)
{
    WindowPlacementRecord saved;
    if (saved.FromHex(in)) {
        WindowPlacementRecord pixels = PlacementFromSaved(saved, SavedCoordinates::PrimaryScreenWidth());
        minimizedPosition_ = pixels.minimizedPosition;
        // Files written before minimised frames kept their normal rectangle
        // hold a title strip there; such a frame comes back at the size a
        // new one has.
        if (pixels.normalPosition.width() < SmallestNormalSize.width() ||
            pixels.normalPosition.height() < SmallestNormalSize.height())
            pixels.normalPosition.setSize(DefaultSize);
        normalGeometry_ = pixels.normalPosition;
        switch (pixels.showCommand) {
        case WindowPlacementRecord::ShowMinimized:
            setGeometry(pixels.normalPosition);
            showMinimized();
            lower();
            break;
        case WindowPlacementRecord::ShowMaximized:
            setGeometry(pixels.normalPosition);
            showMaximized();
            raise();
            break;
        default:
            // A hidden frame could never be reached again: it shows normally.
            setGeometry(pixels.normalPosition);
            showNormal();
            raise();
            break;
        }
        in += WindowPlacementRecord::HexLength;
        remaining -= WindowPlacementRecord::HexLength;
    } else {
        // A damaged placement (already reported) must not leave the
        // component hidden where nobody can reach it.
        show();
    }
    if (client_) client_->LoadSettings(in, remaining);
}

mmMDIChild* mmMDIChild::ActiveComponent() { return activeComponent; }
void mmMDIChild::SetActiveComponent(mmMDIChild* frame) { activeComponent = frame; }

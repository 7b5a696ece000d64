#include "app/studio/mm_mdi_child_client.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "core/studio/base_settings_record.h"
#include "app/studio/change_connections_dialog.h"
#include "core/studio/chord_names_line.h"
#include "core/studio/chord_record.h"
#include "app/commands/component_commands.h"
#include "core/studio/component_types.h"
#include "app/studio/connections_refresh.h"
#include "app/studio/mm_mdi_child.h"
#include "core/studio/studio_modified.h"
#include "core/services/hex_record.h"

int& StudioLinkBase()
{
    static int base = 0;
    return base;
}

void mmMDIChildClient::ShowChordNamesWhenActive() const
{
    if (frame_ && frame_ == mmMDIChild::ActiveComponent()) ShowChordNames(Chord);
}

mmMDIChild* FrameOfComponent(const ComponentNode* node)
{
    auto* client = dynamic_cast<const mmMDIChildClient*>(node);
    return client ? client->Frame() : nullptr;
}

mmMDIChildClient::mmMDIChildClient(int typeId, QWidget* parent) : QWidget(parent), ComponentNode(typeId)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setFocusPolicy(Qt::StrongFocus);
    setObjectName(QStringLiteral("component%1").arg(typeId));
}

mmMDIChildClient::~mmMDIChildClient()
{
    // Leaving the list and the links happens in the node; the Connections
    // window learns of it afterwards.
    frame_ = nullptr;
}

std::string mmMDIChildClient::Title() const { return frame_ ? frame_->windowTitle().toStdString() : std::string(); }

int mmMDIChildClient::SaveExtra(char*, int, int) { return 0; }
int mmMDIChildClient::LoadExtra(const char*, int, int) { return 0; }
void mmMDIChildClient::AdjustClientRect(QRect&) {}
void mmMDIChildClient::LayoutContents() {}
void mmMDIChildClient::ModeChanged() {}
int mmMDIChildClient::SendChordTo(ComponentNode* target) { return ComponentNode::SendChordTo(target); }
int mmMDIChildClient::ChangeSettings() { return 0; }

void mmMDIChildClient::ChangeConnections() { RunChangeConnectionsDialog(this); }

void mmMDIChildClient::SaveSettings(char*& out, int& remaining)
{
    BaseSettingsRecord record;
    record.typeId = static_cast<std::int16_t>(TypeId);
    ChordRecord::Encode(Chord, record.chordBytes);
    record.mode = static_cast<std::int16_t>(Mode);
    record.soundOn = static_cast<std::int16_t>(SoundOn);
    record.findWord = static_cast<std::uint16_t>(Find.found.Word());
    record.findKind = static_cast<std::int16_t>(Find.kind);
    record.findRootIndex = static_cast<std::int16_t>(Find.rootIndex);
    record.findNameIndex = static_cast<std::int16_t>(Find.nameIndex);
    for (int i = 0; i < SlotCount; ++i) {
        record.linkTo[i] = static_cast<std::int16_t>(ComponentIndex(Links[i].To));
        record.linkFrom[i] = static_cast<std::int16_t>(ComponentIndex(Links[i].From));
    }
    record.passThrough = PassThrough;
    record.manualPosition = ManualPosition;
    record.storedIconX = StoredIconX;
    record.storedIconY = StoredIconY;
    std::uint8_t bytes[BaseSettingsRecord::Size];
    record.Encode(bytes);
    AppendRecord(bytes, BaseSettingsRecord::Size, out, remaining);
}

bool mmMDIChildClient::AppendRecord(const void* bytes, int size, char*& out, int& remaining)
{
    if (!ToString(bytes, size, out, remaining)) return false;
    const int written = 2 + 2 * size;
    out += written;
    remaining -= written;
    return true;
}

void mmMDIChildClient::LoadSettings(char*& in, int& remaining)
{
    std::uint8_t bytes[BaseSettingsRecord::Size];
    int used = 0;
    if (!FromString(in, bytes, BaseSettingsRecord::Size, used)) return;
    BaseSettingsRecord record;
    record.Decode(bytes);
    if (record.typeId != TypeId) return;

    SetMode(record.mode);
    SetSound(0);
    ChordRecord::Decode(record.chordBytes, Chord);
    Chord.midiOutput = 0;
    Chord.soundCount = 0;  // nothing of this chord sounds yet
    if ((record.soundOn != 0) != (SoundOn != 0)) SetSound(SoundOn ? 0 : 1);
    PassThrough = record.passThrough;
    Find.found = PitchSet::FromWord(record.findWord);
    Find.kind = record.findKind;
    Find.rootIndex = record.findRootIndex;
    Find.nameIndex = record.findNameIndex;
    Find.rootLetter = -1;
    ManualPosition = record.manualPosition;
    StoredIconX = record.storedIconX;
    StoredIconY = record.storedIconY;
    // A stored end counts from the components that existed before the load;
    // 0 (or a damaged negative index) is empty, and a slot that does not
    // name this component at one end is no link of its own.
    const int base = StudioLinkBase();
    for (int i = 0; i < SlotCount; ++i) {
        ComponentNode* to = record.linkTo[i] > 0 ? ComponentAt(record.linkTo[i] + base) : nullptr;
        ComponentNode* from = record.linkFrom[i] > 0 ? ComponentAt(record.linkFrom[i] + base) : nullptr;
        if (to == this || from == this)
            Links[i] = {from, to};
        else
            Links[i].Clear();
    }
    in += used;
    remaining -= used;
    RefreshConnections();
}

void mmMDIChildClient::CutChord() { Chord.Cut(); }

void mmMDIChildClient::PasteChord()
{
    chord scratch;
    scratch.Paste();
    TakeChord(scratch);
}

void mmMDIChildClient::CopyChord()
{
    chord scratch = Chord;
    scratch.Copy();
}

void mmMDIChildClient::ShowFound(PitchSet found)
{
    Find.found = found;
    update();
}

void mmMDIChildClient::TakeChord(const chord& c)
{
    update();
    ComponentNode::TakeChord(c);
}

void mmMDIChildClient::BeginInput() {}
void mmMDIChildClient::EndInput() {}

void mmMDIChildClient::MouseUp(Qt::KeyboardModifiers, QPoint&)
{
    if (SoundOn) Chord.SoundOff();
    if (QWidget::mouseGrabber() == this) releaseMouse();
}

void mmMDIChildClient::MouseDoubleClick(Qt::KeyboardModifiers keys, QPoint& p)
{
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(p), mapToGlobal(QPointF(p)), Qt::LeftButton, Qt::LeftButton,
                      keys);
    QCoreApplication::sendEvent(this, &press);
}

void mmMDIChildClient::KeyDown(int key, int, int)
{
    if (key == Qt::Key_Backspace) {
        update();
        Chord.Clear();
    } else if (key == Qt::Key_Space && Chord.soundCount == 0) {
        if (isVisible()) grabMouse();
        Chord.SoundOn();
    }
}

void mmMDIChildClient::KeyUp(int, int, int)
{
    if (Chord.soundCount == 0) return;
    Chord.SoundOff();
    if (QWidget::mouseGrabber() == this) releaseMouse();
}

void mmMDIChildClient::SetMode(int mode)
{
    if (mode == Mode) return;
    MarkStudioModified();
    const int old = Mode;
    Mode = mode;
    if (frame_) frame_->ReplaceGadget(old, mode);
    ModeChanged();
}

void mmMDIChildClient::SetSound(int on)
{
    if (on == SoundOn) return;
    MarkStudioModified();
    SoundOn = on;
    if (frame_)
        frame_->ReplaceGadget(on ? ComponentCommand::SoundButtonOff : ComponentCommand::SoundButtonOn,
                              on ? ComponentCommand::SoundButtonOn : ComponentCommand::SoundButtonOff);
    SoundChanged();
}

void mmMDIChildClient::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
    QPoint p = event->position().toPoint();
    MouseUp(event->modifiers(), p);
}

void mmMDIChildClient::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return QWidget::mouseDoubleClickEvent(event);
    QPoint p = event->position().toPoint();
    MouseDoubleClick(event->modifiers(), p);
}

void mmMDIChildClient::keyPressEvent(QKeyEvent* event)
{
    KeyDown(event->key(), event->count(), event->isAutoRepeat() ? 1 : 0);
}

void mmMDIChildClient::keyReleaseEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat()) return;
    KeyUp(event->key(), event->count(), 0);
}

#include "app/components/keyboard/keyboard_client.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cstring>

#include "app/components/keyboard/keyboard_painter.h"
#include "app/components/keyboard/keyboard_record.h"
#include "app/components/keyboard/keyboard_settings_dialog.h"
#include "app/components/shared/label_strips.h"
#include "app/components/shared/live_midi_input.h"
#include "app/components/shared/note_tool_tip.h"
#include "app/components/shared/typing_map.h"
#include "core/studio/arrival_sound.h"
#include "core/studio/component_types.h"
#include "controls/font_size_mapper.h"
#include "core/services/hex_record.h"
#include "core/theory/chord_spelling.h"

using namespace KeyboardLayout;

namespace {

constexpr int AutoRepeat = 1;

// The label font's measures, taken once.
const FontSizeMapper& LabelFont()
{
    static const FontSizeMapper measures;
    return measures;
}

}  // namespace

KeyboardClient::KeyboardClient()
    : mmMDIChildClient(ComponentType::Keyboard),
      live_(new LiveMidiInput(this, [this](const chord& c) { LayOnKeys(c); }))
{
    // Every paint covers its whole area, and only the keys that change are
    // repainted.
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    Chord.instrument = -1;
    Chord.program = 0;
    Chord.Clear();
    SetRange(51, 36);
    new NoteToolTip(
        this, [this](QPoint p) { return Geometry().NoteFromPoint(p.x(), p.y()).note; },
        [this] { return LabelSpelling(Picture()); });
}

void KeyboardClient::SetRange(NOTES first, int count)
{
    FirstNote = first;
    KeyCount = count;
    LayoutContents();
}

void KeyboardClient::LayoutContents()
{
    const Range r = MakeRange(FirstNote, KeyCount);
    FirstNote = r.FirstNote;
    KeyCount = r.KeyCount;
    WhiteUnits = r.WhiteUnits;
    OctaveBase = r.OctaveBase;
}

KeyboardLayout::Geometry KeyboardClient::Geometry() const
{
    Range r;
    r.FirstNote = FirstNote;
    r.KeyCount = KeyCount;
    r.WhiteUnits = WhiteUnits;
    r.OctaveBase = OctaveBase;
    return MakeGeometry(r, size(), LabelHeight(LabelFlags, LabelFont().Ascent()), LabelFont().AverageCharWidth());
}

void KeyboardClient::GetKeyRect(NOTES note, QRect& r) const { r = Geometry().KeyRect(note); }

NOTES KeyboardClient::NoteFromPoint(int x, int& y) const
{
    const Geometry::Hit hit = Geometry().NoteFromPoint(x, y);
    y = hit.inLabels;
    return hit.note;
}

void KeyboardClient::InvalidateKey(NOTES note, bool labelOnly)
{
    // Notes off the keys are never drawn, so they have nothing to repaint.
    if (note < FirstNote || note >= FirstNote + KeyCount) return;
    const KeyboardLayout::Geometry g = Geometry();
    if (!labelOnly) update(g.KeyRect(note));
    if (g.LabelHeight > 0) update(g.LabelCell(note));
}

void KeyboardClient::InvalidateFound()
{
    if (Find.found.Empty()) return;
    const KeyboardLayout::Geometry g = Geometry();
    for (NOTES n = FirstNote; n < FirstNote + KeyCount; ++n) {
        if (!Find.found.Has(n % PitchClasses)) continue;
        const QRect key = g.KeyRect(n);
        update(QRect(key.left() - LabelStrips::CellWidth, key.top() + 20 - 1, key.width() + 2 * LabelStrips::CellWidth,
                     LabelStrips::CellHeight + 2));
    }
}

void KeyboardClient::InvalidateChordKeys()
{
    InvalidateFound();
    for (NOTES n : Chord.notes)
        if (n != NoNote) InvalidateKey(n, false);
}

void KeyboardClient::SetNote(NOTES note, bool on)
{
    const bool present = Chord.FindNote(note) >= 0;
    if (present == on) return;
    if (present) {
        Chord.RemoveNote(note);
        InvalidateKey(note, false);
    } else {
        const NOTES dropped = Chord.AddNote(note);
        if (dropped != NoNote) InvalidateKey(dropped, false);
        InvalidateKey(note, false);
    }
    // The spelling of every note may change with the chord.
    for (NOTES n : Chord.notes)
        if (n != NoNote) InvalidateKey(n, true);
    Chord.SetKey(-1);
    InvalidateFound();
}

char KeyboardClient::KeyChar(unsigned virtualKey) { return TypingMap::KeyChar(virtualKey); }

bool KeyboardClient::FindTypingKey(char c, int& row, int& column) { return TypingMap::FindTypingKey(c, row, column); }

NOTES KeyboardClient::TypedNote(int column, int row) const
{
    const int semitones = TypingMap::Semitones(TypingMethod, row, column);
    if (semitones < 0 || semitones >= KeyCount) return 0;
    return FirstNote + semitones;
}

void KeyboardClient::MoveChord(int semitones)
{
    InvalidateChordKeys();
    for (NOTES& n : Chord.notes)
        if (n != NoNote) n += semitones;
    for (NOTES n : chord(Chord).notes)
        if (n != NoNote && (n < FirstNote || n >= FirstNote + KeyCount)) Chord.RemoveNote(n);
    Chord.SetKey(-1);
    InvalidateChordKeys();
}

void KeyboardClient::KeyDown(int key, int repeat, int flags)
{
    if (flags & AutoRepeat) return;
    int row = 0;
    int column = 0;
    if (FindTypingKey(KeyChar(static_cast<unsigned>(key)), row, column)) {
        if (CtrlHeld()) return;
        const NOTES note = TypedNote(column, row);
        if (note == 0) return;
        SetNote(note, Mode == NotesMode || Chord.FindNote(note) < 0);
        if (SoundOn) Chord.SoundOn();
        return;
    }
    switch (key) {
    case Qt::Key_Backspace:
        Chord.SoundOff();
        InvalidateChordKeys();
        Chord.Clear();
        if (!Find.found.Empty()) {
            Find.found = PitchSet();
            update();
        }
        break;
    case Qt::Key_Space:
        if (CtrlHeld())
            SetSound(SoundOn ? 0 : 1);
        else if (Chord.soundCount == 0)
            Chord.SoundOn();
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        MoveChord(key == Qt::Key_Left ? -repeat : repeat);
        if (SoundOn) Chord.SoundOn();
        break;
    default: break;
    }
}

void KeyboardClient::KeyUp(int key, int, int)
{
    int row = 0;
    int column = 0;
    if (key == Qt::Key_Space) {
        if (!CtrlHeld()) Chord.SoundOff();
    } else if (key == Qt::Key_Left || key == Qt::Key_Right) {
        if (SoundOn) Chord.SoundOff();
    } else if (FindTypingKey(KeyChar(static_cast<unsigned>(key)), row, column) && !CtrlHeld()) {
        const NOTES note = TypedNote(column, row);
        if (note == 0) return;
        // The typed notes stop sounding when their key is let go; in Notes
        // mode the note goes too.
        if (SoundOn && Chord.soundCount > 0) Chord.SoundOff();
        if (Mode != ChordMode) {
            SetNote(note, false);
            repaint();
        }
    }
}

void KeyboardClient::MouseDown(Qt::KeyboardModifiers keys, QPoint& point)
{
    int y = point.y();
    const NOTES note = NoteFromPoint(point.x(), y);
    if (note < 0) return;
    if (y == 1) {
        Chord.SetKey(note);
        const KeyboardLayout::Geometry g = Geometry();
        update(QRect(0, g.KeyAreaHeight(), width(), g.LabelHeight));
        return;
    }
    if (Mode == NotesMode) {
        Chord.SoundOff();
        InvalidateChordKeys();
        Chord.Clear();
    }
    if (keys.testFlag(Qt::ShiftModifier) && Mode != NotesMode) {
        NOTES lowest = NoNote;
        for (NOTES n : Chord.notes)
            if (n != NoNote && n >= FirstNote && n < FirstNote + KeyCount && (lowest == NoNote || n < lowest))
                lowest = n;
        if (lowest != NoNote) MoveChord(note - lowest);
    } else {
        SetNote(note, Chord.FindNote(note) < 0);
    }
    // The press grabs the mouse until the button comes up, so the base's
    // button-up sounds the chord off.
    if (SoundOn) Chord.SoundOn();
}

void KeyboardClient::TakeChord(const chord& c)
{
    LayOnKeys(c);
    if (SoundOn && ArrivalsSound()) Chord.TimedSound(500);
}

void KeyboardClient::LayOnKeys(const chord& c)
{
    Chord.SetKey(-1);
    InvalidateChordKeys();
    std::memcpy(Chord.notes, c.notes, sizeof Chord.notes);
    for (NOTES n : c.notes)
        if (n != NoNote && (n < FirstNote || n >= FirstNote + KeyCount)) Chord.RemoveNote(n);
    InvalidateChordKeys();
}

void KeyboardClient::CutChord()
{
    InvalidateChordKeys();
    Chord.Cut();
    Chord.Clear();
}

int KeyboardClient::ChangeSettings()
{
    if (!RunKeyboardSettingsDialog(this)) return 0;
    Chord.SetKey(-1);
    update();
    return 1;
}

void KeyboardClient::SaveSettings(char*& out, int& remaining)
{
    mmMDIChildClient::SaveSettings(out, remaining);
    KeyboardRecord record;
    record.KeyCount = KeyCount;
    record.FirstNote = FirstNote;
    record.TypingMethod = TypingMethod;
    record.LabelFlags = LabelFlags;
    std::uint8_t bytes[KeyboardRecord::Size];
    record.Encode(bytes);
    AppendRecord(bytes, KeyboardRecord::Size, out, remaining);
    std::uint8_t live[LiveInputSetting::RecordSize];
    live_->Setting().Encode(live);
    AppendRecord(live, LiveInputSetting::RecordSize, out, remaining);
}

void KeyboardClient::LoadSettings(char*& in, int& remaining)
{
    mmMDIChildClient::LoadSettings(in, remaining);
    // A line without the keyboard's record keeps the defaults.
    if (remaining <= 0 || !in || *in == '\0') return;
    std::uint8_t bytes[KeyboardRecord::Size];
    int used = 0;
    if (!FromString(in, bytes, KeyboardRecord::Size, used)) return;
    in += used;
    remaining -= used;
    KeyboardRecord record;
    record.Decode(bytes);
    record = record.Sane();
    SetRange(record.FirstNote, record.KeyCount);
    TypingMethod = record.TypingMethod;
    LabelFlags = record.LabelFlags;
    Chord.Clear();
    LiveInputSetting live;
    if (live.Read(in, remaining)) live_->Apply(live);
    update();
}

KeyboardPicture KeyboardClient::Picture() const
{
    KeyboardPicture picture;
    picture.geometry = Geometry();
    SetPictureChord(picture, Chord);
    picture.labelFlags = LabelFlags;
    picture.found = Find.found;
    picture.foundOptional = Find.optional;
    picture.foundRootLetter = Find.rootLetter;
    picture.showScaleNotes = !Find.found.Empty() && LabelStrips::ShowScaleNotes();
    picture.ascent = LabelFont().Ascent();
    return picture;
}

void KeyboardClient::PaintFound(QPainter& dc) { ::PaintFound(dc, Picture()); }

void KeyboardClient::paintEvent(QPaintEvent* event)
{
    painted_ += event->region();
    QPainter p(this);
    p.setFont(font());
    PaintKeyboard(p, Picture(), event->rect(), palette());
    ShowChordNamesWhenActive();
}

void KeyboardClient::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return mmMDIChildClient::mousePressEvent(event);
    QPoint p = event->position().toPoint();
    MouseDown(event->modifiers(), p);
}

void KeyboardClient::keyPressEvent(QKeyEvent* event)
{
    modifiers_ = event->modifiers();
    mmMDIChildClient::keyPressEvent(event);
}

void KeyboardClient::keyReleaseEvent(QKeyEvent* event)
{
    modifiers_ = event->modifiers();
    mmMDIChildClient::keyReleaseEvent(event);
}

#include "app/components/guitar/guitar_client.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <iterator>

#include "app/components/guitar/find_display.h"
#include "app/components/guitar/fingering_list.h"
#include "app/components/guitar/fingerboard_painter.h"
#include "app/components/guitar/fret_typing.h"
#include "app/components/guitar/guitar_settings_dialog.h"
#include "app/components/guitar/guitar_settings_record.h"
#include "app/components/guitar/shape_moves.h"
#include "app/components/shared/quiet_hex_record.h"
#include "app/components/guitar/string_markers.h"
#include "app/components/shared/live_midi_input.h"
#include "app/components/shared/note_tool_tip.h"
#include "app/components/shared/typing_map.h"
#include "core/studio/arrival_sound.h"
#include "core/studio/byte_fields.h"
#include "core/studio/component_types.h"
#include "controls/font_size_mapper.h"
#include "core/services/hex_record.h"
#include "core/theory/chord_spelling.h"
#include "core/theory/definition_lists.h"
#include "core/theory/ranked_fingerings.h"
#include "core/theory/string_assignment.h"

namespace {

constexpr unsigned long ArrivalSoundMs = 500;
// The Guitar's second record in a studio line, after the 100 bytes of its
// settings: 32-bit flags, of which bit 0 shows the Fingerings list. A line
// without it (an older studio) keeps the list hidden.
constexpr int ListRecordSize = 4;
constexpr std::uint32_t ListShown = 1;

// The default GUI font's measures, taken once.
const FontSizeMapper& GuiFontSize()
{
    static const FontSizeMapper mapper;
    return mapper;
}

int CountPlayed(const chord& c, int strings)
{
    int played = 0;
    for (int s = 0; s < strings; ++s) played += c.notes[s] != NoNote;
    return played;
}

}  // namespace

GuitarClient::GuitarClient()
    : mmMDIChildClient(ComponentType::Guitar),
      fingerings_(new FingeringList(this)),
      live_(new LiveMidiInput(this, [this](const chord& c) { LayOnStrings(c); }))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    fingerings_->hide();
    connect(fingerings_, &FingeringList::Chosen, this, &GuitarClient::PlayListedFingering);
    new NoteToolTip(
        this,
        [this](QPoint p) {
            int fret = -1, string = -1;
            Geometry().FretFromPoint(p, fret, string);
            return fret < 0 || string < 0 ? NoNote
                                          : static_cast<NOTES>(Tuning.notes[string] + std::max(fret, CapoFret));
        },
        [this] { return ChordSpelling(Chord); });
    SetDefaultTuning(Tuning);
    if (const TuningNameTag* first = GetTuning(0)) Tuning.instrument = static_cast<std::int16_t>(first->instrument);
    Chord.instrument = 0;
    Chord.program = DefaultProgram;
    CountStrings();
    SetFretCount(DefaultFretCount);
    ResetToOpenStrings();
}

void GuitarClient::SetFretCount(int n)
{
    FretCount = std::clamp(n, MinFretPositions, MaxFretPositions);
    LayoutContents();
}

void GuitarClient::CountStrings() { StringCount = ::CountStrings(Tuning); }

void GuitarClient::LayoutContents() { FretUnits = ::FretUnits(FretCount); }

FingerboardGeometry GuitarClient::Geometry() const
{
    // The Fingerings list takes its width off the right of the board.
    const QSize board = ShowFingerings ? size() - QSize(fingerings_->PreferredWidth(StringCount), 0) : size();
    return FingerboardGeometry(board, StringCount, FretCount, BoardFlags, GuiFontSize().AverageCharWidth());
}

void GuitarClient::PlaceFingerings()
{
    const int width = fingerings_->PreferredWidth(StringCount);
    fingerings_->setGeometry(this->width() - width, 0, width, height());
    fingerings_->setVisible(ShowFingerings);
    RefreshFingerings();
}

void GuitarClient::resizeEvent(QResizeEvent* event)
{
    mmMDIChildClient::resizeEvent(event);
    PlaceFingerings();
}

void GuitarClient::RefreshFingerings()
{
    if (!ShowFingerings) return;
    FingeringQuestion question;
    question.pitchSet = !Find.found.Empty() ? Find.found : BassPitchSet(Chord);
    std::copy(std::begin(Tuning.notes), std::end(Tuning.notes), question.tuning.begin());
    question.fretPositions = FretCount;
    question.capo = CapoFret;
    fingerings_->SetHand((BoardFlags & BoardFlag::LeftHanded) ? ChordBoxHand::Left : ChordBoxHand::Right);
    fingerings_->Answer(question);
}

void GuitarClient::PlayListedFingering(const Fingering& fingering)
{
    InvalidateAllMarkers();
    PlayFingering(fingering, Tuning, Chord);
    Chord.SetKey(NoNote);
    InvalidateAllMarkers();
    if (SoundOn) Chord.TimedSound(ArrivalSoundMs);
}

void GuitarClient::ShowFound(PitchSet found)
{
    mmMDIChildClient::ShowFound(found);
    RefreshFingerings();
}

FingerboardState GuitarClient::State() const
{
    FingerboardState state;
    state.tuning = &Tuning;
    state.played = &Chord;
    state.stringCount = StringCount;
    state.capo = CapoFret;
    state.boardFlags = BoardFlags;
    state.notesMode = Mode == NotesMode;
    state.found = Find.found;
    state.foundOptional = Find.optional;
    state.foundRootLetter = Find.rootLetter;
    return state;
}

void GuitarClient::ResetToOpenStrings()
{
    Chord.Clear();
    for (int s = 0; s < StringCount; ++s)
        Chord.notes[s] = static_cast<NOTES>(static_cast<long long>(Tuning.notes[s]) + CapoFret);
    TabString = 0;
    if (!Find.found.Empty()) update(FoundRegion(Geometry(), State()));
}

void GuitarClient::GetFretPoint(int& fret, int& string) const
{
    int x = -1, y = -1;
    Geometry().FretPoint(fret, string, x, y);
    fret = x;
    string = y;
}

void GuitarClient::FretFromPoint(int& x, int& y) const
{
    int fret = -1, string = -1;
    Geometry().FretFromPoint(QPoint(x, y), fret, string);
    x = fret;
    y = string;
}

void GuitarClient::PaintMarkers(int string)
{
    const FingerboardGeometry g = Geometry();
    const FingerboardState state = State();
    QRegion region = g.LabelColumn();
    if (!Find.found.Empty()) {
        region += FoundRegion(g, state);
        for (int s = 0; s < StringCount; ++s) region += MarkerOf(g, state, s).rect;
    } else {
        region += MarkerOf(g, state, string).rect;
    }
    update(region);
    RefreshFingerings();
}

void GuitarClient::InvalidateAllMarkers()
{
    for (int s = 0; s < StringCount; ++s) PaintMarkers(s);
}

bool GuitarClient::TypedFret(char c, int& fret, int& string)
{
    const FretKey key = FretOfKey(c, TypingMethod, StringCount, TabString);
    if (key.resetsTablature) TabString = 0;
    // A fret the neck does not have cannot be shown or played.
    if (!key.plays || key.fret >= FretCount) return false;
    fret = key.fret;
    string = key.string;
    return true;
}

void GuitarClient::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QFont font = QGuiApplication::font();
    const FontSizeMapper& measures = GuiFontSize();
    const LabelFont labels{&font, measures.AverageCharWidth(), measures.Ascent()};
    PaintFingerboard(painter, Geometry(), State(), labels, event->rect());
    ShowChordNamesWhenActive();
}

void GuitarClient::ModeChanged()
{
    for (int s = 0; s < StringCount; ++s)
        if (Chord.notes[s] == NoNote) PaintMarkers(s);
    if (Mode == ChordMode && CountPlayed(Chord, StringCount) < 2) {
        InvalidateAllMarkers();
        ResetToOpenStrings();
        InvalidateAllMarkers();
    }
}

void GuitarClient::TakeChord(const chord& c)
{
    LayOnStrings(c);
    if (SoundOn && ArrivalsSound()) Chord.TimedSound(ArrivalSoundMs);
}

void GuitarClient::LayOnStrings(const chord& c)
{
    InvalidateAllMarkers();
    const chord laid = AssignStrings(c, Tuning, StringCount, FretCount, CapoFret);
    std::copy(std::begin(laid.notes), std::end(laid.notes), Chord.notes);
    std::copy(std::begin(laid.marks), std::end(laid.marks), Chord.marks);
    Chord.key = laid.key;
    Chord.soundCount = 0;
    Chord.midiOutput = 0;
    InvalidateAllMarkers();
}

void GuitarClient::CutChord()
{
    InvalidateAllMarkers();
    Chord.Cut();
    ResetToOpenStrings();
    InvalidateAllMarkers();
}

void GuitarClient::keyPressEvent(QKeyEvent* event)
{
    keyModifiers_ = event->modifiers();
    mmMDIChildClient::keyPressEvent(event);
}

void GuitarClient::keyReleaseEvent(QKeyEvent* event)
{
    keyModifiers_ = event->modifiers();
    mmMDIChildClient::keyReleaseEvent(event);
}

void GuitarClient::KeyDown(int key, int repeat, int flags)
{
    if (flags) return;  // an automatic repeat
    switch (key) {
    case Qt::Key_Backspace:
        InvalidateAllMarkers();
        ResetToOpenStrings();
        InvalidateAllMarkers();
        return;
    case Qt::Key_Space:
        if (CtrlHeld())
            SetSound(SoundOn ? 0 : 1);
        else
            mmMDIChildClient::KeyDown(key, repeat, flags);
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: MoveByArrow(key, repeat); return;
    default: break;
    }
    int fret = -1, string = -1;
    if (CtrlHeld() || !TypedFret(TypingMap::KeyChar(key), fret, string)) return;
    PaintMarkers(string);
    const NOTES n = fret < 0 ? NoNote : static_cast<NOTES>(Tuning.notes[string] + fret);
    if (TypingMethod == GuitarTyping::Tablature)
        Chord.notes[string] = n;
    else
        Chord.notes[string] = Chord.notes[string] == n ? NoNote : n;
    PaintMarkers(string);
    if (SoundOn) Chord.SoundOn();
}

void GuitarClient::MoveByArrow(int key, int repeat)
{
    const NeckRange neck{&Tuning, StringCount, CapoFret, FretCount};
    const bool moveOpen = BoardFlags & BoardFlag::ArrowsMoveOpen;
    InvalidateAllMarkers();
    if (key == Qt::Key_Left || key == Qt::Key_Right)
        MoveAlongNeck(Chord, neck, key == Qt::Key_Right ? repeat : -repeat, moveOpen);
    else
        MoveAcrossStrings(Chord, neck, key == Qt::Key_Up);
    Chord.SetKey(NoNote);
    InvalidateAllMarkers();
    if (SoundOn) Chord.SoundOn();
}

void GuitarClient::KeyUp(int key, int repeat, int flags)
{
    if (key == Qt::Key_Space) {
        if (!CtrlHeld()) mmMDIChildClient::KeyUp(key, repeat, flags);
        return;
    }
    if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down) {
        if (SoundOn) Chord.SoundOff();
        return;
    }
    int fret = -1, string = -1;
    if (CtrlHeld() || !TypedFret(TypingMap::KeyChar(key), fret, string)) return;
    if (TypingMethod == GuitarTyping::Tablature && ++TabString >= StringCount) TabString = 0;
    if (SoundOn) Chord.SoundOff();
    if (Mode != ChordMode) {
        PaintMarkers(string);
        Chord.notes[string] = NoNote;
        PaintMarkers(string);
    }
}

void GuitarClient::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return mmMDIChildClient::mousePressEvent(event);
    QPoint p = event->position().toPoint();
    MouseDown(event->modifiers(), p);
}

void GuitarClient::MouseDown(Qt::KeyboardModifiers keys, QPoint& point)
{
    const FingerboardGeometry g = Geometry();
    if (g.InLabelColumn(point)) {
        // The string's note becomes the key the spelling is written in.
        const int s = g.StringAt(point.y());
        if (s < 0) return;
        Chord.SetKey(Chord.notes[s]);
        update(g.LabelColumn());
        return;
    }
    int fret = -1, string = -1;
    g.FretFromPoint(point, fret, string);
    if (fret < 0 || string < 0) return;
    PlayClickedFret(keys, std::max(fret, CapoFret), string);
}

void GuitarClient::PlayClickedFret(Qt::KeyboardModifiers keys, int fret, int string)
{
    const bool notesMode = Mode != ChordMode;
    if (notesMode) {
        Chord.SoundOff();
        for (int s = 0; s < StringCount; ++s) {
            if (Chord.notes[s] == NoNote) continue;
            PaintMarkers(s);
            Chord.notes[s] = NoNote;
        }
    }
    if (!(keys & Qt::ShiftModifier) || notesMode) {
        PaintMarkers(string);
        const NOTES n = static_cast<NOTES>(Tuning.notes[string] + fret);
        Chord.notes[string] = Chord.notes[string] == n ? NoNote : n;  // a second click releases the string
    } else {
        InvalidateAllMarkers();
        MoveShapeToFret(Chord, NeckRange{&Tuning, StringCount, CapoFret, FretCount}, fret,
                        BoardFlags & BoardFlag::ArrowsMoveOpen);
        InvalidateAllMarkers();
    }
    // The pressed window keeps the pointer until the button comes up.
    if (SoundOn) Chord.SoundOn();
    PaintMarkers(string);
    Chord.SetKey(NoNote);
}

void GuitarClient::DropUnreachableNotes()
{
    for (int s = 0; s < chord::Slots; ++s)
        if (Chord.notes[s] != NoNote && !StringReaches(Tuning, s, Chord.notes[s], CapoFret, FretCount))
            Chord.notes[s] = NoNote;
}

GuitarClient::Settings GuitarClient::CurrentSettings() const
{
    Settings s;
    s.soundOn = SoundOn;
    s.program = Chord.program;
    s.mode = Mode;
    s.typingMethod = TypingMethod;
    s.fretCount = FretCount;
    s.capoFret = CapoFret;
    s.boardFlags = BoardFlags;
    s.showFingerings = ShowFingerings;
    s.liveInput = live_->Setting();
    return s;
}

void GuitarClient::ApplySettings(const Settings& settings)
{
    constexpr int DialogFlags =
        BoardFlag::ShowNotes | BoardFlag::ShowSpelling | BoardFlag::ArrowsMoveOpen | BoardFlag::LeftHanded;
    SetSound(settings.soundOn);
    Chord.program = Tuning.program = settings.program;
    SetMode(settings.mode);
    TypingMethod = settings.typingMethod;
    if (const TuningNameTag* tuning = GetTuning(settings.tuningIndex)) {
        std::copy(std::begin(tuning->strings), std::end(tuning->strings), Tuning.notes);
        Tuning.instrument = Chord.instrument = static_cast<std::int16_t>(tuning->instrument);
    }
    CountStrings();
    SetFretCount(settings.fretCount);
    // The capo sits on a fret the neck has, also when the neck got shorter.
    CapoFret = std::clamp(settings.capoFret, 0, FretCount - 1);
    DropUnreachableNotes();
    Chord.SetKey(NoNote);
    BoardFlags = settings.boardFlags & DialogFlags;
    TabString = 0;
    ShowFingerings = settings.showFingerings ? 1 : 0;
    PlaceFingerings();
    live_->Apply(settings.liveInput);
    update();
}

int GuitarClient::ChangeSettings()
{
    GuitarSettingsDialog dialog(this, CurrentSettings(), Tuning);
    if (dialog.exec() != QDialog::Accepted) return 0;
    ApplySettings(dialog.Chosen());
    return 1;
}

void GuitarClient::SaveSettings(char*& out, int& remaining)
{
    mmMDIChildClient::SaveSettings(out, remaining);
    GuitarSettingsRecord record;
    record.tuning = Tuning;
    record.fretCount = FretCount;
    record.capoFret = CapoFret;
    record.boardFlags = BoardFlags;
    record.typingMethod = TypingMethod;
    std::uint8_t bytes[GuitarSettingsRecord::Size];
    record.Encode(bytes);
    // The list's record may only follow a record of the Guitar's own.
    if (!AppendRecord(bytes, GuitarSettingsRecord::Size, out, remaining)) return;
    std::uint8_t list[ListRecordSize];
    PutLE(list, ShowFingerings ? ListShown : 0, ListRecordSize);
    if (!AppendRecord(list, ListRecordSize, out, remaining)) return;
    std::uint8_t live[LiveInputSetting::RecordSize];
    live_->Setting().Encode(live);
    AppendRecord(live, LiveInputSetting::RecordSize, out, remaining);
}

void GuitarClient::LoadSettings(char*& in, int& remaining)
{
    mmMDIChildClient::LoadSettings(in, remaining);
    if (!in || remaining <= 0 || *in == '\0') return;  // a line without the Guitar's record keeps the defaults
    std::uint8_t bytes[GuitarSettingsRecord::Size];
    int used = 0;
    if (!FromString(in, bytes, GuitarSettingsRecord::Size, used)) return;
    in += used;
    remaining -= used;
    GuitarSettingsRecord record;
    record.Decode(bytes);
    record.Repair();
    Tuning = record.tuning;
    CountStrings();
    SetFretCount(record.fretCount);
    CapoFret = record.capoFret;
    BoardFlags = record.boardFlags;
    TypingMethod = record.typingMethod != 0 ? GuitarTyping::Fingerboard : GuitarTyping::Tablature;
    TabString = 0;
    std::uint8_t list[ListRecordSize];
    if (ReadHexRecordQuietly(in, remaining, list, ListRecordSize, used)) {
        in += used;
        remaining -= used;
        ShowFingerings = (GetLE32(list) & ListShown) ? 1 : 0;
    }
    ResetToOpenStrings();
    PlaceFingerings();
    LiveInputSetting live;
    if (live.Read(in, remaining)) live_->Apply(live);
    update();
}

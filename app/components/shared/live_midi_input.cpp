#include "app/components/shared/live_midi_input.h"

#include <algorithm>
#include <vector>

#include "core/studio/chord_names_line.h"
#include "core/studio/component_types.h"
#include "app/studio/mm_mdi_child_client.h"
#include "core/studio/note_flow.h"
#include "core/studio/studio_modified.h"
#include "core/midi/midi_backend.h"
#include "core/midi/midi_dev.h"
#include "core/midi/midi_input.h"
#include "core/midi/midi_key_state.h"
#include "core/midi/port_names.h"
#include "core/services/error.h"

namespace {

constexpr int PortGoneMessage = 415;
constexpr int InputOpenMessage = 451;
constexpr int InputLostMessage = 456;

std::vector<LiveMidiInput*>& LiveInputs()
{
    static std::vector<LiveMidiInput*> inputs;
    return inputs;
}

int PreferredInputDevice()
{
    int in = -1, out = 0, names = 0, velocity = 0;
    MidiDev::GetMidiSettings(in, out, names, velocity);
    return in;
}

bool SameNotes(const chord& a, const chord& b) { return std::equal(a.notes, a.notes + chord::Slots, b.notes); }

std::array<NOTES, chord::Slots> NotesOf(const chord& c)
{
    std::array<NOTES, chord::Slots> notes;
    std::copy(c.notes, c.notes + chord::Slots, notes.begin());
    return notes;
}

}  // namespace

LiveMidiInput::LiveMidiInput(mmMDIChildClient* owner, LayChord lay)
    : QObject(owner), owner_(owner), lay_(std::move(lay))
{
    deviceCheck_.setInterval(DeviceCheckMs);
    connect(&deviceCheck_, &QTimer::timeout, this, &LiveMidiInput::CheckDevices);
    settle_.setSingleShot(true);
    settle_.setInterval(SettleMs);
    connect(&settle_, &QTimer::timeout, this, &LiveMidiInput::PutOutSettledChord);
    putOut_.fill(NoNote);
    LiveInputs().push_back(this);
}

LiveMidiInput::~LiveMidiInput()
{
    Stop();
    auto& inputs = LiveInputs();
    inputs.erase(std::remove(inputs.begin(), inputs.end(), this), inputs.end());
}

void LiveMidiInput::Apply(const LiveInputSetting& setting)
{
    setting_ = setting;
    if (!setting_.on) {
        Stop();
        return;
    }
    if (!Listening() && !Start()) setting_.on = false;
}

bool LiveMidiInput::Start()
{
    const int device = PreferredInputDevice();
    if (device < 0) {
        Error(InputOpenMessage, "[None]", "no input device is chosen in the Preferences");
        return false;
    }
    if (!InitializeMidiInput(device, this)) return false;  // reported
    const auto names = CurrentMidiBackend().InputNames();
    deviceName_ = device < static_cast<int>(names.size()) ? StablePortName(names[device]) : std::string();
    device_ = device;
    held_.Clear();
    putOut_.fill(NoNote);
    toldOfLoss_ = false;
    deviceCheck_.start();
    return true;
}

void LiveMidiInput::Stop()
{
    deviceCheck_.stop();
    settle_.stop();
    if (!Listening()) return;
    UninitializeMidiInput(this);
    device_ = -1;
    deviceName_.clear();
}

void LiveMidiInput::CheckDevices()
{
    std::vector<std::string> gone;
    std::vector<std::string> names;
    bool listed = false;
    for (LiveMidiInput* input : LiveInputs()) {
        if (!input->Listening() || input->deviceName_.empty()) continue;
        if (!listed) {
            names = CurrentMidiBackend().InputNames();
            listed = true;
        }
        if (FindPortByName(names, input->deviceName_) >= 0) continue;
        if (std::find(gone.begin(), gone.end(), input->deviceName_) == gone.end()) gone.push_back(input->deviceName_);
        input->Stop();
        input->setting_.on = false;
        MarkStudioModified();
    }
    // Only now: the message waits for the user, and the inputs that stopped
    // must not find their device gone again meanwhile. One message for a
    // device, however many components played from it.
    for (std::size_t i = 0; i < gone.size(); ++i) Error(PortGoneMessage);
}

void LiveMidiInput::FollowPreferences()
{
    const int device = PreferredInputDevice();
    for (LiveMidiInput* input : LiveInputs()) {
        if (!input->Listening() || input->device_ == device) continue;
        input->Stop();
        if (!input->Start()) input->setting_.on = false;
    }
}

bool LiveMidiInput::event(QEvent* e)
{
    if (e->type() != MidiInputEventType()) return QObject::event(e);
    Read(*static_cast<MidiInputEvent*>(e));
    return true;
}

void LiveMidiInput::Read(const MidiInputEvent& posted)
{
    const bool chordMode = owner_->Mode == ChordMode;
    bool changed = false;
    // After a backlog the queue lost events, so the held notes are taken
    // from every message the device sent instead: no key stays stuck.
    MidiKeyState known;
    const bool lost = RecoverLostMidiEvents(posted, &known);
    if (lost) changed = held_.Restore(known, chordMode);
    event_tag ev{};
    for (int i = 0; i < MaxEventsAtOnce && GetMidiEvent(posted, &ev); ++i)
        if (!(ev.status & EventOutOfSync)) changed = held_.Take(ev.message, chordMode) || changed;
    if (changed) ShowHeldNotes();
    if (lost && !toldOfLoss_) {
        toldOfLoss_ = true;  // before the message, whose dialog reads on
        Error(InputLostMessage);
    }
}

void LiveMidiInput::ShowHeldNotes()
{
    chord played = owner_->Chord;
    held_.FillChord(played);
    const chord before = owner_->Chord;
    lay_(played);
    if (SameNotes(before, owner_->Chord)) return;  // all outside the range
    owner_->ShowChordNamesWhenActive();
    if (setting_.putOutEach) settle_.start();
}

void LiveMidiInput::PutOutSettledChord()
{
    if (NotesOf(owner_->Chord) == putOut_) return;
    putOut_ = NotesOf(owner_->Chord);
    PutOut(owner_);
}

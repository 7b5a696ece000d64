#pragma once
// One opened MIDI output device, the table of the devices in use, the [Midi]
// settings and the selection lists the dialogs show for programs, channels
// and devices.
//
// Output identifiers: -2 the primary device (the one the preferences chose),
// -1 the built-in synthesizer (the "MIDI mapper"), 0 and up the MIDI ports.
// A chord's midiOutput holds identifier + 2.

#include <memory>
#include <string>

#include "core/midi/midi_backend.h"
#include "core/theory/list_data.h"

class MidiDev {
public:
    static constexpr int MaxDevices = 8;
    static constexpr int PrimaryDevice = -2;
    static constexpr int Mapper = -1;

    std::unique_ptr<MidiOutputPort> handle;  // open device, or null
    int deviceId = Mapper;
    int mute = 0;       // non-zero: note-on, program and controller changes are not sent
    int velocity = 64;  // of every note-on
    bool primary = false;

    static MidiDev* midiout[MaxDevices];  // the registered devices
    static int midiout_count;
    static MidiDev* lastmidi;  // the primary device, or null

    // The primary device, from [Midi]; registered whether or not it opened.
    MidiDev();
    // A device for identifier `id`; registered only when it opened.
    explicit MidiDev(int id);
    ~MidiDev();
    MidiDev(const MidiDev&) = delete;
    MidiDev& operator=(const MidiDev&) = delete;

    // 1 when open (already or now), 0 after a reported failure.
    int Open();
    // 0: closed, or nothing to close.
    int Close();
    // Note-off on channel 0 for every MIDI note 0-124, then a device reset.
    int Reset();
    // Note-on (`on` 1) or note-off for a NOTES value. 1 when nothing was sent
    // (no device, muted, or a beep for a device that is gone or busy), 0 else.
    int Note(int channel, int note, int on);
    // Note-on with a velocity of its own (a song's), scaled by `velocity`,
    // the volume the user chose: at 127 it goes out as written. Returns as Note.
    int NoteWithVelocity(int channel, int note, int written);
    int SetInstrument(int channel, int program);
    // A controller's value (the sustain pedal, volume, pan, ...) and the pitch
    // wheel (0..16383, 8192 at rest), as written: the velocity setting leaves
    // them alone. Muted, only what brings a channel to rest goes out, as
    // note-offs do, so that nothing set before the mute hangs. Return as Note.
    int ControlChange(int channel, int controller, int value);
    int PitchBend(int channel, int value);
    // A pedal lifted, or the channel's sound, notes or controllers reset.
    static bool BringsToRest(int controller, int value);

    // -2: the primary device (may be null). Otherwise the registered device
    // for `id`, or a new one.
    static MidiDev* MidiOut(int id);
    static int GetIndexFromHandle(const MidiOutputPort* h);
    // Destroys every registered device.
    static void ReleaseDevices();

    static void GetMidiSettings(int& in, int& out, int& names, int& velocity);
    static void SetMidiSettings(int in, int out, int names, int velocity);

    static void FillMIDIList(TComboBoxData& d, int selected);
    static void FillChannelList(TComboBoxData& d, int selected);
    static void FillMidiDevList(TComboBoxData& d, int input, bool withDefault);

private:
    int Send(const std::uint8_t* bytes, int size);
    int SendNote(int channel, int note, int on, int noteVelocity);
    void Register();
    void Unregister();

    // The port name the settings remember for the primary device; preferred
    // to deviceId, whose number changes when devices come and go.
    std::string portName_;
};

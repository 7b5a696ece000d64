#include "core/midi/midi_dev.h"

#include <algorithm>

#include "core/midi/midi_beep.h"
#include "core/midi/midi_settings.h"
#include "core/midi/port_names.h"

MidiDev* MidiDev::midiout[MidiDev::MaxDevices] = {};
int MidiDev::midiout_count = 0;
MidiDev* MidiDev::lastmidi = nullptr;

namespace {

constexpr int LowestNote = 3;  // MIDI note 0
constexpr int HighestSweptNote = 127;

// A device that did not open is handed back unregistered; it is kept here
// until the next one fails, so the caller's pointer stays good meanwhile.
std::unique_ptr<MidiDev>& FailedDevice()
{
    static std::unique_ptr<MidiDev> device;
    return device;
}

std::uint8_t DataByte(int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 127)); }

}  // namespace

MidiDev::MidiDev() : primary(true)
{
    int in = 0;
    int names = 0;
    GetMidiSettings(in, deviceId, names, velocity);
    mute = ReadMidiInt("Mute", 0);
    if (deviceId >= 0) portName_ = ReadMidiString("OutDeviceName");
    Open();
    lastmidi = this;
    Register();
}

MidiDev::MidiDev(int id) : deviceId(id)
{
    mute = ReadMidiInt("Mute", 0);
    velocity = ReadMidiInt("Velocity", 127);
    if (Open()) Register();
}

MidiDev::~MidiDev()
{
    if (primary) {
        WriteMidiInt("Mute", mute);
        WriteMidiInt("Velocity", velocity);
        if (lastmidi == this) lastmidi = nullptr;
    }
    if (handle) {
        Reset();
        Close();
    }
    Unregister();
}

void MidiDev::Register()
{
    if (midiout_count < MaxDevices) midiout[midiout_count++] = this;
}

void MidiDev::Unregister()
{
    for (int i = 0; i < midiout_count; ++i) {
        if (midiout[i] != this) continue;
        midiout[i] = midiout[--midiout_count];
        midiout[midiout_count] = nullptr;
        return;
    }
}

int MidiDev::Open()
{
    if (handle) return 1;
    MidiBackend& backend = CurrentMidiBackend();
    if (!portName_.empty() && deviceId >= 0) {
        const int listed = FindPortByName(backend.OutputNames(), portName_);
        if (listed < 0) return ReportOpenFailure({MidiFailure::NoDevice, portName_});
        deviceId = listed;
    }
    MidiStatus status;
    handle = backend.OpenOutput(deviceId, status);
    // The synthesizer without audio output opens and says why it is silent.
    if (!status.Ok()) ReportOpenFailure(status);
    return handle ? 1 : 0;
}

int MidiDev::Close()
{
    handle.reset();
    return 0;
}

int MidiDev::Reset()
{
    if (!handle) return 0;
    for (int note = LowestNote; note <= HighestSweptNote; ++note) Note(0, note, 0);
    handle->Reset();
    return 0;
}

int MidiDev::Send(const std::uint8_t* bytes, int size)
{
    const MidiFailure failure = handle->Send(bytes, size);
    if (failure == MidiFailure::InvalidHandle || failure == MidiFailure::NotReady) {
        MidiBeep();
        return 1;
    }
    return 0;
}

int MidiDev::Note(int channel, int note, int on) { return SendNote(channel, note, on ? 1 : 0, velocity); }

int MidiDev::NoteWithVelocity(int channel, int note, int written)
{
    const int volume = std::clamp(velocity, 0, 127);
    const int scaled = (std::clamp(written, 0, 127) * volume + 63) / 127;
    // A soft note stays a note-on while there is any volume at all.
    return SendNote(channel, note, 1, written > 0 && volume > 0 ? std::max(scaled, 1) : 0);
}

int MidiDev::SendNote(int channel, int note, int on, int noteVelocity)
{
    if (!handle || (on && mute)) return 1;
    const int key = note - LowestNote;
    // Anything else would put a status byte where a data byte belongs.
    if (channel < 0 || channel > 15 || key < 0 || key > 127) return 0;
    const std::uint8_t bytes[3] = {
        static_cast<std::uint8_t>((on ? 0x90 : 0x80) | channel),
        static_cast<std::uint8_t>(key),
        on ? DataByte(noteVelocity) : std::uint8_t{0},
    };
    return Send(bytes, 3);
}

int MidiDev::SetInstrument(int channel, int program)
{
    if (!handle || mute) return 1;
    if (channel < 0 || channel > 15 || program < 0 || program > 127) return 0;
    const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(0xC0 | channel), static_cast<std::uint8_t>(program)};
    return Send(bytes, 2);
}

bool MidiDev::BringsToRest(int controller, int value)
{
    enum { Sustain = 64, Sostenuto = 66, Soft = 67, AllSoundOff = 120, ResetControllers = 121, AllNotesOff = 123 };
    switch (controller) {
    case Sustain:
    case Sostenuto:
    case Soft:
        return value == 0;
    case AllSoundOff:
    case ResetControllers:
    case AllNotesOff:
        return true;
    default:
        return false;
    }
}

int MidiDev::ControlChange(int channel, int controller, int value)
{
    if (!handle || (mute && !BringsToRest(controller, value))) return 1;
    if (channel < 0 || channel > 15 || controller < 0 || controller > 127 || value < 0 || value > 127) return 0;
    const std::uint8_t bytes[3] = {static_cast<std::uint8_t>(0xB0 | channel), static_cast<std::uint8_t>(controller),
                                   static_cast<std::uint8_t>(value)};
    return Send(bytes, 3);
}

int MidiDev::PitchBend(int channel, int value)
{
    constexpr int Centre = 8192;
    if (!handle || (mute && value != Centre)) return 1;
    if (channel < 0 || channel > 15 || value < 0 || value > 16383) return 0;
    const std::uint8_t bytes[3] = {static_cast<std::uint8_t>(0xE0 | channel), static_cast<std::uint8_t>(value & 0x7F),
                                   static_cast<std::uint8_t>(value >> 7)};
    return Send(bytes, 3);
}

MidiDev* MidiDev::MidiOut(int id)
{
    if (id == PrimaryDevice) return lastmidi;
    for (int i = 0; i < midiout_count; ++i)
        if (midiout[i]->deviceId == id) return midiout[i];
    // A ninth device has no place: the primary device sounds instead.
    if (midiout_count >= MaxDevices) return lastmidi;
    auto device = std::make_unique<MidiDev>(id);
    if (device->handle) return device.release();  // registered by its constructor
    FailedDevice() = std::move(device);
    return FailedDevice().get();
}

int MidiDev::GetIndexFromHandle(const MidiOutputPort* h)
{
    for (int i = 0; i < midiout_count; ++i)
        if (midiout[i]->handle.get() == h) return i;
    return -1;
}

void MidiDev::ReleaseDevices()
{
    while (midiout_count > 0) delete midiout[midiout_count - 1];
    FailedDevice().reset();
}

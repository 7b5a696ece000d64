// The selection lists of MIDI programs, channels and devices.
#include <cstdio>

#include "core/midi/midi_dev.h"
#include "core/midi/midi_settings.h"
#include "core/services/string_table.h"

namespace {

constexpr int ProgramNameStrings = 3090;  // General MIDI names of programs 0-127
constexpr int ChannelStrings = 81;        // channels 1-16
constexpr int Programs = 128;
constexpr int Channels = 16;

std::string CoreText(int id)
{
    const char* text = CoreStrings().Find(id);
    return text ? text : "";
}

void AddDevices(TComboBoxData& d, const std::vector<std::string>& names, int selected)
{
    for (int id = 0; id < static_cast<int>(names.size()); ++id) d.AddString(names[id], id == selected);
}

}  // namespace

void MidiDev::FillMIDIList(TComboBoxData& d, int selected)
{
    d.Clear();
    const int names = ReadMidiInt("MidiNames", 0);
    for (int program = 0; program < Programs; ++program) {
        std::string text;
        if (names == 0) {
            text = CoreText(ProgramNameStrings + program);
        } else {
            char numbered[24];
            std::snprintf(numbered, sizeof numbered, "Program %d", program + (names == 2 ? 1 : 0));
            text = numbered;
        }
        d.AddString(text, program == selected);
    }
}

void MidiDev::FillChannelList(TComboBoxData& d, int selected)
{
    d.Clear();
    for (int channel = 0; channel < Channels; ++channel)
        d.AddString(CoreText(ChannelStrings + channel), channel == selected);
}

void MidiDev::FillMidiDevList(TComboBoxData& d, int input, bool withDefault)
{
    int in = 0;
    int out = 0;
    int names = 0;
    int velocity = 0;
    GetMidiSettings(in, out, names, velocity);
    MidiBackend& backend = CurrentMidiBackend();
    if (input) {
        d.AddString(withDefault ? "[Default]" : "[None]", in == -1);
        AddDevices(d, backend.InputNames(), in);
    } else {
        if (withDefault) d.AddString("[Default]", out == PrimaryDevice);
        d.AddString(backend.MapperName(), out == Mapper);
        AddDevices(d, backend.OutputNames(), out);
    }
}

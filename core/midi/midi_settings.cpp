#include "core/midi/midi_settings.h"

#include <string>

#include "core/midi/midi_backend.h"
#include "core/midi/midi_dev.h"
#include "core/midi/port_names.h"
#include "core/services/file_names.h"
#include "core/services/profile.h"

namespace {

constexpr const char* Section = "Midi";

const char* IniFile()
{
    const char* file = GetINIFileName();
    return file ? file : "";
}

}  // namespace

int ReadMidiInt(const char* key, int def) { return GetPrivateProfileInt(Section, key, def, IniFile()); }

std::string ReadMidiString(const char* key) { return GetProfileString(IniFile(), Section, key, ""); }

void WriteMidiString(const char* key, const char* value) { WritePrivateProfileString(Section, key, value, IniFile()); }

void WriteMidiInt(const char* key, int value) { WriteMidiString(key, std::to_string(value).c_str()); }

int ResolveDeviceSetting(const char* idKey, int def, const char* nameKey, const std::vector<std::string>& ports)
{
    const int id = ReadMidiInt(idKey, def);
    if (id < 0) return id;
    const std::string name = ReadMidiString(nameKey);
    if (name.empty()) return id;
    const int listed = FindPortByName(ports, name);
    return listed >= 0 ? listed : id;
}

void StoreDeviceSetting(const char* idKey, int id, const char* nameKey, const std::vector<std::string>& ports)
{
    WriteMidiInt(idKey, id);
    const bool isPort = id >= 0 && id < static_cast<int>(ports.size());
    WriteMidiString(nameKey, isPort ? StablePortName(ports[id]).c_str() : nullptr);
}

void MidiDev::GetMidiSettings(int& in, int& out, int& names, int& velocity)
{
    // Ports are listed only when a name asks for it: listing opens a client.
    MidiBackend& backend = CurrentMidiBackend();
    in = ReadMidiString("InDeviceName").empty()
             ? ReadMidiInt("InDeviceID", 0)
             : ResolveDeviceSetting("InDeviceID", 0, "InDeviceName", backend.InputNames());
    out = ReadMidiString("OutDeviceName").empty()
              ? ReadMidiInt("OutDeviceID", Mapper)
              : ResolveDeviceSetting("OutDeviceID", Mapper, "OutDeviceName", backend.OutputNames());
    names = ReadMidiInt("MidiNames", 0);
    velocity = lastmidi ? lastmidi->velocity : ReadMidiInt("Velocity", 64);
}

void MidiDev::SetMidiSettings(int in, int out, int names, int velocity)
{
    MidiBackend& backend = CurrentMidiBackend();
    StoreDeviceSetting("InDeviceID", in, "InDeviceName", in >= 0 ? backend.InputNames() : std::vector<std::string>());
    StoreDeviceSetting("OutDeviceID", out, "OutDeviceName",
                       out >= 0 ? backend.OutputNames() : std::vector<std::string>());
    WriteMidiInt("MidiNames", names);
    if (lastmidi)
        lastmidi->velocity = velocity;
    else
        WriteMidiInt("Velocity", velocity);
}

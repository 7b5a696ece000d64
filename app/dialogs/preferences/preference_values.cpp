#include "app/dialogs/preferences/preference_values.h"

#include <string>

#include "app/components/shared/live_midi_input.h"
#include "app/dialogs/preferences/naming_preferences.h"
#include "app/dialogs/preferences/octave_preference.h"
#include "core/studio/chord_names_line.h"
#include "app/studio/mm_mdi_child.h"
#include "app/studio/mm_mdi_child_client.h"
#include "app/studio/mm_mdi_client.h"
#include "core/studio/show_scale_notes.h"
#include "core/midi/midi_dev.h"
#include "core/midi/midi_settings.h"
#include "core/services/file_names.h"
#include "core/services/profile.h"
#include "core/services/settings_write_failure.h"
#include "core/theory/chord.h"
#include "core/theory/octave_numbering.h"

namespace {

void WriteGlobal(const char* key, int value)
{
    if (const char* file = GetINIFileName())
        WritePrivateProfileString("Global", key, std::to_string(value).c_str(), file);
}

// A device as [Midi] remembers it: its number and the name of its port.
struct RememberedDevice {
    const char* nameKey;
    int id;
    std::string name;
};

RememberedDevice Remember(const char* idKey, int def, const char* nameKey)
{
    return {nameKey, ReadMidiInt(idKey, def), ReadMidiString(nameKey)};
}

// A port that is unplugged now is not listed, so storing its number drops
// its name. Kept while the choice stays on it, the name finds the port
// again when it comes back.
void KeepNameOfAbsentPort(const RememberedDevice& before, int chosen)
{
    if (chosen == before.id && !before.name.empty() && ReadMidiString(before.nameKey).empty())
        WriteMidiString(before.nameKey, before.name.c_str());
}

// Every component draws again with the new spelling and names.
void RedrawComponents()
{
    mmMDIClient* studio = mmMDIClient::Instance();
    if (!studio) return;
    for (mmMDIChild* frame : studio->Frames()) {
        frame->update();
        if (mmMDIChildClient* client = frame->Client()) client->update();
    }
    if (mmMDIChild* active = mmMDIChild::ActiveComponent())
        if (mmMDIChildClient* client = active->Client()) ShowChordNames(client->Chord);
}

}  // namespace

PreferenceValues CurrentPreferences()
{
    PreferenceValues v;
    v.accidentals = chord::Config_Accidentals;
    v.customAccidentals = chord::Custom_Accidentals;
    MidiDev::GetMidiSettings(v.midiIn, v.midiOut, v.midiNames, v.velocity);
    v.maxChords = MaxChords();
    v.showScaleNotes = ShowScaleNotes();
    v.noRoot = chord::Config_NoRoot;
    v.diffBass = chord::Config_DiffBass;
    v.bassStyle = chord::Config_BassStyle;
    v.addStyle = chord::Config_AddStyle;
    v.octavesFromC = ShownOctaveNumbering() == OctaveNumbering::FromC ? 1 : 0;
    return v;
}

void ApplyPreferences(const PreferenceValues& v)
{
    chord::Config_Accidentals = v.accidentals;
    chord::Custom_Accidentals = v.customAccidentals;

    ProfileBatch batch;
    const RememberedDevice input = Remember("InDeviceID", 0, "InDeviceName");
    const RememberedDevice output = Remember("OutDeviceID", MidiDev::Mapper, "OutDeviceName");
    MidiDev::ReleaseDevices();
    MidiDev::SetMidiSettings(v.midiIn, v.midiOut, v.midiNames, v.velocity);
    KeepNameOfAbsentPort(input, v.midiIn);
    KeepNameOfAbsentPort(output, v.midiOut);
    new MidiDev;  // the primary device; registers itself, released with the others

    SetMaxChords(v.maxChords);
    WriteGlobal("MaxChords", v.maxChords);
    SetShowScaleNotes(v.showScaleNotes);
    WriteGlobal("ShowScaleNotes", ShowScaleNotes());

    chord::Config_NoRoot = v.noRoot ? 1 : 0;
    chord::Config_BassStyle = v.bassStyle ? 1 : 0;
    chord::Config_AddStyle = v.addStyle ? 1 : 0;
    chord::Config_DiffBass = v.diffBass ? 1 : 0;
    WriteNamingPreferences();
    SetShownOctaveNumbering(v.octavesFromC ? OctaveNumbering::FromC : OctaveNumbering::FromA);
    WriteOctavePreference();
    if (!batch.Commit()) ReportSettingsNotWritten("the preferences chosen hold only until it ends");

    LiveMidiInput::FollowPreferences();
    RedrawComponents();
}

#pragma once
// Everything the Preferences dialog edits, as plain values: read from where
// the program keeps them, and applied all at once as OK does.

struct PreferenceValues {
    int accidentals = 3;             // chord::Config_Accidentals: 0 sharps, 1 flats, 2 custom, 3 default, 4 by chord
    unsigned customAccidentals = 0;  // chord::Custom_Accidentals: 1 C#, 2 D#, 4 F#, 8 G#, 16 A# named flat
    int midiIn = 0;                  // MIDI input device (-1 none)
    int midiOut = -1;                // primary output device (-1 the built-in synthesizer)
    int midiNames = 0;               // program names: 0 General MIDI, 1 numbers 0-127, 2 numbers 1-128
    int velocity = 64;
    int maxChords = 5;  // most chord names in the status bar
    int showScaleNotes = 0;
    int noRoot = 1;
    int diffBass = 0;
    int bassStyle = 0;
    int addStyle = 0;
    int octavesFromC = 0;  // octave numbers shown and typed: 1 from C (middle C = C4), 0 from A as stored
};

// The values in force now.
PreferenceValues CurrentPreferences();

// Makes values the program's: the naming switches, the MIDI settings (every
// device released and the primary device opened anew, whether or not they
// changed), MaxChords, ShowScaleNotes and the octave numbering, all kept in the settings file;
// then every component is redrawn and the status bar names the active
// component's chord again.
void ApplyPreferences(const PreferenceValues& values);

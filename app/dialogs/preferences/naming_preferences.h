#pragma once
// The theory engine's naming switches (chord::Config_Accidentals,
// chord::Custom_Accidentals, Config_NoRoot, Config_DiffBass, Config_BassStyle,
// Config_AddStyle) kept in [Global] of the program settings, so that the
// spelling and naming chosen in the preferences last from run to run.
// Absent or unusable keys leave a switch at its initial value.

// Sets the switches from the settings file; called at start-up.
void ReadNamingPreferences();
// Writes the switches as they are now.
void WriteNamingPreferences();

#pragma once
// The octave numbering chosen in the preferences, kept in [Global]
// "OctaveNumbers" of the program settings as "C" or "A". A settings file
// without the key counts from A, as every earlier version of the program did;
// the shipped settings choose C for a new user.

// Sets the numbering from the settings file; called at start-up.
void ReadOctavePreference();
// Writes the numbering in force.
void WriteOctavePreference();

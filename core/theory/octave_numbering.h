#pragma once
// How octave numbers are shown to the user and read from what the user types.
// What is stored or exchanged (studio files, cantrel.ini, the clipboard's text
// form) always counts from A, whatever is chosen here.

enum class OctaveNumbering {
    FromA,  // as stored: octaves change at A, middle C is C6
    FromC,  // as musicians count: octaves change at C, middle C (MIDI 60) is C4
};

// The numbering in force; FromA until the program or a command chooses.
OctaveNumbering ShownOctaveNumbering();
void SetShownOctaveNumbering(OctaveNumbering numbering);

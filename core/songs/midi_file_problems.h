#pragma once
// The messages a MIDI file that cannot be read as a song gives.

#include <string>

#include "core/songs/midi_song.h"

enum MidiFileMessage {
    MidiFileCannotOpen = 475,   // file, the system's reason
    MidiFileNotSmf = 476,       // file, what is there instead
    MidiFileFormat = 477,       // file, the format number
    MidiFileCutShort = 478,     // file, what is missing
    MidiFileDamaged = 479,      // file, what is wrong and where
    MidiFileNoNotes = 480,      // file
    MidiFileTooLarge = 481,     // file, which bound it passes
};

// The problem with its whole text; an empty file stands for "The file".
MidiFileProblem MakeMidiFileProblem(int number, const std::string& file, const std::string& detail);

#pragma once
// The options of the commands that work on the strings of a tuning:
// --tuning N (from 0), --frets F (fret positions with the open one, as the
// Guitar counts them: 13 for frets 0-12) and --capo C (on one of them).

#include <string>
#include <utility>
#include <vector>

#include "cli/sound_options.h"
#include "core/theory/chord.h"

struct NeckOptions {
    long tuning = 0;
    long fretPositions = 13;
    long capo = 0;
    chord strings;  // the open strings of the tuning
};

// The three options, to add to a command's own.
extern const SoundOption NeckOptionNames[3];

// Reads the neck options among `options` and leaves the others in it. False
// with the reason for a bad value or an empty tuning list.
bool ReadNeckOptions(std::vector<std::pair<std::string, std::string>>& options, NeckOptions& neck,
                     std::string& problem);

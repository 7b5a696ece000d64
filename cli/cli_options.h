#pragma once
// Options that hold for every command: the settings file and the naming
// switches the program's preferences would otherwise set.

#include <optional>
#include <string>
#include <vector>

#include "core/theory/octave_numbering.h"

struct GlobalOptions {
    std::string iniPath;  // empty: the usual settings file
    bool help = false;
    std::optional<int> accidentals;
    std::optional<unsigned> customAccidentals;
    std::optional<int> noRoot;
    std::optional<int> diffBass;
    std::optional<int> bassStyle;
    std::optional<int> addStyle;
    std::optional<OctaveNumbering> octaves;  // of the notes read and written
};

// Takes the global options out of args, wherever they stand before "--" (which
// is dropped too), leaving the command and its arguments in order; unknown
// options behind the command word are left for the command. False with a
// one-line reason in problem for an unknown option before the command or a
// bad value.
bool ParseGlobalOptions(std::vector<std::string>& args, GlobalOptions& options, std::string& problem);

// Sets the chord naming switches the options name; the others keep their values.
void ApplyNamingOptions(const GlobalOptions& options);

// The option lines of the usage text.
const char* GlobalOptionsHelp();

#pragma once
// The studio the next start opens: [Files] "OpenStudio" of the settings
// file. The path is kept byte for byte: one the settings file would trim
// (blanks at either end) is written between double quotes, which reading
// removes, as the profile calls of the old platform did. A path holding a
// line break cannot be kept there.

#include <string>

enum class Remembering {
    Kept,        // on disk
    CannotHold,  // no settings file, one refused as far too large (both said at
                 // start-up), or a path with a line break
    NotWritten,  // the write failed
};
// Writes the path and puts it on disk at once.
Remembering RememberStudio(const std::string& path);
// The remembered path (at most 255 bytes), or empty.
std::string RememberedStudio();

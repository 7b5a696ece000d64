#pragma once
// The studio the next start opens: [Files] "OpenStudio" of the settings
// file. The path is kept byte for byte: one the settings file would trim
// (blanks at either end) is written between double quotes, which reading
// removes, as the profile calls of the old platform did. A path holding a
// line break cannot be kept there.

#include <string>

// False when the settings file could not take it.
bool RememberStudio(const std::string& path);
// The remembered path (at most 255 bytes), or empty.
std::string RememberedStudio();

#include "app/dialogs/preferences/octave_preference.h"

#include <string>

#include "core/services/file_names.h"
#include "core/services/profile.h"
#include "core/theory/octave_numbering.h"

namespace {
constexpr const char* Section = "Global";
constexpr const char* Key = "OctaveNumbers";
}  // namespace

void ReadOctavePreference()
{
    const char* file = GetINIFileName();
    if (!file) return;
    const std::string value = GetProfileString(file, Section, Key, "");
    const bool fromC = value == "C" || value == "c";
    SetShownOctaveNumbering(fromC ? OctaveNumbering::FromC : OctaveNumbering::FromA);
}

void WriteOctavePreference()
{
    if (const char* file = GetINIFileName())
        WritePrivateProfileString(Section, Key, ShownOctaveNumbering() == OctaveNumbering::FromC ? "C" : "A", file);
}

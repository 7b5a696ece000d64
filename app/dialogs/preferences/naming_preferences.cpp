#include "app/dialogs/preferences/naming_preferences.h"

#include <string>

#include "core/services/file_names.h"
#include "core/services/profile.h"
#include "core/theory/chord.h"
#include "core/theory/chord_spelling.h"

namespace {

constexpr const char* Section = "Global";
constexpr int AllAccidentalBits = 31;

struct Switch {
    const char* key;
    std::uint8_t* value;
};
const Switch switches[] = {
    {"NoRoot", &chord::Config_NoRoot},
    {"DiffBass", &chord::Config_DiffBass},
    {"BassStyle", &chord::Config_BassStyle},
    {"AddStyle", &chord::Config_AddStyle},
};

// The value of key, or -1 when it is absent or not a number.
int ReadNumber(const char* key)
{
    const char* file = GetINIFileName();
    if (!file) return -1;
    const std::string text = GetProfileString(file, Section, key, "");
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || text.size() > 9) return -1;
    return std::stoi(text);
}

void WriteNumber(const char* key, long value)
{
    if (const char* file = GetINIFileName())
        WritePrivateProfileString(Section, key, std::to_string(value).c_str(), file);
}

}  // namespace

void ReadNamingPreferences()
{
    const int accidentals = ReadNumber("Accidentals");
    if (accidentals >= 0 && accidentals <= ByChordAccidentals) chord::Config_Accidentals = accidentals;
    const int custom = ReadNumber("CustomAccidentals");
    if (custom >= 0 && custom <= AllAccidentalBits) chord::Custom_Accidentals = static_cast<std::uint32_t>(custom);
    for (const Switch& s : switches) {
        const int value = ReadNumber(s.key);
        if (value == 0 || value == 1) *s.value = static_cast<std::uint8_t>(value);
    }
}

void WriteNamingPreferences()
{
    WriteNumber("Accidentals", chord::Config_Accidentals);
    WriteNumber("CustomAccidentals", static_cast<long>(chord::Custom_Accidentals));
    for (const Switch& s : switches) WriteNumber(s.key, *s.value);
}

#include "core/midi/soundfont_path.h"

#include <cstdio>

#include "core/services/file_names.h"
#include "core/services/profile.h"

namespace {

// timgm6mb-soundfont first: small, loads in a blink, always installed with
// the program. The others are what a user may have added.
constexpr const char* InstalledSoundFonts[] = {
    "/usr/share/sounds/sf2/TimGM6mb.sf2",   "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/soundfonts/default.sf2",
    "/usr/share/soundfonts/FluidR3_GM.sf2",
};

// A relative name is taken from the folder of cantrel.ini.
std::string BesideSettings(const std::string& name, const char* ini)
{
    if (name.empty() || name.front() == '/') return name;
    char path[PathSize];
    std::snprintf(path, sizeof path, "%s", ini);
    RemoveFilename(path);
    return AppendFilename(path, name.c_str());
}

}  // namespace

std::vector<std::string> SoundFontCandidates()
{
    std::vector<std::string> found;
    auto consider = [&found](const std::string& path) {
        if (path.empty() || !Exists(path.c_str())) return;
        for (const auto& known : found)
            if (known == path) return;
        found.push_back(path);
    };
    if (const char* ini = GetINIFileName(); ini && *ini)
        consider(BesideSettings(GetProfileString(ini, "Midi", "SoundFont", ""), ini));
    for (const char* path : InstalledSoundFonts) consider(path);
    return found;
}

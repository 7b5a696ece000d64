#include "core/theory/default_definitions.h"

#include <string_view>

#include "core/services/error.h"
#include "core/services/file_names.h"
#include "core/services/profile.h"
#include "core/services/profile_document.h"
#include "core/theory/name_compare.h"

// data/cantrel.ini, generated into the build.
extern const std::string_view DefaultSettingsBytes;

namespace {

constexpr int DefinitionsRestoredMessage = 449;
constexpr int DefinitionsUsedThisRunMessage = 447;

const ProfileDocument& Defaults()
{
    static const ProfileDocument defaults = ProfileDocument::Parse(DefaultSettingsBytes);
    return defaults;
}

bool HasSection(const std::vector<std::string>& names, const std::string& section)
{
    for (const std::string& name : names)
        if (SameNameIgnoringCase(name.c_str(), section.c_str())) return true;
    return false;
}

}  // namespace

const std::vector<std::string>& DefinitionSections()
{
    static const std::vector<std::string> sections{"Chords", "Tunings", "Scales", "Keys"};
    return sections;
}

std::vector<std::string> RestoreMissingDefinitions(DefinitionRestore where)
{
    const char* ini = GetINIFileName();
    std::vector<std::string> restored;
    if (ini == nullptr || *ini == '\0') return restored;
    const std::vector<std::string> present = GetProfileSectionNames(ini);
    {
        ProfileBatch batch;
        for (const std::string& section : DefinitionSections()) {
            if (HasSection(present, section)) continue;
            bool written = true;
            for (const std::string& key : Defaults().KeyNames(section))
                written = WritePrivateProfileString(section.c_str(), key.c_str(),
                                                    Defaults().Find(section, key)->c_str(), ini) &&
                          written;
            // A file that cannot be read as settings takes no writes.
            if (written) restored.push_back(section);
        }
        if (!batch.Commit()) restored.clear();
    }
    if (!restored.empty()) {
        std::string names;
        for (const std::string& section : restored) names += (names.empty() ? "[" : ", [") + section + "]";
        if (where == DefinitionRestore::IntoTheFile)
            Error(DefinitionsRestoredMessage, names.c_str());
        else
            Error(DefinitionsUsedThisRunMessage, names.c_str(), ini);
    }
    return restored;
}

// The profile-file reader on arbitrary file contents: parsing never fails,
// writing the parsed copy back and reading it again gives the same file, and
// every listed section and key can be looked up, changed and deleted.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/services/profile_document.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ProfileDocument doc = ProfileDocument::Parse(bytes);
    const std::string written = doc.Serialize();
    if (ProfileDocument::Parse(written).Serialize() != written) std::abort();

    for (const std::string& section : doc.SectionNames()) {
        for (const std::string& key : doc.KeyNames(section)) {
            if (doc.Find(section, key) == nullptr) std::abort();
        }
    }
    // Change the first key of every section, then delete the first section.
    const auto sections = doc.SectionNames();
    for (const std::string& section : sections) {
        const auto keys = doc.KeyNames(section);
        if (keys.empty()) continue;
        doc.Set(section, keys.front(), "changed");
        const std::string* value = doc.Find(section, keys.front());
        if (value == nullptr || *value != "changed") std::abort();
        if (!doc.DeleteKey(section, keys.front())) std::abort();
    }
    if (!sections.empty() && !doc.DeleteSection(sections.front())) std::abort();
    const std::string changed = doc.Serialize();
    if (ProfileDocument::Parse(changed).Serialize() != changed) std::abort();
    return 0;
}

#include "app/studio/remembered_studio.h"

#include "core/services/atomic_file.h"
#include "core/services/file_names.h"
#include "core/services/profile.h"

namespace {

constexpr const char* Section = "Files";
constexpr const char* Key = "OpenStudio";
constexpr std::size_t PathLimit = 255;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsQuoted(const std::string& value) { return value.size() >= 2 && value.front() == '"' && value.back() == '"'; }

}  // namespace

Remembering RememberStudio(const std::string& path)
{
    const char* ini = GetINIFileName();
    if (*ini == '\0' || IsTooLargeToRead(ini) || path.find_first_of("\r\n") != std::string::npos)
        return Remembering::CannotHold;
    const bool quote = !path.empty() && (IsBlank(path.front()) || IsBlank(path.back()) || IsQuoted(path));
    const std::string value = quote ? '"' + path + '"' : path;
    const bool written = WritePrivateProfileString(Section, Key, value.c_str(), ini) &&
                         WritePrivateProfileString(nullptr, nullptr, nullptr, ini);
    return written ? Remembering::Kept : Remembering::NotWritten;
}

std::string RememberedStudio()
{
    std::string value = GetProfileString(GetINIFileName(), Section, Key, std::string());
    if (IsQuoted(value)) value = value.substr(1, value.size() - 2);
    if (value.size() > PathLimit) value.resize(PathLimit);
    return value;
}

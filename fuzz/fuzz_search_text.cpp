// The Search dialog's reading of a typed or pasted name, on arbitrary bytes:
// tidying is stable and never grows the text, the root is a pitch class,
// the name is the text's own tail, and the line found is named by it: its
// name or description is the text, or the line or its description begins with it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/dialogs/search/search_text.h"

namespace {

bool BeginsIgnoringCase(const std::string& line, const std::string& prefix)
{
    if (line.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(line[i]) != lower(prefix[i])) return false;
    }
    return true;
}

bool NamedBy(const std::string& line, const std::string& typed)
{
    const std::size_t tab = line.find('\t');
    const std::string name = line.substr(0, tab);
    const std::string description = tab == std::string::npos ? std::string() : line.substr(tab + 1);
    const auto same = [&typed](const std::string& part) {
        return part.size() == typed.size() && BeginsIgnoringCase(part, typed);
    };
    return same(name) || same(description) || BeginsIgnoringCase(line, typed) ||
           (!typed.empty() && BeginsIgnoringCase(description, typed));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string tidy = TidySearchText(text);
    if (tidy.size() > text.size() || TidySearchText(tidy) != tidy) std::abort();
    if (tidy.find("\xC2\xAB") != std::string::npos) std::abort();

    const SearchTextReading reading = ReadSearchText(tidy);
    if (reading.root < -1 || reading.root > 11) std::abort();
    if (reading.name.size() > tidy.size() ||
        tidy.compare(tidy.size() - reading.name.size(), std::string::npos, reading.name) != 0)
        std::abort();

    static const std::vector<std::string> lines = {"\tMajor", "m\tMinor", "m7\tMinor Seventh", "Major", "Dorian"};
    const int line = FindLineForName(lines, reading.name);
    if (line < -1 || line >= int(lines.size())) std::abort();
    if (line >= 0 && !NamedBy(lines[std::size_t(line)], reading.name)) std::abort();
    return 0;
}

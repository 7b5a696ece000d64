#include "app/dialogs/search/search_text.h"

#include "core/theory/notes.h"

namespace {

constexpr const char* OpeningGuillemet = "\xC2\xAB";

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Byte length of the first `characters` characters of UTF-8 text.
std::size_t CharactersLength(const std::string& text, std::size_t characters)
{
    std::size_t at = 0;
    for (std::size_t seen = 0; at < text.size(); ++at) {
        if (IsContinuationByte(text[at])) continue;
        if (seen++ == characters) break;
    }
    return at;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string TidySearchText(const std::string& text)
{
    std::string tidy = text.substr(0, CharactersLength(text, SearchTextLimit));
    const std::size_t mark = tidy.find(OpeningGuillemet);
    if (mark != std::string::npos) {
        tidy.erase(mark);
        while (!tidy.empty() && tidy.back() == ' ') tidy.pop_back();
    }
    if (!tidy.empty() && tidy[0] >= 'a' && tidy[0] <= 'z') tidy[0] = static_cast<char>(tidy[0] - 'a' + 'A');
    return tidy;
}

SearchTextReading ReadSearchText(const std::string& text)
{
    SearchTextReading reading;
    if (text.empty() || text[0] < 'A' || text[0] > 'G') return reading;
    int root = NaturalPitchClass(text[0]);
    std::size_t at = 1;
    if (at < text.size() && text[at] == '#') {
        root = (root + 1) % 12;
        ++at;
    } else if (at < text.size() && text[at] == 'b') {
        root = (root + 11) % 12;
        ++at;
    }
    while (at < text.size() && text[at] == ' ') ++at;
    reading.root = root;
    reading.name = text.substr(at);
    return reading;
}

int FindLineStartingWith(const std::vector<std::string>& lines, const std::string& prefix)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.size() < prefix.size()) continue;
        bool begins = true;
        for (std::size_t j = 0; j < prefix.size() && begins; ++j) begins = Lower(line[j]) == Lower(prefix[j]);
        if (begins) return static_cast<int>(i);
    }
    return -1;
}

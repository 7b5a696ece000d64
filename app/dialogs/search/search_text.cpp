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
    reading.rootLetter = text[0] - 'A';
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

namespace {

bool SameIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

bool BeginsIgnoringCase(const std::string& text, const std::string& prefix)
{
    return text.size() >= prefix.size() && SameIgnoringCase(text.substr(0, prefix.size()), prefix);
}

// The parts of a list line: the name before the tab, the description after it.
std::string NamePart(const std::string& line) { return line.substr(0, line.find('\t')); }
std::string DescriptionPart(const std::string& line)
{
    const std::size_t tab = line.find('\t');
    return tab == std::string::npos ? std::string() : line.substr(tab + 1);
}

}  // namespace

int FindLineForName(const std::vector<std::string>& lines, const std::string& typed)
{
    using Test = bool (*)(const std::string& line, const std::string& typed);
    const Test tests[] = {
        [](const std::string& line, const std::string& t) { return NamePart(line) == t; },
        [](const std::string& line, const std::string& t) { return SameIgnoringCase(NamePart(line), t); },
        [](const std::string& line, const std::string& t) {
            return !t.empty() && SameIgnoringCase(DescriptionPart(line), t);
        },
        [](const std::string& line, const std::string& t) { return BeginsIgnoringCase(line, t); },
        [](const std::string& line, const std::string& t) {
            return !t.empty() && BeginsIgnoringCase(DescriptionPart(line), t);
        },
    };
    for (Test matches : tests)
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (matches(lines[i], typed)) return static_cast<int>(i);
    return -1;
}

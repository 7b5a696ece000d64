#include "controls/phrase_table.h"

#include "resources/controls/controls_strings.h"

namespace {
constexpr int FirstPhraseString = 7;
constexpr int LastPhraseString = 21;
}  // namespace

const PhraseTable& PhraseTable::Shared()
{
    static const PhraseTable table;
    return table;
}

PhraseTable::PhraseTable()
{
    for (int id = FirstPhraseString; id <= LastPhraseString; ++id) {
        const char* text = ControlStrings().Find(id);
        if (!text || !text[0] || text[1] != '%') continue;
        entries_.push_back({text[0], std::string(text + 2).substr(0, MaxPhraseLength)});
    }
}

const char* PhraseTable::Find(char key) const
{
    for (const Entry& entry : entries_)
        if (entry.key == key) return entry.phrase.c_str();
    return nullptr;
}

std::string PhraseTable::Expand(const char* text) const
{
    std::string result;
    if (!text) return result;
    for (const char* p = text; *p; ++p) {
        if (*p != '%') {
            result += *p;
            continue;
        }
        if (!p[1]) break;
        ++p;
        if (const char* phrase = Find(*p)) result += phrase;
    }
    return result;
}

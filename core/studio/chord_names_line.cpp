#include "core/studio/chord_names_line.h"

#include "core/services/file_names.h"
#include "core/services/profile.h"
#include "core/theory/chord.h"

namespace {
int maxChords = DefaultMaxChords;
std::function<void(const std::string&)>& Sink()
{
    static std::function<void(const std::string&)> sink;
    return sink;
}
}  // namespace

std::string ChordNamesLine(const chord& c, int count)
{
    std::string line;
    CHORD_FIND_BUF buf;
    char name[chord::ChordNameSize] = {};
    c.FindFirstName(name, buf);
    for (int i = 0; i < count; ++i) {
        std::string next(name);
        if (line.size() + next.size() + 6 >= ChordNamesLineSize) break;
        if (!line.empty() && !next.empty()) line += ",    ";
        line += next;
        name[0] = 0;
        c.FindNextName(name, buf);
    }
    return line;
}

int MaxChords() { return maxChords; }
void SetMaxChords(int value) { maxChords = value; }

void ReadMaxChords() { maxChords = GetPrivateProfileInt("Global", "MaxChords", DefaultMaxChords, GetINIFileName()); }

void SetChordNamesSink(std::function<void(const std::string&)> sink) { Sink() = std::move(sink); }

void ShowChordNames(const chord& c) { ShowMessageLine(ChordNamesLine(c, maxChords)); }

void ShowMessageLine(const std::string& line)
{
    if (Sink()) Sink()(line);
}

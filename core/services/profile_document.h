#pragma once
// The parsed copy of one profile file. Lines the caller does not change
// (comments, blank lines, odd lines, the spelling and spacing of untouched
// entries) are written back exactly as they were read; line ends become LF.
// Names match without regard to ASCII case; values are bytes as written.

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

class ProfileDocument {
public:
    // Any bytes are accepted: LF or CRLF line ends, a leading UTF-8 byte-order
    // mark, Windows-1252 text, embedded zeros.
    static ProfileDocument Parse(std::string_view bytes);
    std::string Serialize() const;

    // The value of key in the first section of that name (first entry of
    // that key), or nullptr.
    const std::string* Find(std::string_view section, std::string_view key) const;

    // Sets the value, adding the section at the end of the file and the key at
    // the end of its section when new.
    void Set(std::string_view section, std::string_view key, std::string_view value);
    // True when something was removed.
    bool DeleteKey(std::string_view section, std::string_view key);
    bool DeleteSection(std::string_view section);
    // Every entry of section gives way to entries, written "key=value" as
    // given (blanks inside the value kept, so columns line up). The section
    // keeps its place and its comments; the new entries stand where its first
    // entry stood. A missing section is added at the end.
    void ReplaceEntries(std::string_view section, const std::vector<std::pair<std::string, std::string>>& entries);

    // Names in file order, each once.
    std::vector<std::string> SectionNames() const;
    std::vector<std::string> KeyNames(std::string_view section) const;

private:
    struct NoCaseHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const;
    };
    struct NoCaseEqual {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    template <typename T>
    using NameIndex = std::unordered_map<std::string, T, NoCaseHash, NoCaseEqual>;

    struct Line {
        std::string text;  // the line as it is written
        std::string key;   // empty for lines that are not entries
        std::string value;
        bool removed = false;
        bool IsEntry() const { return !key.empty(); }
    };
    struct Section {
        std::string header;  // "[Name]" as written
        std::string name;
        std::vector<Line> lines;
        std::vector<std::string> trailingBlankLines;  // kept after keys added later
        bool added = false;                           // new here: set off from what comes before by a blank line
        std::size_t removedLines = 0;
        NameIndex<std::size_t> keys;  // first entry of each key
    };

    Section* FindSection(std::string_view name);
    const Section* FindSection(std::string_view name) const;
    // The section of that name, added at the end of the file when missing.
    Section& SectionForWriting(std::string_view name);
    static void IndexKeys(Section& section);
    static void CompactIfSparse(Section& section);
    void IndexSections();

    bool byteOrderMark_ = false;
    std::vector<std::string> preamble_;  // lines before the first section
    std::vector<Section> sections_;
    NameIndex<std::size_t> sectionIndex_;  // first section of each name
};

// Blanks and tabs around s removed.
std::string_view TrimProfileBlanks(std::string_view s);

#pragma once
// Numbered texts of one deliverable, looked up by number.

#include <cstddef>
#include <initializer_list>
#include <span>

struct StringTableEntry {
    int id;
    const char* text;
};

// A deliverable's string table: several static arrays of entries (one per
// subject) read as one table.
class StringTable {
public:
    explicit StringTable(std::initializer_list<std::span<const StringTableEntry>> parts);
    // The text numbered `id`, or nullptr.
    const char* Find(int id) const;

private:
    static constexpr std::size_t MaxParts = 16;
    std::span<const StringTableEntry> parts_[MaxParts];
    std::size_t partCount_ = 0;
};

// The table of cantrelcore.
const StringTable& CoreStrings();

// Loads string `id` of `table` into the next of 4 rotating 256-byte buffers
// and returns it, or nullptr when there is no such string. The text stays
// valid until 4 further calls.
const char* StringResource(const StringTable& table, int id);
inline const char* StringResource(int id) { return StringResource(CoreStrings(), id); }

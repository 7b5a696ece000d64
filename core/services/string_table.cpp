#include "core/services/string_table.h"

#include <cstdio>

StringTable::StringTable(std::initializer_list<std::span<const StringTableEntry>> parts)
{
    for (const auto& part : parts) {
        if (partCount_ == MaxParts) break;
        parts_[partCount_++] = part;
    }
}

const char* StringTable::Find(int id) const
{
    for (std::size_t i = 0; i < partCount_; ++i)
        for (const StringTableEntry& entry : parts_[i])
            if (entry.id == id) return entry.text;
    return nullptr;
}

const char* StringResource(const StringTable& table, int id)
{
    constexpr std::size_t BufferCount = 4;
    constexpr std::size_t BufferSize = 256;
    static char buffers[BufferCount][BufferSize];
    static std::size_t next = 0;

    const char* text = table.Find(id);
    if (text == nullptr) return nullptr;
    char* buffer = buffers[next];
    next = (next + 1) % BufferCount;
    std::snprintf(buffer, BufferSize, "%s", text);
    return buffer;
}

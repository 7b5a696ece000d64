#include "core/theory/entry_fields.h"

#include <cstring>

#include "core/services/text_helpers.h"

const char* SkipEntryBlanks(const char* p) { return RemoveWhiteSpace(p, EntryBlanks); }

const char* ReadQuotedField(char* dst, std::size_t size, const char* p)
{
    p = GetQuotedString(dst, size, SkipEntryBlanks(p));
    return MatchChar(p, ",");
}

const char* ReadEntryItem(char* dst, std::size_t size, const char* p, const char* delims)
{
    if (!p || size == 0) return nullptr;
    dst[0] = '\0';
    p = SkipEntryBlanks(p);
    if (*p == '\0') return p;
    const std::size_t length = std::strcspn(p, delims);
    if (length == 0 || length >= size) return nullptr;
    return GetToken(dst, size, p, delims);
}

#include "core/services/text_helpers.h"

#include <cstring>

namespace {

bool IsWordCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool InSet(char c, const char* set) { return c != '\0' && set != nullptr && std::strchr(set, c) != nullptr; }

}  // namespace

const char* GetQuotedString(char* dst, std::size_t size, const char* src)
{
    if (src == nullptr || (*src != '"' && *src != '\'')) return nullptr;
    const char delimiter = *src++;
    std::size_t stored = 0;
    // What has been read so far is kept terminated, so dst is a string even
    // when the closing quote never comes.
    auto store = [&](char c) {
        if (dst != nullptr && stored + 1 < size) dst[stored++] = c;
    };
    const char* result = nullptr;
    while (*src != '\0') {
        if (*src == delimiter) {
            if (src[1] != delimiter) {
                result = src + 1;
                break;
            }
            ++src;  // a doubled delimiter stands for one
        }
        store(*src++);
    }
    if (dst != nullptr && size > 0) dst[stored] = '\0';
    return result;
}

const char* GetToken(char* dst, std::size_t size, const char* src, const char* delims)
{
    if (src == nullptr) return nullptr;
    const std::size_t run = std::strcspn(src, delims != nullptr ? delims : "");
    if (run == 0) return nullptr;
    if (dst != nullptr && size > 0) {
        const std::size_t kept = run < size - 1 ? run : size - 1;
        std::memcpy(dst, src, kept);
        dst[kept] = '\0';
    }
    return src + run;
}

const char* MatchChar(const char* p, const char* set)
{
    if (p == nullptr || !InSet(*p, set)) return nullptr;
    return p + 1;
}

const char* RemoveWhiteSpace(const char* p, const char* set)
{
    if (p == nullptr) return nullptr;
    while (InSet(*p, set)) ++p;
    return p;
}

void ReplaceString(char* s, char from, char to)
{
    if (s == nullptr) return;
    for (; *s != '\0'; ++s) {
        const bool hit = from == '\0' ? !IsWordCharacter(*s) : *s == from;
        if (hit) *s = to;
    }
}

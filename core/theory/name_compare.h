#pragma once
// Comparing names without regard to case. Only ASCII letters fold, whatever
// the process locale, so UTF-8 names compare byte for byte otherwise.

inline bool SameNameIgnoringCase(const char* a, const char* b)
{
    auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
    for (; *a && *b; ++a, ++b)
        if (lower(static_cast<unsigned char>(*a)) != lower(static_cast<unsigned char>(*b))) return false;
    return *a == *b;
}

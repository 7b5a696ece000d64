#pragma once
// Small parsing routines over zero-terminated 8-bit strings. The parsers return
// a pointer behind what they read, or nullptr when it is not there, so calls
// chain and stop at the first nullptr.

#include <cstddef>

// Quoted string with " or ' as delimiter, a doubled delimiter standing for
// itself; keeps at most size - 1 characters. Pointer behind the closing quote.
const char* GetQuotedString(char* dst, std::size_t size, const char* src);

// The run of src before the first character of delims (at most size - 1 kept).
// Pointer to that delimiter or to the end; nullptr for an empty run.
const char* GetToken(char* dst, std::size_t size, const char* src, const char* delims);

// p + 1 when *p is one of set (and not the terminator), else nullptr.
const char* MatchChar(const char* p, const char* set);

// p moved past every leading character in set; nullptr stays nullptr.
const char* RemoveWhiteSpace(const char* p, const char* set);

// Every `from` becomes `to`; with from == 0, every character that is not a
// letter, a digit or '_' becomes `to`.
void ReplaceString(char* s, char from, char to);

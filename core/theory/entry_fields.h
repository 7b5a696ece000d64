#pragma once
// The pieces every definition entry is made of: quoted fields each followed
// directly by a comma, then items separated by blanks and tabs.

#include <cstddef>

constexpr const char* EntryBlanks = " \t";
// A profile value holds at most 255 characters, so no item of one is longer.
constexpr std::size_t EntryTokenSize = 256;

// p moved past blanks and tabs.
const char* SkipEntryBlanks(const char* p);

// After optional blanks: a quoted string (cut to size - 1 characters) and a
// comma directly behind its closing quote. Pointer behind the comma, or
// nullptr.
const char* ReadQuotedField(char* dst, std::size_t size, const char* p);

// After optional blanks: the next item, up to one of `delims` or the end.
// Returns the pointer behind it; `p` itself (with dst empty) at the end of the
// text; nullptr when no item starts here or it does not fit into dst.
const char* ReadEntryItem(char* dst, std::size_t size, const char* p, const char* delims);

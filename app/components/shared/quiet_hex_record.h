#pragma once
// Reading a hex record of a component's own studio line without a word to
// the user: a studio file made by an older program, or damaged, simply lacks
// what does not read.

#include <cstdint>

// Reads a hex record of exactly len bytes from the first `length` characters
// of text. 1 with used = the characters it took; 0 for anything else.
int ReadHexRecordQuietly(const char* text, int length, std::uint8_t* out, int len, int& used);

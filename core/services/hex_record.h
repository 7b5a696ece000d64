#pragma once
// A byte block as text: two upper-case hex digits of length, then two per
// byte ("0301ABFF" is 01 AB FF). Used in settings, studio files and palettes.

#include <cstddef>

// Value 0..255 of the two upper-case hex digits at p, or -1.
int GetHex(const char* p);

// Writes len bytes as a hex record into out (capacity size). 1 on success;
// 0 after reporting 65284 (len >= 256) or 65285 (does not fit).
int ToString(const void* data, int len, char* out, int size);

// Reads a hex record of exactly len bytes. 1 on success with used = the
// characters it takes; 0 after reporting 65281 (empty), 65282 (other length)
// or 65283 (not a hex digit).
int FromString(const char* text, void* data, int len, int& used);

// FromString without the report, for a reader that says itself where the
// damaged record is.
enum class HexRecordRead { Read, Empty, OtherLength, NotHex };
HexRecordRead ReadHexRecord(const char* text, void* data, int len, int& used);

#pragma once
// The SZDD ("compress") format of the compressed template studios: a 14-byte
// header, then LZSS over a 4096-byte window. A file without the header is
// taken as it is, so a template may also be shipped uncompressed.

#include <cstdint>
#include <string>
#include <string_view>

constexpr std::size_t SzddHeaderSize = 14;

// True when the bytes start with the SZDD signature.
bool IsSzdd(std::string_view bytes);

// Expands an SZDD stream into `out`. False (out empty) when the stream is
// cut short, its header is incomplete or it does not give the length its
// header promises.
bool ExpandSzdd(std::string_view in, std::string& out);

// Expands `source` into `destination`, or copies it unchanged when it is not
// compressed. The destination is replaced atomically, so a failure leaves no
// half-written file. 1 on success, 0 when the source cannot be read, is
// corrupt, or the destination cannot be written.
int ExpandFile(const char* source, const char* destination);

// Compresses bytes into an SZDD stream that ExpandSzdd (and any other SZDD
// expander) restores. `missingChar` is the header's note of the last
// character of the original file name (0: none).
std::string CompressSzdd(std::string_view in, char missingChar = 0);

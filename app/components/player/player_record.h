#pragma once
// What the Player keeps in the studio file: its own record after the base
// record (position, channel switches, tempo, output), and the song's path in pieces,
// one extra line each, so that a path of any length fits the lines.

#include <cstdint>
#include <string>

struct PlayerRecord {
    static constexpr int Size = 12;
    std::int32_t positionMilliseconds = 0;
    std::uint16_t heard = 0xFFFF;     // bit per channel
    std::uint16_t analysed = 0xFFFF;  // bit per channel
    std::uint16_t tempoPercent = 100;
    std::int16_t output = 0;  // the output chosen, as a chord's midiOutput

    void Encode(std::uint8_t* bytes) const;
    void Decode(const std::uint8_t* bytes);
};

// Writes extra line `index` of path into buf: a hex record of the next piece,
// the first piece led by the path's whole length. 0 when no piece is left.
int WritePathPiece(const std::string& path, int index, char* buf, int size);

// The path as its pieces arrive, extra line after extra line.
struct PathPieces {
    std::string path;
    std::size_t length = 0;  // the whole path's, from the first piece
    bool broken = false;     // a piece out of place or unreadable: no path
    bool Whole() const { return !broken && length > 0 && path.size() == length; }
};

// Adds extra line `index`. False for a line that is no piece of the path
// (the pieces are then broken for good).
bool ReadPathPiece(const char* text, int length, int index, PathPieces& pieces);

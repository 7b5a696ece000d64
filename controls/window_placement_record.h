#pragma once
// The placement of a window as studio files keep it: the 44-byte Windows
// window-placement record (eleven little-endian 32-bit fields), written as a
// hex record. Files made on the old platform read unchanged.

#include <QRect>

#include <cstdint>
#include <string>

struct WindowPlacementRecord {
    static constexpr int Size = 44;
    static constexpr int HexLength = 2 * Size + 2;
    // Show states of the record.
    static constexpr int ShowHidden = 0;
    static constexpr int ShowNormal = 1;
    static constexpr int ShowMinimized = 2;
    static constexpr int ShowMaximized = 3;

    std::int32_t flags = 0;
    std::int32_t showCommand = ShowNormal;
    QPoint minimizedPosition{-1, -1};
    QPoint maximizedPosition{-1, -1};
    QRect normalPosition;

    // The record as hex text (HexLength characters).
    std::string ToHex() const;
    // Reads a record from the start of text; 0 after the hex-record reader
    // has reported what is wrong with it.
    int FromHex(const char* text);
};

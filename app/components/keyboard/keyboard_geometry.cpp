#include "app/components/keyboard/keyboard_geometry.h"

#include <algorithm>
#include <bit>

namespace KeyboardLayout {

int LabelHeight(int labelFlags, int ascent)
{
    const int rows = std::popcount(static_cast<unsigned>(labelFlags & 3));
    return rows > 0 ? (rows + 1) * ascent : 0;
}

Geometry MakeGeometry(const Range& range, QSize client, int labelHeight, int charWidth)
{
    Geometry g;
    g.range = range;
    g.Width = std::max(client.width(), 0);
    g.ClientHeight = std::max(client.height(), 0);
    g.LabelHeight = labelHeight;
    g.CharWidth = charWidth;
    g.WhiteWidth = g.Width * WhiteKeyUnits / range.WhiteUnits;
    g.BlackWidth = g.Width * BlackKeyUnits / range.WhiteUnits;
    g.BlackHeight = g.KeyAreaHeight() / 2;
    return g;
}

int Geometry::WhiteIndex(NOTES n) const
{
    if (IsBlackKey(n)) return -1;
    const int octave = (n - range.FirstNote) / 12;
    return 7 * octave + WhitesBelow(FromC(n));
}

NOTES Geometry::WhiteKeyAt(int index) const
{
    if (index < 0 || index >= range.WhiteKeys()) return -1;
    return range.FirstNote + 12 * (index / 7) + WhiteKeySemitones(index % 7);
}

int Geometry::KeyX(NOTES n) const
{
    if (!IsBlackKey(n)) return WhiteIndex(n) * WhiteWidth;
    const NOTES c = n - FromC(n);
    return BlackKeyOffset(FromC(n)) * Width / range.WhiteUnits + ((c - range.FirstNote) / 12) * WhiteWidth * 7;
}

int Geometry::KeyWidth(NOTES n) const { return IsBlackKey(n) ? BlackWidth : WhiteWidth; }

QRect Geometry::KeyRect(NOTES n) const
{
    const int x = KeyX(n);
    if (IsBlackKey(n)) {
        const int left = x - (BlackWidth * 9 / 24) / 2;
        return QRect(QPoint(left, 5), QPoint(x + BlackWidth - 1, BlackHeight - 1));
    }
    return QRect(QPoint(std::max(x - 5, 0), 5), QPoint(x + WhiteWidth + 3 - 1, KeyAreaHeight() - 1));
}

QRect Geometry::LabelCell(NOTES n) const
{
    if (LabelHeight <= 0) return QRect();
    const int centre = KeyRect(n).center().x();
    return QRect(QPoint(centre - 2 * CharWidth, KeyAreaHeight()), QPoint(centre + 2 * CharWidth - 1, ClientHeight - 1));
}

Geometry::Hit Geometry::NoteFromPoint(int x, int y) const
{
    const int bottom = KeyAreaHeight();
    const NOTES white = (x >= 0 && WhiteWidth > 0) ? WhiteKeyAt(x / WhiteWidth) : -1;
    if (white >= 0 && BlackHeight < y && y < bottom) return {white, 0};
    for (NOTES n = range.FirstNote; n <= range.LastNote(); ++n) {
        if (!IsBlackKey(n)) continue;
        const int left = KeyX(n);
        if (x < left || x > left + BlackWidth) continue;
        if (y <= BlackHeight) return {n, 0};
        if (bottom <= y && y <= bottom + LabelHeight / 2) return {n, 1};
    }
    if (white < 0) return {-1, y >= bottom ? 1 : 0};
    return {white, y >= bottom ? 1 : 0};
}

}  // namespace KeyboardLayout

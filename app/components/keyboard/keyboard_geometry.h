#pragma once
// Where the keys of a piano keyboard lie in a window of a given size, and
// which key a point hits: plain functions of the range and the client size.

#include <QRect>
#include <QSize>

#include "core/theory/notes.h"

namespace KeyboardLayout {

constexpr int WhiteKeyUnits = 54;
constexpr int BlackKeyUnits = 31;
constexpr int OctaveUnits = 7 * WhiteKeyUnits;
// The extreme notes a keyboard may show (MIDI 0 to 127).
constexpr NOTES LowestNote = 3;
constexpr NOTES HighestNote = 130;

// Pitch class counted from C (C 0 ... B 11).
int FromC(NOTES n);
bool IsC(NOTES n);
bool IsBlackKey(NOTES n);
// Left edge of a black key in units from its octave's C; 0 for a white key.
int BlackKeyOffset(int fromC);
// Semitones above C of the white keys of an octave.
int WhiteKeySemitones(int whiteIndex);

// The keys shown. The leftmost key is always a C (a start that is not one
// moves down to the C below, keeping the upper end) and the rightmost key a
// white one, so every note asked for stays on the keyboard.
struct Range {
    NOTES FirstNote = 51;
    int KeyCount = 36;
    int WhiteUnits = 0;
    NOTES OctaveBase = 0;

    NOTES LastNote() const { return FirstNote + KeyCount - 1; }
    bool Holds(NOTES n) const { return n >= FirstNote && n <= LastNote(); }
    int WhiteKeys() const { return WhiteUnits / WhiteKeyUnits; }
};
Range MakeRange(NOTES firstNote, int keyCount);

// Height of the label strip: one ascent more than the rows shown, 0 without rows.
int LabelHeight(int labelFlags, int ascent);

// Key positions for one client size.
struct Geometry {
    Range range;
    int Width = 0;        // client (and key-area) width
    int ClientHeight = 0;
    int LabelHeight = 0;
    int CharWidth = 0;    // average character width of the label font
    int WhiteWidth = 0;
    int BlackWidth = 0;
    int BlackHeight = 0;

    int KeyAreaHeight() const { return ClientHeight - LabelHeight; }
    // The index of a white key from the left, or -1 for a black key.
    int WhiteIndex(NOTES n) const;
    NOTES WhiteKeyAt(int index) const;
    // Left edge of the key.
    int KeyX(NOTES n) const;
    int KeyWidth(NOTES n) const;
    int KeyCentre(NOTES n) const { return KeyX(n) + KeyWidth(n) / 2; }
    // The rectangle to repaint for a key, with its shadow.
    QRect KeyRect(NOTES n) const;
    // The key's cell of the label strip; empty without a strip.
    QRect LabelCell(NOTES n) const;

    struct Hit {
        NOTES note = -1;
        int inLabels = 0;  // 1: the point is in the label strip
    };
    Hit NoteFromPoint(int x, int y) const;
};
Geometry MakeGeometry(const Range& range, QSize client, int labelHeight, int charWidth);

}  // namespace KeyboardLayout

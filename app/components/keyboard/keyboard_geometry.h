#pragma once
// Where the keys of a piano keyboard lie in a window of a given size, and
// which key a point hits: plain functions of the range and the client size.

#include <QRect>
#include <QSize>

#include "app/components/keyboard/keyboard_range.h"

namespace KeyboardLayout {

// Height of the label strip: one ascent more than the rows shown, 0 without rows.
int LabelHeight(int labelFlags, int ascent);

// Key positions for one client size.
struct Geometry {
    Range range;
    int Width = 0;  // client (and key-area) width
    int ClientHeight = 0;
    int LabelHeight = 0;
    int CharWidth = 0;  // average character width of the label font
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

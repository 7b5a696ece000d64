#pragma once
// Where everything of the fingerboard lies, as plain functions of the client
// size: the label column, the strings, the fret wires spaced like a real
// neck, the markers and the Find cells, and the hit test. Measures are worked
// out for a right-handed board (nut on the left); a left-handed board is its
// mirror image, and every rectangle and point handed out or taken in is in
// window coordinates of the board as shown.

#include <array>

#include <QPoint>
#include <QRect>
#include <QSize>

// Board flags (BoardFlags).
namespace BoardFlag {
constexpr int ShowNotes = 2;       // note names beside the strings
constexpr int ShowSpelling = 4;    // spelling beside the strings
constexpr int ArrowsMoveOpen = 8;  // arrow keys move open strings too
constexpr int LeftHanded = 16;     // nut on the right
constexpr int Default = ShowNotes | ShowSpelling | ArrowsMoveOpen;
}  // namespace BoardFlag

// Relative width of the space right of fret wire f (wire 0 is the nut): each
// about the one before divided by the twelfth root of 2. Wires past the
// table's 32 continue the rule.
int FretWidth(int f);
// Sum of the widths of the first fretCount spaces.
int FretUnits(int fretCount);

class FingerboardGeometry {
public:
    static constexpr int MarkerSize = 20;
    static constexpr int WireWidth = 5;
    static constexpr int CapoWidth = 10;
    static constexpr int InlaySize = 12;
    static constexpr int CellWidth = 16;
    static constexpr int CellHeight = 15;

    // charWidth: the average character width of the default GUI font.
    FingerboardGeometry(QSize client, int stringCount, int fretCount, int boardFlags, int charWidth);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Whether there is room for the strings (client height 20 or more).
    bool Drawable() const { return height_ - 20 >= 0; }
    bool LeftHanded() const { return leftHanded_; }
    int StringCount() const { return stringCount_; }
    int FretCount() const { return fretCount_; }

    int LabelMargin() const { return labelMargin_; }
    int StringSpacing() const { return spacing_; }
    // The label column, full height (empty without labels).
    QRect LabelColumn() const;
    // Where a label's text starts: `offset` pixels into the column.
    int LabelTextX(int offset) const;

    // y of string s: string 0 at the top. One string runs across the middle.
    int StringY(int s) const;
    // x of the left edge of wire f as shown; wire 0 is the nut.
    int WireX(int f) const;
    // The wire as drawn, WireWidth wide and full height.
    QRect WireRect(int f) const;
    // The strip a string is drawn in, `thickness` pixels high.
    QRect StringRect(int s, int thickness) const;
    // The black bar of a capo at fret `capo`, right up to its wire.
    QRect CapoRect(int capo) const;
    // Inlay dot in the space after wire f, `offset` pixels below the middle.
    QRect InlayRect(int f, int offset) const;

    // GetFretPoint: the x of wire `fret` and the y of `string`; false when
    // there is no such wire or string or the window is too small.
    bool FretPoint(int fret, int string, int& x, int& y) const;
    // FretFromPoint: the fret and string under p (-1, -1 when none). Points
    // up to 9 pixels past a wire, on the side away from the nut, still count
    // for it; left of the nut + 9 is the open string.
    void FretFromPoint(QPoint p, int& fret, int& string) const;
    // The string whose row p lies in, read from any x (-1 when none).
    int StringAt(int y) const;
    // Whether p lies in the label column.
    bool InLabelColumn(QPoint p) const;

    // The 20 x 20 marker of a string. fret: the fret it plays (the capo fret
    // when it is not played); atCapo: it is not played or plays at the capo.
    // Empty when the fret has no wire.
    QRect MarkerRect(int string, int fret, bool atCapo, int capo) const;
    // The Find cell of a pitch on string s at fret f (f from the capo on).
    QRect FindCellRect(int string, int fret, int capo) const;

private:
    // A rectangle of the right-handed board as shown.
    QRect Shown(const QRect& board) const;
    // The right-handed board's x of a shown x.
    int BoardX(int x) const;
    // Width of the space right of wire f, in pixels.
    int SpaceWidth(int f) const;

    int width_;
    int height_;
    int stringCount_;
    int fretCount_;
    int labelMargin_;
    int spacing_;
    int fretUnits_;
    bool leftHanded_;
    std::array<int, 33> boardWireX_{};  // right-handed x of each wire
};

#include "app/components/guitar/fingerboard_geometry.h"

#include <algorithm>

#include "core/theory/string_assignment.h"

namespace {

constexpr int FretWidths[32] = {1329, 1254, 1184, 1117, 1055, 996, 940, 887, 837, 790, 746, 704, 665, 627, 592, 556,
                                527,  498,  470,  444,  419,  395, 373, 352, 332, 313, 296, 278, 263, 249, 235, 222};
// The 33rd space (a 32-fret neck): the same rule once more.
constexpr int WidthPastTable = 209;

static_assert(MaxFretPositions == 33, "one wire position per fret position");

// Half the room the strings keep free above the first and below the last.
constexpr int Border = 10;
// A click this far past a wire still plays its fret.
constexpr int WireReach = 9;

}  // namespace

int FretWidth(int f)
{
    if (f < 0) return 0;
    return f < 32 ? FretWidths[f] : WidthPastTable;
}

int FretUnits(int fretCount)
{
    int units = 0;
    for (int f = 0; f < fretCount; ++f) units += FretWidth(f);
    return units;
}

FingerboardGeometry::FingerboardGeometry(QSize client, int stringCount, int fretCount, int boardFlags, int charWidth)
    : width_(client.width()),
      height_(client.height()),
      stringCount_(std::clamp(stringCount, 0, 12)),
      fretCount_(std::clamp(fretCount, 1, MaxFretPositions)),
      leftHanded_((boardFlags & BoardFlag::LeftHanded) != 0)
{
    labelMargin_ = 0;
    if (boardFlags & BoardFlag::ShowNotes) labelMargin_ += 3 * charWidth;
    if (boardFlags & BoardFlag::ShowSpelling) labelMargin_ += 3 * charWidth;
    // The spacing rule divides by the gaps between strings: one string has
    // none and runs across the middle, and none at all have no spacing.
    const int span = height_ - 2 * Border;
    if (stringCount_ >= 2)
        spacing_ = span / (stringCount_ - 1);
    else
        spacing_ = stringCount_ == 1 ? span / 2 : 0;
    fretUnits_ = FretUnits(fretCount_);
    // Each wire lies the sum of the spaces before it from the nut, every
    // term cut to whole pixels.
    int x = labelMargin_ + Border;
    for (int f = 0; f < fretCount_; ++f) {
        boardWireX_[f] = x;
        x += SpaceWidth(f);
    }
}

QRect FingerboardGeometry::Shown(const QRect& board) const
{
    if (!leftHanded_ || board.isNull()) return board;
    return QRect(width_ - board.left() - board.width(), board.top(), board.width(), board.height());
}

int FingerboardGeometry::BoardX(int x) const { return leftHanded_ ? width_ - 1 - x : x; }

int FingerboardGeometry::SpaceWidth(int f) const
{
    return FretWidth(f) * (width_ - labelMargin_ - Border) / fretUnits_;
}

QRect FingerboardGeometry::LabelColumn() const
{
    if (labelMargin_ == 0) return QRect();
    return Shown(QRect(0, 0, labelMargin_, height_));
}

int FingerboardGeometry::LabelTextX(int offset) const { return (leftHanded_ ? width_ - labelMargin_ : 0) + offset; }

int FingerboardGeometry::StringY(int s) const
{
    if (stringCount_ == 1) return Border + spacing_;
    return spacing_ * s + Border;
}

int FingerboardGeometry::WireX(int f) const { return WireRect(f).left(); }

QRect FingerboardGeometry::WireRect(int f) const
{
    return Shown(QRect(boardWireX_[std::clamp(f, 0, fretCount_ - 1)], 0, WireWidth, height_));
}

QRect FingerboardGeometry::StringRect(int s, int thickness) const
{
    return Shown(QRect(labelMargin_, StringY(s) - thickness / 2, width_ - labelMargin_, thickness));
}

QRect FingerboardGeometry::CapoRect(int capo) const
{
    return Shown(QRect(boardWireX_[std::clamp(capo, 0, fretCount_ - 1)] - CapoWidth, 0, CapoWidth, height_));
}

QRect FingerboardGeometry::InlayRect(int f, int offset) const
{
    const int x = boardWireX_[std::clamp(f, 0, fretCount_ - 1)] + (SpaceWidth(f) - WireWidth) / 2 - 1;
    return Shown(QRect(x, height_ / 2 - InlaySize / 2 + offset, InlaySize, InlaySize));
}

bool FingerboardGeometry::FretPoint(int fret, int string, int& x, int& y) const
{
    x = y = -1;
    if (!Drawable() || fret < 0 || fret >= fretCount_ || string < 0 || string >= stringCount_) return false;
    x = WireX(fret);
    y = StringY(string);
    return true;
}

int FingerboardGeometry::StringAt(int y) const
{
    if (!Drawable() || stringCount_ == 0) return -1;
    if (stringCount_ == 1) return 0;
    if (spacing_ <= 0) return -1;  // too low to tell the strings apart
    return std::clamp((y + spacing_ / 2 - Border) / spacing_, 0, stringCount_ - 1);
}

bool FingerboardGeometry::InLabelColumn(QPoint p) const { return BoardX(p.x()) < labelMargin_; }

void FingerboardGeometry::FretFromPoint(QPoint p, int& fret, int& string) const
{
    fret = string = -1;
    const int x = BoardX(p.x());
    if (x < labelMargin_) return;
    const int s = StringAt(p.y());
    if (s < 0) return;
    for (int f = 0; f < fretCount_; ++f) {
        if (x <= boardWireX_[f] + WireReach) {
            fret = f;
            string = s;
            return;
        }
    }
}

QRect FingerboardGeometry::MarkerRect(int string, int fret, bool atCapo, int capo) const
{
    int x = 0, y = 0;
    if (!FretPoint(fret, string, x, y)) return QRect();
    int left = boardWireX_[fret] - 19;  // just on the nut's side of the wire
    if (atCapo) left = capo ? boardWireX_[fret] - 9 : labelMargin_ + 1;
    return Shown(QRect(left, y - 9, MarkerSize, MarkerSize));
}

QRect FingerboardGeometry::FindCellRect(int string, int fret, int capo) const
{
    int x = 0, y = 0;
    if (!FretPoint(fret, string, x, y)) return QRect();
    // Centred on the wire; at the capo a quarter cell further up the neck.
    const int left = boardWireX_[fret] - (fret == capo ? CellWidth / 4 : CellWidth / 2);
    return Shown(QRect(left, y - CellHeight / 2, CellWidth, CellHeight));
}

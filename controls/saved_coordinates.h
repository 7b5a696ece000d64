#pragma once
// Screen positions kept in files are in 1/16384 of the screen width, on both
// axes, so that a studio made on one screen opens sensibly on another.

#include <QPoint>

namespace SavedCoordinates {
constexpr int Scale = 16384;

// A width of 0 or less leaves the point as it is.
QPoint ToSaved(QPoint screen, int screenWidth);
QPoint FromSaved(QPoint saved, int screenWidth);
// Width of the primary screen, 0 when there is none.
int PrimaryScreenWidth();
}  // namespace SavedCoordinates

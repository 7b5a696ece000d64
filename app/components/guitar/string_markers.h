#pragma once
// The marker of each string: open (at the capo), fretted or not played, where
// it sits, and whether the Find display puts its green dot on it.

#include <QRect>

class FingerboardGeometry;
struct FingerboardState;

struct StringMarker {
    int icon = 0;  // FingerboardPicture::OpenMarker ... SilentMarker; 0: not drawn
    QRect rect;    // 20 x 20; empty when the string has no place to show it
    bool findDot = false;
};

StringMarker MarkerOf(const FingerboardGeometry& geometry, const FingerboardState& state, int string);

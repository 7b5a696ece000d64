#pragma once
// Colour arithmetic shared by the pictures drawn in code.

#include <QColor>
#include <QPalette>

// a blended toward b by t (0 gives a, 1 gives b).
inline QColor MixColours(const QColor& a, const QColor& b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

// Whether the palette is a dark theme (light text on a dark window).
inline bool IsDarkPalette(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightnessF() < palette.color(QPalette::WindowText).lightnessF();
}

// An outline that stands out from the window background in either theme.
inline QColor OutlineColour(const QPalette& palette)
{
    return MixColours(palette.color(QPalette::Window), palette.color(QPalette::WindowText), 0.65);
}

#pragma once
// The pictures of cantrelctl, drawn in code for the palette (light or dark)
// and the pixel ratio of the screen they are shown on, so that they stay
// crisp and readable everywhere. Numbers are the controls' bitmap numbers.

#include <QPalette>
#include <QPixmap>
#include <QRectF>

class QPainter;

namespace ControlBitmap {
constexpr int Leds = 9001;            // LED pictures, 16 x 16, colour-major: (2 * led + on) * 16
constexpr int ToggleSwitch = 9002;    // switch pictures, 16 x 16: off at 0, pressed at 16, on at 32
constexpr int SliderThumb = 32000;    // plain slider thumb
constexpr int VelocityThumb = 32003;  // slider thumb of loudness settings
constexpr int CheckedOffset = 2000;   // palette bitmap n has its checked form at n + 2000
constexpr int PictureSize = 16;       // side of one LED or switch picture
constexpr int LedColours = 4;         // red, green, amber, blue
}  // namespace ControlBitmap

// Bitmap `id` for `palette` at `ratio` device pixels per logical pixel; a null
// pixmap for a number that has no picture. Sizes are logical pixels.
QPixmap LoadControlBitmap(int id, const QPalette& palette, qreal ratio);

// The single pictures behind the strips, for drawing at any size.
void PaintLed(QPainter& painter, const QRectF& box, int led, bool on, const QPalette& palette);
// state: 0 off, 1 pressed, 2 on
void PaintToggleSwitch(QPainter& painter, const QRectF& box, int state, const QPalette& palette);
// pictureId 32000 or 32003 (any other number draws 32000)
void PaintSliderThumb(QPainter& painter, const QRectF& box, int pictureId, bool pressed, const QPalette& palette);
// The colour in which a thumb's value text is readable.
QColor SliderThumbTextColour(int pictureId, const QPalette& palette);

// Palette bitmaps 11-22 and their checked forms 2011-2022.
struct PaletteArtSize {
    int cellWidth = 0;
    int cellHeight = 0;
    int columns = 0;
    int rows = 0;
};
// Cell size and grid of palette bitmap `id` (checked form or not); all zero
// for a number without picture.
PaletteArtSize PaletteArtSizeOf(int id);
QPixmap PaintPaletteBitmap(int id, const QPalette& palette, qreal ratio);

#pragma once
// The measures of a font that drawings are laid out with: its average
// character width and its ascent. The default one measures the default GUI
// font.

#include <QFont>
#include <QRect>

class QWidget;

class FontSizeMapper {
public:
    FontSizeMapper();
    explicit FontSizeMapper(const QFont& font);
    // The named font at `height` pixels, normal weight (height 0: default size).
    FontSizeMapper(const char* face, int height);

    int AverageCharWidth() const { return averageCharWidth_; }
    int Ascent() const { return ascent_; }

    // The rectangle from (left, top) to (right, bottom) in dialog units of
    // `dialog`, in pixels.
    static QRect MapRect(const QWidget* dialog, int left, int top, int right, int bottom);

private:
    void Measure(const QFont& font);

    int averageCharWidth_ = 0;
    int ascent_ = 0;
};

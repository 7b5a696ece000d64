#pragma once
// Where the parts of a TMyHSlider lie for a given size, thumb width and range:
// the thumb for each value, the value under a thumb position, the groove and
// the tick marks. Plain arithmetic, so that painting and mouse handling agree.

#include <QRect>
#include <QSize>

class SliderGeometry {
public:
    static constexpr int Margin = 1;       // free pixels left and right of the thumb's travel
    static constexpr int TickSpace = 6;    // height of the tick strip under the thumb
    static constexpr int PointHeight = 5;  // the thumb's point toward the ticks

    SliderGeometry(QSize size, int thumbWidth, int minimum, int maximum);

    QRect ThumbRect(int value) const;
    // The value whose thumb's left edge is nearest to x.
    int ValueAtThumbLeft(int x) const;
    QRect Groove() const;
    int TickX(int value) const;
    int TickTop() const;
    int TickBottom() const;
    int ThumbWidth() const { return thumbWidth_; }
    int ThumbHeight() const;

private:
    int Travel() const;

    QSize size_;
    int thumbWidth_;
    int minimum_;
    int maximum_;
};

#include "controls/slider_geometry.h"

#include <algorithm>

#include "controls/mul_div.h"

SliderGeometry::SliderGeometry(QSize size, int thumbWidth, int minimum, int maximum)
    : size_(size), thumbWidth_(thumbWidth), minimum_(minimum), maximum_(std::max(minimum, maximum))
{
}

int SliderGeometry::Travel() const { return std::max(0, size_.width() - 2 * Margin - thumbWidth_); }

int SliderGeometry::ThumbHeight() const { return std::max(12, size_.height() - TickSpace); }

QRect SliderGeometry::ThumbRect(int value) const
{
    const int span = maximum_ - minimum_;
    const int offset = span > 0 ? MulDiv(std::clamp(value, minimum_, maximum_) - minimum_, Travel(), span) : 0;
    return QRect(Margin + offset, 0, thumbWidth_, ThumbHeight());
}

int SliderGeometry::ValueAtThumbLeft(int x) const
{
    const int travel = Travel();
    if (travel <= 0) return minimum_;
    const int offset = std::clamp(x - Margin, 0, travel);
    return minimum_ + MulDiv(offset, maximum_ - minimum_, travel);
}

QRect SliderGeometry::Groove() const
{
    const int bodyMiddle = (ThumbHeight() - PointHeight) / 2;
    const int left = Margin + thumbWidth_ / 2;
    return QRect(left, bodyMiddle - 2, std::max(0, Travel()), 5);
}

int SliderGeometry::TickX(int value) const { return ThumbRect(value).center().x(); }

int SliderGeometry::TickTop() const { return ThumbHeight() + 1; }

int SliderGeometry::TickBottom() const { return std::max(TickTop(), size_.height() - 2); }

#include "controls/dialog_units.h"

#include <QFontMetrics>
#include <QWidget>

#include "controls/mul_div.h"

DialogUnits::DialogUnits(const QFont& font)
{
    // Windows averages the widths of the 52 letters, rounding half up.
    const QFontMetrics metrics(font);
    const int alphabet =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseX_ = (alphabet / 26 + 1) / 2;
    baseY_ = metrics.height();
}

DialogUnits DialogUnits::Of(const QWidget* widget) { return DialogUnits(widget ? widget->window()->font() : QFont()); }

int DialogUnits::ToPixelsX(int units) const { return MulDiv(units, baseX_, 4); }

int DialogUnits::ToPixelsY(int units) const { return MulDiv(units, baseY_, 8); }

QRect DialogUnits::MapRect(int left, int top, int right, int bottom) const
{
    const int x0 = ToPixelsX(left);
    const int y0 = ToPixelsY(top);
    return QRect(x0, y0, ToPixelsX(right) - x0, ToPixelsY(bottom) - y0);
}

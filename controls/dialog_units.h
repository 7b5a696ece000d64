#pragma once
// Dialog units as Windows defines them, so that dialogs laid out in them keep
// their proportions with any font: a horizontal unit is a quarter of the
// font's average character width, a vertical unit an eighth of its height.

#include <QFont>
#include <QRect>

class QWidget;

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    // The units of the dialog (the window) that widget belongs to.
    static DialogUnits Of(const QWidget* widget);

    int BaseX() const { return baseX_; }  // average character width in pixels
    int BaseY() const { return baseY_; }  // character height in pixels
    int ToPixelsX(int units) const;
    int ToPixelsY(int units) const;
    // The rectangle from (left, top) to (right, bottom) in dialog units, in pixels.
    QRect MapRect(int left, int top, int right, int bottom) const;

private:
    int baseX_;
    int baseY_;
};

#include "controls/toggle_box.h"

#include "resources/controls/control_bitmaps.h"

ToggleBox::ToggleBox(QWidget* parent, int id, const QString& text) : PictureCheckBox(parent, id, text) {}

int ToggleBox::BitmapId() const { return ControlBitmap::ToggleSwitch; }

int ToggleBox::PictureX(bool checked, bool pressed) const
{
    const int side = ControlBitmap::PictureSize;
    if (pressed) return side;
    return checked ? 2 * side : 0;
}

bool ToggleBox::ShowsBothCaptionsWhilePressed(const TwoCaptions&) const { return true; }

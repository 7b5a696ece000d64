#include "controls/led_check_box.h"

#include "resources/controls/control_bitmaps.h"

LEDCheckBox::LEDCheckBox(QWidget* parent, int id, int led, const QString& text)
    : PictureCheckBox(parent, id, text), led_(qBound(0, led, ControlBitmap::LedColours - 1))
{
}

int LEDCheckBox::BitmapId() const { return ControlBitmap::Leds; }

int LEDCheckBox::PictureX(bool checked, bool) const
{
    return (2 * led_ + (checked ? 1 : 0)) * ControlBitmap::PictureSize;
}

// A single caption stays on one line while pressed.
bool LEDCheckBox::ShowsBothCaptionsWhilePressed(const TwoCaptions& captions) const { return captions.split; }

#pragma once
// A check box shown as an LED of colour `led` (0 red, 1 green, 2 amber,
// 3 blue), lit when checked, beside its caption.

#include "controls/picture_check_box.h"

class LEDCheckBox : public PictureCheckBox {
    Q_OBJECT
public:
    LEDCheckBox(QWidget* parent, int id, int led, const QString& text = QString());
    int Led() const { return led_; }

protected:
    int BitmapId() const override;
    int PictureX(bool checked, bool pressed) const override;
    bool ShowsBothCaptionsWhilePressed(const TwoCaptions& captions) const override;

private:
    int led_;
};

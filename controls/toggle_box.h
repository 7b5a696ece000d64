#pragma once
// A two-state box of a dialog shown as a slide switch and the caption of its
// state, written in the text as "unchecked caption|checked caption".

#include "controls/picture_check_box.h"

class ToggleBox : public PictureCheckBox {
    Q_OBJECT
public:
    ToggleBox(QWidget* parent, int id, const QString& text = QString());

protected:
    int BitmapId() const override;
    int PictureX(bool checked, bool pressed) const override;
    bool ShowsBothCaptionsWhilePressed(const TwoCaptions& captions) const override;
};

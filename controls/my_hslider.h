#pragma once
// A horizontal slider of a dialog, placed in dialog units, that writes its
// value on its thumb. Tick marks every 1, 5 or 10 steps depending on the
// range. Subclasses change the value text through ThumbText.

#include <QSlider>
#include <QTimer>

#include "controls/slider_geometry.h"
#include "controls/transfer_direction.h"

class TMyHSlider : public QSlider {
    Q_OBJECT
public:
    // x, y, w, h in dialog units of parent's dialog; thumb: picture 32000 or 32003.
    TMyHSlider(QWidget* parent, int id, int x, int y, int w, int h, int thumb, int min, int max);

    // 10 for a range of 50 or more steps, 1 below 25, else 5.
    static int TickSpacingFor(int min, int max);

    virtual QString ThumbText(int value) const;
    // Moves the position as one 32-bit integer into (Get) or out of (Set)
    // buffer; returns its size, 4.
    int Transfer(void* buffer, TransferDirection direction);

    int ThumbPicture() const { return thumbPicture_; }
    // The placement as given, in dialog units.
    QRect DialogRect() const { return dialogRect_; }
    SliderGeometry Geometry() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void PlaceInDialogUnits();
    void SetRangeAndTicks(int min, int max);
    void PageTowardPointer();
    int ThumbWidth() const;
    QFont ValueFont() const;

    QRect dialogRect_;
    int thumbPicture_;
    int dragOffset_ = 0;
    int pagePointerX_ = 0;
    QTimer pageRepeat_;
};

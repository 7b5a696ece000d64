#pragma once
// The Keyboard Settings sliders: the starting C, named as every note is
// ("C3" from C, "C5" from A), or the number of octaves in halves ("½", "1",
// "1½" ... "7").

#include "controls/my_hslider.h"

class TKeySlider : public TMyHSlider {
    Q_OBJECT
public:
    static constexpr int StartingNote = 0;
    static constexpr int Octaves = 1;

    TKeySlider(QWidget* parent, int id, int x, int y, int w, int h, int min, int max, int mode);
    QString ThumbText(int position) const override;
    // The leftmost key a starting-note position stands for: always a C.
    static int FirstNoteAt(int position) { return 12 * position + 3; }
    int DisplayMode() const { return mode_; }

private:
    int mode_;
};

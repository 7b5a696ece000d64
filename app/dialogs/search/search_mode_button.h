#pragma once
// The three mode buttons of the Search dialog: a picture of what they find
// (a chord, a scale, a key signature on a staff) and the caption "Find
// Chord", "Find Scale" or "Find Key" with the letter of its key underlined.
// Drawn in code, so they are crisp at any pixel ratio and follow the theme.

#include <QPushButton>

class SearchModeButton : public QPushButton {
    Q_OBJECT
public:
    // kind: SearchKind::Chord, Scale or Key; id: the control id.
    SearchModeButton(QWidget* parent, int id, int kind);

    int Kind() const { return kind_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int PictureSide() const;

    int kind_;
};

// Draws the picture of kind into box (a 20 x 20 design scaled to the box).
void PaintSearchModePicture(QPainter& painter, const QRectF& box, int kind, const QPalette& palette, bool enabled);

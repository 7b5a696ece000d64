#pragma once
// The pictures beside the typing choices of the Keyboard Settings: the
// computer keys, and the notes they give in Chromatic and in Accidental
// typing, in the same staggered columns so that each note stands under its key.

#include <QAbstractButton>

class QPainter;

namespace TypingPicture {
constexpr int ComputerKeys = 7100;
constexpr int Chromatic = 7101;
constexpr int Accidental = 7102;

// Draws picture `id` into rect, in the palette's colours.
void Paint(QPainter& p, int id, const QRectF& rect, const QPalette& palette);
// The text of one cell: row 0 the digit row, row 1 the row below; empty when
// the key gives no note.
QString CellText(int id, int row, int column);
}  // namespace TypingPicture

// A picture that clicks like a button (it selects the choice beside it).
class TypingPictureButton : public QAbstractButton {
    Q_OBJECT
public:
    TypingPictureButton(QWidget* parent, int id, int picture);
    int Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int picture_;
};

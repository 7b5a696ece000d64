#pragma once
// A check box drawn as a 16 x 16 picture and a label that follows the state:
// the base of ToggleBox and LEDCheckBox. While the box is pressed it may show
// both captions, the unchecked one above the middle and the checked one
// below, so the user sees what the click will change.

#include <QCheckBox>
#include <QList>
#include <QRect>

#include "controls/two_captions.h"

// What a box shows in its current state; painting draws exactly this.
struct CheckBoxFace {
    struct Line {
        QString text;
        QRect rect;  // the text is clipped to it
        Qt::Alignment alignment;
    };
    int bitmapId = 0;
    int pictureX = 0;  // left edge of the picture in the bitmap strip
    QRect textRect;
    QList<Line> lines;
    bool focused = false;
};

class PictureCheckBox : public QCheckBox {
    Q_OBJECT
public:
    // Distance of the text from the box's left edge.
    static constexpr int TextIndent = 19;

    CheckBoxFace Face() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    PictureCheckBox(QWidget* parent, int id, const QString& text);

    virtual int BitmapId() const = 0;
    virtual int PictureX(bool checked, bool pressed) const = 0;
    virtual bool ShowsBothCaptionsWhilePressed(const TwoCaptions& captions) const = 0;

    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
};

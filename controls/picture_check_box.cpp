#include "controls/picture_check_box.h"

#include <QPainter>
#include <QPen>

#include "resources/controls/control_bitmaps.h"
#include "resources/controls/picture_colours.h"

PictureCheckBox::PictureCheckBox(QWidget* parent, int id, const QString& text) : QCheckBox(text, parent)
{
    setObjectName(QStringLiteral("id%1").arg(id));
}

CheckBoxFace PictureCheckBox::Face() const
{
    CheckBoxFace face;
    const bool pressed = isDown();
    face.bitmapId = BitmapId();
    face.pictureX = PictureX(isChecked(), pressed);
    face.textRect = QRect(TextIndent, 0, qMax(0, width() - TextIndent), height());
    face.focused = hasFocus();

    const TwoCaptions captions = TwoCaptions::FromText(text());
    if (pressed && ShowsBothCaptionsWhilePressed(captions)) {
        const int middle = face.textRect.top() + face.textRect.height() / 2;
        QRect upper = face.textRect;
        upper.setBottom(middle - 1);
        QRect lower = face.textRect;
        lower.setTop(middle);
        face.lines.append({captions.unchecked, upper, Qt::AlignLeft | Qt::AlignBottom});
        face.lines.append({captions.checked, lower, Qt::AlignLeft | Qt::AlignTop});
    } else {
        face.lines.append(
            {isChecked() ? captions.checked : captions.unchecked, face.textRect, Qt::AlignLeft | Qt::AlignTop});
    }
    return face;
}

void PictureCheckBox::paintEvent(QPaintEvent*)
{
    const CheckBoxFace face = Face();
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));

    const qreal ratio = devicePixelRatioF();
    const int side = ControlBitmap::PictureSize;
    const QPixmap strip = LoadControlBitmap(face.bitmapId, palette(), ratio);
    painter.drawPixmap(QRectF(0, 0, side, side), strip, QRectF(face.pictureX * ratio, 0, side * ratio, side * ratio));

    // A focused box writes its label in the shadow colour inside a focus frame.
    const QColor text = face.focused
                            ? MixColours(palette().color(QPalette::ButtonText), palette().color(QPalette::Window), 0.3)
                            : palette().color(QPalette::ButtonText);
    if (!isEnabled())
        painter.setPen(palette().color(QPalette::Disabled, QPalette::ButtonText));
    else
        painter.setPen(text);
    painter.setFont(font());
    for (const CheckBoxFace::Line& line : face.lines) {
        painter.save();
        painter.setClipRect(line.rect);
        painter.drawText(line.rect.adjusted(1, 0, 0, 0), int(line.alignment) | Qt::TextShowMnemonic, line.text);
        painter.restore();
    }
    if (face.focused) {
        QPen dotted(palette().color(QPalette::ButtonText), 1, Qt::DotLine);
        painter.setPen(dotted);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(face.textRect.adjusted(0, 0, -1, -1));
    }
}

bool PictureCheckBox::hitButton(const QPoint& pos) const { return rect().contains(pos); }

QSize PictureCheckBox::sizeHint() const
{
    const TwoCaptions captions = TwoCaptions::FromText(text());
    const QFontMetrics metrics = fontMetrics();
    const int textWidth =
        qMax(metrics.horizontalAdvance(captions.unchecked), metrics.horizontalAdvance(captions.checked));
    return QSize(TextIndent + textWidth + 4, qMax(ControlBitmap::PictureSize, metrics.height() + 2));
}

QSize PictureCheckBox::minimumSizeHint() const { return sizeHint(); }

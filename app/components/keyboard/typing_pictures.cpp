#include "app/components/keyboard/typing_pictures.h"

#include <QPainter>
#include <QPalette>

#include <algorithm>

#include "app/components/shared/typing_map.h"

namespace TypingPicture {
namespace {

constexpr const char* Names[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
constexpr int Columns = TypingMap::Columns;

}  // namespace

QString CellText(int id, int row, int column)
{
    if (id == ComputerKeys) return QString(QChar::fromLatin1(TypingMap::KeyAt(row, column)));
    const int semitone =
        TypingMap::Semitones(id == Chromatic ? TypingMap::Chromatic : TypingMap::Accidental, row, column);
    if (semitone < 0) return QString();
    return QString::fromLatin1(Names[semitone % 12]).replace(QLatin1Char('#'), QChar(0x266F));
}

void Paint(QPainter& p, int id, const QRectF& rect, const QPalette& palette)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    qreal left = rect.left();
    // The note pictures start with an equals sign under the keys' margin.
    const qreal sign = rect.height() * 0.7;
    if (id != ComputerKeys) {
        p.setPen(QPen(palette.color(QPalette::WindowText), 1.4));
        const qreal mid = rect.center().y();
        p.drawLine(QPointF(left + 2, mid - 2), QPointF(left + sign - 3, mid - 2));
        p.drawLine(QPointF(left + 2, mid + 2), QPointF(left + sign - 3, mid + 2));
    }
    left += sign;
    const qreal column = (rect.right() - left) / (Columns + 0.5);
    const qreal row = rect.height() / 2;
    QFont font = p.font();
    font.setPixelSize(std::max(6, int(row * 0.62)));
    p.setFont(font);
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < Columns; ++c) {
            const QString text = CellText(id, r, c);
            if (text.isEmpty()) continue;
            const QRectF cell(left + (c + 0.5 * r) * column + 0.5, rect.top() + r * row + 0.5, column - 1, row - 1);
            const bool black = id != ComputerKeys && text.size() > 1;
            QColor face = palette.color(QPalette::Button);
            QColor ink = palette.color(QPalette::ButtonText);
            if (id != ComputerKeys) {
                face = black ? QColor(0x22, 0x22, 0x22) : QColor(0xfb, 0xfb, 0xfb);
                ink = black ? Qt::white : Qt::black;
            }
            p.setPen(QPen(palette.color(QPalette::Mid), 0.8));
            p.setBrush(face);
            p.drawRoundedRect(cell, 2, 2);
            p.setPen(ink);
            p.drawText(cell, Qt::AlignCenter, text);
        }
    }
    p.restore();
}

}  // namespace TypingPicture

TypingPictureButton::TypingPictureButton(QWidget* parent, int id, int picture)
    : QAbstractButton(parent), picture_(picture)
{
    setObjectName(QStringLiteral("id%1").arg(id));
    setFocusPolicy(Qt::NoFocus);
}

void TypingPictureButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    TypingPicture::Paint(p, picture_, QRectF(rect()).adjusted(0, 1, -1, -1), palette());
}

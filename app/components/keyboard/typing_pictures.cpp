#include "app/components/keyboard/typing_pictures.h"

#include <QPainter>
#include <QPalette>

#include <algorithm>

namespace TypingPicture {
namespace {

constexpr int Columns = 10;
constexpr char KeyCaps[2][Columns + 1] = {"1234567890", "QWERTYUIOP"};
constexpr const char* Names[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
constexpr int WhiteSemitones[7] = {0, 2, 4, 5, 7, 9, 11};
constexpr int BlackSemitones[7] = {-1, 1, 3, -1, 6, 8, 10};

int Semitone(int id, int row, int column)
{
    if (id == Chromatic) return (Columns * row + column) % 12;
    if (row == 1) return WhiteSemitones[column % 7];
    return BlackSemitones[column % 7];
}

}  // namespace

QString CellText(int id, int row, int column)
{
    if (id == ComputerKeys) return QString(QChar::fromLatin1(KeyCaps[row][column]));
    const int semitone = Semitone(id, row, column);
    if (semitone < 0) return QString();
    return QString::fromLatin1(Names[semitone]).replace(QLatin1Char('#'), QChar(0x266F));
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

TypingPictureButton::TypingPictureButton(QWidget* parent, int id, int picture) : QAbstractButton(parent), picture_(picture)
{
    setObjectName(QStringLiteral("id%1").arg(id));
    setFocusPolicy(Qt::NoFocus);
}

void TypingPictureButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    TypingPicture::Paint(p, picture_, QRectF(rect()).adjusted(0, 1, -1, -1), palette());
}

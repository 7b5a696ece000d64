// Drawings of the palette cells, in a 16 x 16 unit square centred in the box.
#include "resources/controls/palette_glyphs.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace {

// Maps a 16 x 16 unit square onto the middle of box for the life of the object.
class UnitSquare {
public:
    UnitSquare(QPainter& painter, const QRectF& box, const QColor& ink, qreal penWidth = 1.3) : painter_(painter)
    {
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing);
        const qreal side = qMin(box.width(), box.height());
        painter_.translate(box.center().x() - side / 2, box.center().y() - side / 2);
        painter_.scale(side / 16.0, side / 16.0);
        painter_.setPen(QPen(ink, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter_.setBrush(ink);
    }
    ~UnitSquare() { painter_.restore(); }
    UnitSquare(const UnitSquare&) = delete;
    UnitSquare& operator=(const UnitSquare&) = delete;

private:
    QPainter& painter_;
};

void NoteHead(QPainter& p, QPointF centre, bool filled)
{
    p.save();
    p.translate(centre);
    p.rotate(-22);
    if (!filled) p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), 3.0, 2.1);
    p.restore();
}

// A note with stem and `flags` flags (-1: no stem at all).
void Note(QPainter& p, const QRectF& box, const QColor& ink, bool filled, int flags)
{
    UnitSquare unit(p, box, ink);
    NoteHead(p, QPointF(6.2, 12.2), filled);
    p.drawLine(QPointF(8.9, 11.4), QPointF(8.9, 1.8));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < flags; ++i) {
        QPainterPath flag(QPointF(8.9, 1.8 + 3 * i));
        flag.cubicTo(QPointF(9.5, 4.5 + 3 * i), QPointF(13.5, 5 + 3 * i), QPointF(12, 8.5 + 3 * i));
        p.drawPath(flag);
    }
}

void FlatShape(QPainter& p, qreal x, qreal scale)
{
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(x, 1.5), QPointF(x, 14));
    QPainterPath bowl(QPointF(x, 14));
    bowl.cubicTo(QPointF(x + 6 * scale, 11), QPointF(x + 6 * scale, 6.5), QPointF(x, 9.5));
    p.drawPath(bowl);
}

void Arrow(QPainter& p, qreal x, qreal top, qreal bottom, bool up)
{
    const qreal tip = up ? top : bottom;
    const qreal dir = up ? 1 : -1;
    p.drawLine(QPointF(x, top + (up ? 2 : 0)), QPointF(x, bottom - (up ? 0 : 2)));
    QPolygonF head;
    head << QPointF(x, tip) << QPointF(x - 3.2, tip + 4 * dir) << QPointF(x + 3.2, tip + 4 * dir);
    p.drawPolygon(head);
}

void Triangle(QPainter& p, qreal left, qreal right, bool pointsRight)
{
    QPolygonF shape;
    if (pointsRight)
        shape << QPointF(left, 3) << QPointF(right, 8) << QPointF(left, 13);
    else
        shape << QPointF(right, 3) << QPointF(left, 8) << QPointF(right, 13);
    p.drawPolygon(shape);
}

void Level(QPainter& p, const QRectF& box, const QColor& ink, int level)
{
    // Eight stacked segments filling the tall box; the lower ones are lit.
    constexpr int Segments = 8;
    const int lit = (Segments * level + 4) / 5;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal width = qMin(box.width() * 0.6, 12.0);
    const qreal left = box.center().x() - width / 2;
    const qreal step = box.height() / Segments;
    for (int i = 0; i < Segments; ++i) {
        const QRectF segment(left, box.bottom() - (i + 1) * step + 0.75, width * (0.55 + 0.45 * i / (Segments - 1)),
                             step - 1.5);
        p.setPen(QPen(ink, 0.8));
        p.setBrush(i < lit ? QBrush(ink) : QBrush(Qt::NoBrush));
        p.drawRect(segment);
    }
    p.restore();
}

void Speaker(QPainter& p, const QRectF& box, const QColor& ink, int waves, bool muted)
{
    UnitSquare unit(p, box, ink, 1.2);
    QPolygonF body;
    body << QPointF(1.5, 6) << QPointF(4, 6) << QPointF(8, 2.5) << QPointF(8, 13.5) << QPointF(4, 10)
         << QPointF(1.5, 10);
    p.drawPolygon(body);
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= waves; ++i) {
        const qreal r = 2.2 * i;
        p.drawArc(QRectF(8 - r + 1.5, 8 - r, 2 * r, 2 * r), -50 * 16, 100 * 16);
    }
    if (muted) {
        p.drawLine(QPointF(10.5, 5.5), QPointF(15, 10.5));
        p.drawLine(QPointF(15, 5.5), QPointF(10.5, 10.5));
    }
}

}  // namespace

namespace PaletteGlyph {

void WholeNote(QPainter& p, const QRectF& box, const QColor& ink)
{
    UnitSquare unit(p, box, ink, 1.6);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(8, 8.5), 4.2, 2.8);
}
void HalfNote(QPainter& p, const QRectF& box, const QColor& ink) { Note(p, box, ink, false, 0); }
void QuarterNote(QPainter& p, const QRectF& box, const QColor& ink) { Note(p, box, ink, true, 0); }
void EighthNote(QPainter& p, const QRectF& box, const QColor& ink) { Note(p, box, ink, true, 1); }
void SixteenthNote(QPainter& p, const QRectF& box, const QColor& ink) { Note(p, box, ink, true, 2); }

void QuarterRest(QPainter& p, const QRectF& box, const QColor& ink)
{
    UnitSquare unit(p, box, ink, 1.6);
    p.setBrush(Qt::NoBrush);
    QPainterPath rest(QPointF(6.5, 1.5));
    rest.lineTo(QPointF(9.8, 5.2));
    rest.lineTo(QPointF(7, 8.2));
    rest.lineTo(QPointF(10, 11.4));
    rest.cubicTo(QPointF(6.5, 10), QPointF(5.5, 13), QPointF(8, 14.8));
    p.drawPath(rest);
}

void Sharp(QPainter& p, const QRectF& box, const QColor& ink)
{
    UnitSquare unit(p, box, ink, 1.1);
    p.drawLine(QPointF(6.5, 2), QPointF(6.5, 14.5));
    p.drawLine(QPointF(9.5, 1.5), QPointF(9.5, 14));
    p.setPen(QPen(ink, 2.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(4, 6.5), QPointF(12, 5));
    p.drawLine(QPointF(4, 11), QPointF(12, 9.5));
}

void Flat(QPainter& p, const QRectF& box, const QColor& ink)
{
    UnitSquare unit(p, box, ink, 1.4);
    FlatShape(p, 6, 1.0);
}

void Natural(QPainter& p, const QRectF& box, const QColor& ink)
{
    UnitSquare unit(p, box, ink, 1.1);
    p.drawLine(QPointF(5.5, 1.5), QPointF(5.5, 11.5));
    p.drawLine(QPointF(10.5, 4.5), QPointF(10.5, 14.5));
    p.setPen(QPen(ink, 2.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(5.5, 6.2), QPointF(10.5, 5));
    p.drawLine(QPointF(5.5, 11), QPointF(10.5, 9.8));
}

void DoubleSharp(QPainter& p, const QRectF& box, const QColor& ink)
{
    UnitSquare unit(p, box, ink, 1.5);
    p.drawLine(QPointF(4.5, 4.5), QPointF(11.5, 11.5));
    p.drawLine(QPointF(11.5, 4.5), QPointF(4.5, 11.5));
    p.setPen(Qt::NoPen);
    for (QPointF corner : {QPointF(4, 4), QPointF(12, 4), QPointF(4, 12), QPointF(12, 12)})
        p.drawRect(QRectF(corner - QPointF(1.6, 1.6), QSizeF(3.2, 3.2)));
}

void DoubleFlat(QPainter& p, const QRectF& box, const QColor& ink)
{
    UnitSquare unit(p, box, ink, 1.3);
    FlatShape(p, 3.5, 0.85);
    FlatShape(p, 9, 0.85);
}

void NoAccidental(QPainter& p, const QRectF& box, const QColor& ink)
{
    UnitSquare unit(p, box, ink, 1.3);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(8, 8), 5, 5);
    p.drawLine(QPointF(4.5, 11.5), QPointF(11.5, 4.5));
}

void ArrowUp(QPainter& p, const QRectF& box, const QColor& ink)
{
    UnitSquare unit(p, box, ink, 1.6);
    Arrow(p, 8, 2, 14, true);
}
void ArrowDown(QPainter& p, const QRectF& box, const QColor& ink)
{
    UnitSquare unit(p, box, ink, 1.6);
    Arrow(p, 8, 2, 14, false);
}
void DoubleArrowUp(QPainter& p, const QRectF& box, const QColor& ink)
{
    UnitSquare unit(p, box, ink, 1.6);
    Arrow(p, 8, 1.5, 14.5, true);
    QPolygonF second;
    second << QPointF(8, 6) << QPointF(4.8, 10) << QPointF(11.2, 10);
    p.drawPolygon(second);
}
void DoubleArrowDown(QPainter& p, const QRectF& box, const QColor& ink)
{
    UnitSquare unit(p, box, ink, 1.6);
    Arrow(p, 8, 1.5, 14.5, false);
    QPolygonF second;
    second << QPointF(8, 10) << QPointF(4.8, 6) << QPointF(11.2, 6);
    p.drawPolygon(second);
}
void ArrowsUpDown(QPainter& p, const QRectF& box, const QColor& ink)
{
    UnitSquare unit(p, box, ink, 1.4);
    Arrow(p, 5, 2, 14, true);
    Arrow(p, 11, 2, 14, false);
}

void Play(QPainter& p, const QRectF& box, const QColor& ink)
{
    UnitSquare unit(p, box, ink, 1.0);
    Triangle(p, 4.5, 13, true);
}
void Stop(QPainter& p, const QRectF& box, const QColor& ink)
{
    UnitSquare unit(p, box, ink, 1.0);
    p.drawRect(QRectF(4, 4, 8, 8));
}
void Pause(QPainter& p, const QRectF& box, const QColor& ink)
{
    UnitSquare unit(p, box, ink, 1.0);
    p.drawRect(QRectF(4, 3.5, 2.8, 9));
    p.drawRect(QRectF(9.2, 3.5, 2.8, 9));
}
void Record(QPainter& p, const QRectF& box, const QColor& ink)
{
    UnitSquare unit(p, box, ink, 1.0);
    // Red in both themes, with the ink as rim so it shows on the checked face too.
    p.setBrush(QColor(220, 40, 40));
    p.drawEllipse(QPointF(8, 8), 4.6, 4.6);
}
void Rewind(QPainter& p, const QRectF& box, const QColor& ink)
{
    UnitSquare unit(p, box, ink, 1.0);
    Triangle(p, 1.5, 8, false);
    Triangle(p, 8, 14.5, false);
}
void Loop(QPainter& p, const QRectF& box, const QColor& ink)
{
    UnitSquare unit(p, box, ink, 1.6);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(3, 3, 10, 10), 100 * 16, 290 * 16);
    p.setBrush(ink);
    p.setPen(Qt::NoPen);
    QPolygonF head;
    head << QPointF(7.6, 0.6) << QPointF(7.6, 5.6) << QPointF(4.2, 3.0);
    p.drawPolygon(head);
}

void Level1(QPainter& p, const QRectF& box, const QColor& ink) { Level(p, box, ink, 1); }
void Level2(QPainter& p, const QRectF& box, const QColor& ink) { Level(p, box, ink, 2); }
void Level3(QPainter& p, const QRectF& box, const QColor& ink) { Level(p, box, ink, 3); }
void Level4(QPainter& p, const QRectF& box, const QColor& ink) { Level(p, box, ink, 4); }
void Level5(QPainter& p, const QRectF& box, const QColor& ink) { Level(p, box, ink, 5); }

void SpeakerMuted(QPainter& p, const QRectF& box, const QColor& ink) { Speaker(p, box, ink, 0, true); }
void SpeakerLow(QPainter& p, const QRectF& box, const QColor& ink) { Speaker(p, box, ink, 1, false); }
void SpeakerMedium(QPainter& p, const QRectF& box, const QColor& ink) { Speaker(p, box, ink, 2, false); }
void SpeakerLoud(QPainter& p, const QRectF& box, const QColor& ink) { Speaker(p, box, ink, 3, false); }

}  // namespace PaletteGlyph

void PaintGlyphText(QPainter& painter, const QRectF& box, const QColor& ink, const char* text, GlyphTextStyle style)
{
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(style == GlyphTextStyle::Dynamic ? QStringLiteral("serif") : QStringLiteral("sans-serif"));
    font.setStyleHint(style == GlyphTextStyle::Dynamic ? QFont::Serif : QFont::SansSerif);
    font.setBold(true);
    font.setItalic(style == GlyphTextStyle::Dynamic);
    qreal size = box.height() * (style == GlyphTextStyle::Letter ? 0.85 : 0.68);
    const QString label = QString::fromUtf8(text);
    // Shrink until the text fits the width of the box.
    for (;;) {
        font.setPixelSize(qMax(1, qRound(size)));
        if (size <= 5 || QFontMetricsF(font).horizontalAdvance(label) <= box.width()) break;
        size -= 0.5;
    }
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(box, Qt::AlignCenter, label);
    painter.restore();
}

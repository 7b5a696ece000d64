#include "app/components/shared/label_strips.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <map>
#include <utility>

#include "core/services/file_names.h"
#include "core/services/profile.h"
#include "core/theory/chord.h"
#include "core/theory/shown_notes.h"

namespace LabelStrips {
namespace {

enum Accidental { Natural, Flat, Sharp };

// What one cell shows: a letter or digit with an accidental before it
// (degrees) or after it (note names).
struct Glyph {
    char main;
    Accidental accidental;
    bool accidentalFirst;
};

constexpr char DegreeDigits[CellCount] = {'1', '2', '2', '3', '3', '4', '5', '5', '5', '6', '7', '7'};
constexpr Accidental DegreeSigns[CellCount] = {Natural, Flat,    Natural, Flat,    Natural, Natural,
                                               Flat,    Natural, Sharp,   Natural, Flat,    Natural};
constexpr char Letters[CellCount] = {'A', 'A', 'B', 'C', 'C', 'D', 'D', 'E', 'F', 'F', 'G', 'G'};
constexpr char FlatLetters[CellCount] = {'A', 'B', 'B', 'C', 'D', 'D', 'E', 'E', 'F', 'G', 'G', 'A'};
constexpr bool BlackPitch[CellCount] = {false, true, false, false, true, false, true, false, false, true, false, true};

bool IsDegrees(int strip) { return strip == DegreesBlue || strip == DegreesRed; }
bool IsFlats(int strip) { return strip == FlatsRed || strip == FlatsBlue; }

Glyph GlyphOf(int strip, int index, bool neighbourLetter)
{
    if (IsDegrees(strip)) return {DegreeDigits[index], DegreeSigns[index], true};
    if (neighbourLetter && !BlackPitch[index]) {
        // The letter a half step below raised (E# for F), or above lowered (Cb for B).
        if (IsFlats(strip)) return {FlatLetters[(index + 1) % CellCount], Flat, false};
        return {Letters[(index + CellCount - 1) % CellCount], Sharp, false};
    }
    if (!BlackPitch[index]) return {Letters[index], Natural, false};
    if (IsFlats(strip)) return {FlatLetters[index], Flat, false};
    return {Letters[index], Sharp, false};
}

constexpr qreal SignHeight = 8.6;

qreal SignWidth(Accidental a) { return a == Flat ? 3.8 : a == Sharp ? 4.6 : 0; }

// The flat and sharp signs as strokes, so that they look the same whatever
// fonts the machine has.
void DrawSign(QPainter& p, Accidental a, qreal x, qreal y)
{
    p.setBrush(Qt::NoBrush);
    if (a == Flat) {
        p.setPen(QPen(Qt::white, 1.1, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        QPainterPath flat;
        flat.moveTo(x + 0.7, y);
        flat.lineTo(x + 0.7, y + SignHeight);
        flat.cubicTo(x + 4.0, y + 7.0, x + 4.2, y + 4.0, x + 0.7, y + 5.4);
        p.drawPath(flat);
    } else if (a == Sharp) {
        p.setPen(QPen(Qt::white, 0.9, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(x + 1.5, y + 0.6), QPointF(x + 1.5, y + SignHeight));
        p.drawLine(QPointF(x + 3.2, y), QPointF(x + 3.2, y + SignHeight - 0.6));
        p.setPen(QPen(Qt::white, 1.3, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(x, y + 3.4), QPointF(x + 4.6, y + 2.4));
        p.drawLine(QPointF(x, y + 6.4), QPointF(x + 4.6, y + 5.4));
    }
}

QColor Fill(int strip) { return IsRed(strip) ? QColor(0xc6, 0x28, 0x28) : QColor(0x15, 0x65, 0xc0); }

void PaintCell(QPainter& p, const QFont& font, int strip, int index, bool neighbourLetter = false)
{
    const QRectF box(index * CellWidth + 0.5, 0.5, CellWidth - 1.0, CellHeight - 1.0);
    p.setPen(QPen(Fill(strip).darker(150), 1.0));
    p.setBrush(Fill(strip));
    p.drawRoundedRect(box, 2.0, 2.0);

    const Glyph g = GlyphOf(strip, index, neighbourLetter);
    const QString main(QChar::fromLatin1(g.main));
    const QRectF ink = QFontMetricsF(font).tightBoundingRect(main);
    const qreal signWidth = SignWidth(g.accidental);
    const qreal gap = signWidth > 0 ? 0.6 : 0;
    const qreal width = ink.width() + gap + signWidth;
    const qreal left = box.center().x() - width / 2;
    const qreal top = (CellHeight - ink.height()) / 2;
    const qreal mainLeft = g.accidentalFirst ? left + signWidth + gap : left;
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QPointF(mainLeft - ink.left(), top - ink.top()), main);
    const qreal signLeft = g.accidentalFirst ? left : left + ink.width() + gap;
    DrawSign(p, g.accidental, signLeft, top + ink.height() - SignHeight + (g.accidental == Sharp ? 0.6 : 0));
}

QFont CellFont()
{
    QFont font;
    font.setPixelSize(10);
    font.setBold(true);
    return font;
}

QPixmap Draw(int strip, qreal ratio)
{
    QPixmap pixmap(std::ceil(StripWidth * ratio), std::ceil(CellHeight * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QFont font = CellFont();
    for (int i = 0; i < CellCount; ++i) PaintCell(p, font, strip, i);
    return pixmap;
}

}  // namespace

Cell ChooseCell(int pc, int tonic, bool showNoteNames, bool inChord, const SpellingContext& spelling)
{
    pc = ((pc % CellCount) + CellCount) % CellCount;
    if (!showNoteNames) return {inChord ? DegreesRed : DegreesBlue, (pc - tonic % CellCount + 24) % CellCount};
    const std::string name = ShownNoteName(pc, spelling);
    const bool neighbourLetter = name.size() > 1 && !BlackPitch[pc];
    if (name.size() > 1 && name[1] == '#') return {inChord ? SharpsRed : SharpsBlue, pc, neighbourLetter};
    return {inChord ? FlatsRed : FlatsBlue, pc, neighbourLetter};
}

QString CellText(int strip, int index, bool neighbourLetter)
{
    const Glyph g = GlyphOf(strip, index, neighbourLetter);
    const QString sign = g.accidental == Flat    ? QString(QChar(0x266D))
                         : g.accidental == Sharp ? QString(QChar(0x266F))
                                                 : QString();
    const QString main(QChar::fromLatin1(g.main));
    return g.accidentalFirst ? sign + main : main + sign;
}

bool IsRed(int strip) { return strip == DegreesRed || strip == SharpsRed || strip == FlatsRed; }

const QPixmap& StripPixmap(int strip, qreal ratio)
{
    // Drawn once per strip and screen density; a few kilobytes each.
    static std::map<std::pair<int, int>, QPixmap> drawn;
    const std::pair<int, int> key(strip, int(std::lround(ratio * 100)));
    auto found = drawn.find(key);
    if (found == drawn.end()) found = drawn.emplace(key, Draw(strip, ratio)).first;
    return found->second;
}

void DrawCell(QPainter& painter, QPoint topLeft, Cell cell)
{
    if (cell.neighbourLetter) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.translate(topLeft - QPoint(cell.index * CellWidth, 0));
        PaintCell(painter, CellFont(), cell.strip, cell.index, true);
        painter.restore();
        return;
    }
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QPixmap& strip = StripPixmap(cell.strip, ratio);
    const QRectF source(cell.index * CellWidth * ratio, 0, CellWidth * ratio, CellHeight * ratio);
    painter.drawPixmap(QRectF(topLeft, QSizeF(CellWidth, CellHeight)), strip, source);
}

bool ShowScaleNotes() { return GetPrivateProfileInt("Global", "ShowScaleNotes", 0, GetINIFileName()) != 0; }

}  // namespace LabelStrips

#include "app/components/keyboard/keyboard_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

#include <algorithm>

#include "app/components/shared/find_result_marker.h"
#include "app/components/shared/label_strips.h"
#include "core/theory/chord.h"
#include "core/theory/chord_spelling.h"
#include "core/theory/shown_notes.h"

using namespace KeyboardLayout;

namespace {

constexpr int RailHeight = 5;
constexpr int FrontHeight = 9;   // the front edge of a raised white key
constexpr int PressedDepth = 3;  // how far a pressed key goes down
constexpr int WedgeWidth = 5;    // shadow of a raised key on a pressed neighbour

const QColor KeyLine(0x4a, 0x4a, 0x4a);
const QColor PressedTop(0xdd, 0xe9, 0xfc);
const QColor PressedBottom(0xa9, 0xc6, 0xf2);

int PitchFromA(NOTES n) { return static_cast<int>((n % 12 + 12) % 12); }

// The pictures of one kind of key at one size (with its side shadows for a
// black key), drawn once and copied to every key.
struct KeyPictures {
    QSize size;
    qreal ratio = 0;
    QPixmap raised, pressed, shadowRaised, shadowPressed;
};
using DrawKeyPictures = void (*)(KeyPictures& pictures, int w, int h, qreal ratio);

const KeyPictures& Kept(KeyPictures& kept, int w, int h, qreal ratio, DrawKeyPictures draw)
{
    if (kept.size != QSize(w, h) || kept.ratio != ratio) {
        kept.size = QSize(w, h);
        kept.ratio = ratio;
        draw(kept, w, h, ratio);
    }
    return kept;
}

int SideInset(int blackWidth) { return (blackWidth * 9 / 24) / 2; }

QPixmap NewPicture(int w, int h, qreal ratio)
{
    QPixmap pixmap(std::max(1, int(w * ratio + 0.5)), std::max(1, int(h * ratio + 0.5)));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap DrawBlackKey(int w, int h, qreal ratio, bool down)
{
    QPixmap pixmap = NewPicture(w, h, ratio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal side = SideInset(w);
    const qreal top = h / 12 * 2 / 3;
    const qreal faceBottom = down ? h - h / 24 : h - h / 12;
    const QRectF body(0.5, 0, w - 1.0, h - 0.5);
    p.setPen(QPen(QColor(0x70, 0x70, 0x70), 1.0));
    p.setBrush(QColor(0x0c, 0x0c, 0x0c));
    p.drawRoundedRect(body, 1.5, 1.5);
    // The top face, lit from above; a pressed key shows the chord's colour.
    const QRectF face(side, top, std::max<qreal>(1, w - 2 * side), std::max<qreal>(1, faceBottom - top));
    QLinearGradient light(face.topLeft(), face.bottomLeft());
    light.setColorAt(0, down ? QColor(0x3d, 0x5f, 0x9c) : QColor(0x55, 0x55, 0x55));
    light.setColorAt(1, down ? QColor(0x17, 0x2d, 0x57) : QColor(0x1e, 0x1e, 0x1e));
    p.setPen(QPen(QColor(0xb0, 0xb0, 0xb0, 140), 0.8));
    p.setBrush(light);
    p.drawRoundedRect(face, 1.0, 1.0);
    p.setPen(QPen(QColor(0x80, 0x80, 0x80, 160), 0.8));
    const qreal lowSide = down ? 3 : 1;
    p.drawLine(QPointF(1, 0.5), face.topLeft());
    p.drawLine(QPointF(w - 1, 0.5), face.topRight());
    p.drawLine(QPointF(lowSide, h - 1), face.bottomLeft());
    p.drawLine(QPointF(w - lowSide, h - 1), face.bottomRight());
    return pixmap;
}

QPixmap DrawSideShadow(int w, int h, qreal ratio, bool down)
{
    QPixmap pixmap = NewPicture(w, h, ratio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal length = down ? h * 0.85 : h;
    QPainterPath slant;
    slant.moveTo(w, RailHeight - 1);
    slant.lineTo(w, length);
    slant.lineTo(0, length - w);
    slant.lineTo(0, RailHeight - 1 + w);
    slant.closeSubpath();
    QLinearGradient fade(0, 0, w, 0);
    fade.setColorAt(0, QColor(0, 0, 0, 0));
    fade.setColorAt(1, QColor(0, 0, 0, down ? 50 : 80));
    p.fillPath(slant, fade);
    return pixmap;
}

void DrawBlackKeys(KeyPictures& k, int w, int h, qreal ratio)
{
    k.raised = DrawBlackKey(w, h, ratio, false);
    k.pressed = DrawBlackKey(w, h, ratio, true);
    const int side = std::max(1, SideInset(w));
    k.shadowRaised = DrawSideShadow(side, h, ratio, false);
    k.shadowPressed = DrawSideShadow(side, h, ratio, true);
}

// Marker of a chord note (a dot), ringed when the Find display holds its pitch.
void DrawMarker(QPainter& p, int centre, int bottom, bool found)
{
    const QPointF at(centre, bottom - 2 * FrontHeight);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(QColor(0xe0, 0x3a, 0x2f));
    p.drawEllipse(at, 5.5, 5.5);
    if (found) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0xff, 0xc1, 0x07), 1.6));
        p.drawEllipse(at, 7.5, 7.5);
    }
    p.restore();
}

QString Shown(const char* name)
{
    // Proper sharp and flat signs for what the engine spells with # and b.
    QString text = QString::fromLatin1(name);
    text.replace(QLatin1Char('#'), QChar(0x266F));
    for (int i = 1; i < text.size(); ++i)
        if (text[i] == QLatin1Char('b')) text[i] = QChar(0x266D);
    return text;
}

void DrawLabels(QPainter& p, const KeyboardPicture& k, NOTES n)
{
    const Geometry& g = k.geometry;
    if (g.LabelHeight <= 0) return;
    int top = g.KeyAreaHeight() + (IsBlackKey(n) ? 0 : k.ascent);
    const int centre = g.KeyCentre(n);
    for (int row = 1; row <= 2; row <<= 1) {
        if (!(k.labelFlags & row)) continue;
        char degree[chord::ScaleNameSize] = {};
        if (row == 2) chord::GetScaleName(k.spellingRoot, n, 0, degree);
        const QString shown = Shown(row == 1 ? ShownNoteName(n, LabelSpelling(k)).c_str() : degree);
        const int width = p.fontMetrics().horizontalAdvance(shown);
        p.drawText(QPoint(centre - width / 2, top + k.ascent), shown);
        top += k.ascent;
    }
}

bool Touches(const QRect& area, int left, int right) { return right >= area.left() && left <= area.right(); }

// A white key's body and front edge, raised or pressed, drawn once per size
// and copied to every key.
QPixmap DrawWhiteKey(int w, int h, qreal ratio, bool down)
{
    QPixmap pixmap(std::max(1, int(w * ratio + 0.5)), std::max(1, int(h * ratio + 0.5)));
    pixmap.setDevicePixelRatio(ratio);
    QPainter p(&pixmap);
    const int bodyBottom = h - FrontHeight - (down ? PressedDepth : 0);
    QLinearGradient body(0, 0, 0, bodyBottom);
    if (down) {
        body.setColorAt(0, PressedBottom);
        body.setColorAt(0.1, PressedTop);
        body.setColorAt(1, PressedBottom);
        p.fillRect(QRect(0, 0, w, bodyBottom), body);
        p.fillRect(QRect(0, bodyBottom, w, PressedDepth), QColor(0x8e, 0xa6, 0xcc));
        p.fillRect(QRect(0, h - FrontHeight, w, FrontHeight), QColor(0xb8, 0xb8, 0xb8));
    } else {
        body.setColorAt(0, QColor(0xf4, 0xf4, 0xf4));
        body.setColorAt(0.12, Qt::white);
        body.setColorAt(1, QColor(0xee, 0xee, 0xee));
        p.fillRect(QRect(0, 0, w, bodyBottom), body);
        QLinearGradient front(0, bodyBottom, 0, h);
        front.setColorAt(0, QColor(0xe2, 0xe2, 0xe2));
        front.setColorAt(1, QColor(0xb4, 0xb4, 0xb4));
        p.fillRect(QRect(0, bodyBottom, w, FrontHeight), front);
    }
    return pixmap;
}

void DrawWhiteKeys(KeyPictures& k, int w, int h, qreal ratio)
{
    k.raised = DrawWhiteKey(w, h, ratio, false);
    k.pressed = DrawWhiteKey(w, h, ratio, true);
}

qreal RatioOf(const QPainter& p) { return p.device() ? p.device()->devicePixelRatioF() : 1.0; }

void PaintWhiteKeys(QPainter& p, const KeyboardPicture& k, const QRect& area)
{
    const Geometry& g = k.geometry;
    const int h = g.KeyAreaHeight();
    const int ww = g.WhiteWidth;
    if (ww <= 0 || h <= RailHeight) return;
    const int line = std::max(1, ww / 36);
    static KeyPictures white;
    const KeyPictures& pictures = Kept(white, ww, h - RailHeight, RatioOf(p), DrawWhiteKeys);
    const int keys = g.range.WhiteKeys();
    const int first = std::clamp((area.left() - WedgeWidth) / ww, 0, keys);
    const int last = std::clamp((area.right() + WedgeWidth) / ww, 0, keys - 1);
    for (int i = first; i <= last; ++i) {
        const NOTES n = g.WhiteKeyAt(i);
        const int x = i * ww;
        const bool down = k.Pressed(n);
        p.drawPixmap(x, RailHeight, down ? pictures.pressed : pictures.raised);
        p.fillRect(QRect(x, RailHeight, line, h - RailHeight), KeyLine);
        if (i == keys - 1) p.fillRect(QRect(x + ww, RailHeight, line, h - RailHeight), KeyLine);
        // A raised key casts its shadow on a pressed key beside it.
        const NOTES next = g.WhiteKeyAt(i + 1);
        if (down && next >= 0 && !k.Pressed(next)) {
            QLinearGradient wedge(x + ww - WedgeWidth, 0, x + ww, 0);
            wedge.setColorAt(0, QColor(0, 0, 0, 0));
            wedge.setColorAt(1, QColor(0, 0, 0, 70));
            p.fillRect(QRect(x + ww - WedgeWidth, RailHeight, WedgeWidth, h - RailHeight), wedge);
        }
        if (down) {
            DrawMarker(p, g.KeyCentre(n), h - FrontHeight, k.found.Has(PitchFromA(n)));
            DrawLabels(p, k, n);
        }
    }
}

void PaintBlackKeys(QPainter& p, const KeyboardPicture& k, const QRect& area)
{
    const Geometry& g = k.geometry;
    if (g.BlackWidth <= 0 || g.BlackHeight <= 0) return;
    static KeyPictures black;
    const KeyPictures& pictures = Kept(black, g.BlackWidth, g.BlackHeight, RatioOf(p), DrawBlackKeys);
    const int side = SideInset(g.BlackWidth);
    for (NOTES n = g.range.FirstNote; n <= g.range.LastNote(); ++n) {
        if (!IsBlackKey(n)) continue;
        const int x = g.KeyX(n);
        if (!Touches(area, x - side - 2 * g.CharWidth, x + g.BlackWidth + 2 * g.CharWidth)) continue;
        const bool down = k.Pressed(n);
        p.drawPixmap(x - side, 1, down ? pictures.shadowPressed : pictures.shadowRaised);
        p.drawPixmap(x, 0, down ? pictures.pressed : pictures.raised);
        if (down) {
            DrawMarker(p, g.KeyCentre(n), g.BlackHeight, k.found.Has(PitchFromA(n)));
            DrawLabels(p, k, n);
        }
    }
}

}  // namespace

SpellingContext LabelSpelling(const KeyboardPicture& k)
{
    if (k.spelling.root != NoNote || k.found.Empty()) return k.spelling;
    return PitchSetSpelling(k.found.Root(), k.found.Classes(), k.foundRootLetter);
}

void SetPictureChord(KeyboardPicture& picture, const chord& c)
{
    picture.pressed.reset();
    picture.pitchClasses = 0;
    for (NOTES n : c.notes) {
        if (n == NoNote) continue;
        if (n >= 0 && n < 256) picture.pressed.set(static_cast<std::size_t>(n));
        picture.pitchClasses |= 1u << PitchFromA(n);
    }
    if (c.key >= 0) {
        picture.spellingRoot = c.key % 12;
    } else {
        CHORD_FIND_BUF buf;
        char name[chord::ChordNameSize] = {};
        c.FindFirstName(name, buf);
        picture.spellingRoot = PitchSet::FromWord(buf.bits).Root();
    }
    picture.spelling = ChordSpelling(c);
}

void PaintKeyboard(QPainter& p, const KeyboardPicture& k, const QRect& area, const QPalette& palette)
{
    const Geometry& g = k.geometry;
    const int h = g.KeyAreaHeight();
    const int keysRight = g.range.WhiteKeys() * g.WhiteWidth + std::max(1, g.WhiteWidth / 36);
    if (g.LabelHeight > 0)
        p.fillRect(QRect(0, h, g.Width, g.LabelHeight).intersected(area), palette.color(QPalette::Window));
    if (keysRight < g.Width)
        p.fillRect(QRect(keysRight, 0, g.Width - keysRight, h).intersected(area), palette.color(QPalette::Window));
    p.setPen(palette.color(QPalette::WindowText));
    PaintWhiteKeys(p, k, area);
    p.setPen(palette.color(QPalette::WindowText));
    PaintBlackKeys(p, k, area);
    p.fillRect(QRect(0, 0, std::min(g.Width, keysRight), RailHeight).intersected(area), Qt::black);
    PaintFound(p, k);
}

void PaintFound(QPainter& p, const KeyboardPicture& k)
{
    if (k.found.Empty()) return;
    const Geometry& g = k.geometry;
    const int tonic = k.found.Root();
    const SpellingContext spelling = PitchSetSpelling(tonic, k.found.Classes(), k.foundRootLetter);
    for (NOTES n = g.range.FirstNote; n <= g.range.LastNote(); ++n) {
        const int pc = PitchFromA(n);
        if (!k.found.Has(pc)) continue;
        const QRect key = g.KeyRect(n);
        int left = key.left();
        int right = key.right() + 1;
        if (!IsBlackKey(n)) {
            // Only the part of a white key that its neighbours leave free.
            if (n > g.range.FirstNote) left = std::max(left, g.KeyRect(n - 1).right() + 1);
            if (n < g.range.LastNote()) right = std::min(right, g.KeyRect(n + 1).left());
        }
        const QPoint at((left + right - LabelStrips::CellWidth) / 2, key.top() + 20);
        LabelStrips::DrawCell(p, at, LabelStrips::ChooseCell(pc, tonic, k.showScaleNotes, (k.pitchClasses >> pc) & 1, spelling));
        if (k.foundOptional.Has(pc)) DrawFindResultMarker(p, at);
    }
}

#include "app/components/guitar/fingerboard_painter.h"

#include <QFont>
#include <QPainter>

#include "app/components/guitar/find_display.h"
#include "app/components/guitar/fingerboard_geometry.h"
#include "app/components/guitar/fingerboard_pictures.h"
#include "app/components/guitar/fingerboard_state.h"
#include "app/components/guitar/string_markers.h"
#include "core/theory/chord_spelling.h"
#include "core/theory/shown_notes.h"

namespace {

// Wires with one inlay dot in the space after them, and with two.
constexpr unsigned SingleInlays = 0x54154154;
constexpr unsigned DoubleInlays = 0x800800;

bool HasBit(unsigned mask, int f) { return f >= 0 && f < 32 && ((mask >> f) & 1); }

// A pattern tiled over rect from its top-left corner, so that every wire and
// string shows the same pattern wherever it lies.
void FillWithPattern(QPainter& painter, const QRect& rect, int pattern)
{
    const QPixmap& tile = FingerboardPicture::Pattern(pattern, painter.device()->devicePixelRatioF());
    painter.drawTiledPixmap(rect, tile);
}

void PaintWires(QPainter& painter, const FingerboardGeometry& g, int fretCount, const QRect& update)
{
    const qreal dpr = painter.device()->devicePixelRatioF();
    const QPixmap& inlay = FingerboardPicture::Icon(FingerboardPicture::Inlay, dpr);
    for (int f = 0; f < fretCount; ++f) {
        const QRect wire = g.WireRect(f);
        if (wire.intersects(update)) FillWithPattern(painter, wire, FingerboardPicture::FretWire);
        QRect dots[2];
        if (HasBit(SingleInlays, f)) dots[0] = g.InlayRect(f, 0);
        if (HasBit(DoubleInlays, f)) {
            dots[0] = g.InlayRect(f, -g.StringSpacing());
            dots[1] = g.InlayRect(f, g.StringSpacing());
        }
        for (const QRect& dot : dots)
            if (!dot.isNull() && dot.intersects(update)) painter.drawPixmap(dot.topLeft(), inlay);
    }
}

// Six strings: two plain, two light wound and two heavy wound. Any other
// instrument: all light wound.
void PaintStrings(QPainter& painter, const FingerboardGeometry& g, int stringCount, const QRect& update)
{
    for (int s = 0; s < stringCount; ++s) {
        int thickness = 2;
        int pattern = FingerboardPicture::WoundLight;
        if (stringCount == 6 && s < 2) {
            thickness = 1;
            pattern = FingerboardPicture::PlainString;
        } else if (stringCount == 6 && s >= 4) {
            thickness = 3;
            pattern = FingerboardPicture::WoundHeavy;
        }
        const QRect string = g.StringRect(s, thickness);
        if (string.intersects(update)) FillWithPattern(painter, string, pattern);
    }
}

// The key the spelling is written in: the chord's own, else the root of its
// first name.
NOTES SpellingRoot(const chord& played)
{
    if (played.key != NoNote) return PitchClass(played.key);
    CHORD_FIND_BUF search;
    char name[chord::ChordNameSize];
    played.FindFirstName(name, search);
    return static_cast<NOTES>(PitchSet::FromWord(search.bits).Root());
}

}  // namespace

void PaintLabelColumn(QPainter& painter, const FingerboardGeometry& g, const FingerboardState& state,
                      const LabelFont& labels)
{
    const QRect column = g.LabelColumn();
    if (column.isNull()) return;
    painter.fillRect(column, QColor(192, 192, 192));
    if (!g.Drawable()) return;
    const bool spelling = state.boardFlags & BoardFlag::ShowSpelling;
    const bool names = state.boardFlags & BoardFlag::ShowNotes;
    const NOTES root = spelling ? SpellingRoot(*state.played) : 0;
    const SpellingContext chordSpelling = names ? ChordSpelling(*state.played) : SpellingContext{};
    painter.setFont(*labels.font);
    painter.setPen(Qt::black);
    const int cw = labels.charWidth;
    for (int s = 0; s < state.stringCount; ++s) {
        const NOTES n = state.played->notes[s];
        if (n == NoNote) continue;
        // Centred on the string: the top of the text half an ascent above it.
        const int baseline = g.StringY(s) - labels.ascent / 2 + labels.ascent;
        if (spelling) {
            char text[chord::ScaleNameSize];
            chord::GetScaleName(root, n, 0, text);
            const QString spelled = QString::fromLatin1(text).trimmed();
            if (names) {
                // Right-aligned before the note name, so that a wide spelling
                // ("3b") keeps a gap.
                const int left = g.LabelTextX(0);
                const int width = g.LabelTextX(3 * cw - cw / 2) - left;
                const QRect cell(left, baseline - labels.ascent, width, 2 * labels.ascent);
                painter.drawText(cell, Qt::AlignRight | Qt::AlignTop, spelled);
            } else {
                painter.drawText(g.LabelTextX(cw / 2), baseline, spelled);
            }
        }
        if (names) {
            painter.drawText(g.LabelTextX(spelling ? 3 * cw : cw / 2), baseline,
                             QString::fromStdString(ShownNoteName(n, chordSpelling)));
        }
    }
}

void PaintMarkers(QPainter& painter, const FingerboardGeometry& g, const FingerboardState& state, const QRect& update)
{
    const qreal dpr = painter.device()->devicePixelRatioF();
    for (int s = 0; s < state.stringCount; ++s) {
        const StringMarker marker = MarkerOf(g, state, s);
        if (!marker.icon || marker.rect.isNull() || !marker.rect.intersects(update)) continue;
        painter.drawPixmap(marker.rect.topLeft(), FingerboardPicture::Icon(marker.icon, dpr));
        if (marker.findDot)
            painter.drawPixmap(marker.rect.topLeft(), FingerboardPicture::Icon(FingerboardPicture::FindDot, dpr));
    }
}

void PaintFingerboard(QPainter& painter, const FingerboardGeometry& g, const FingerboardState& state,
                      const LabelFont& labels, const QRect& update)
{
    painter.fillRect(update, FingerboardPicture::Wood());
    if (!g.Drawable()) return;
    if (g.LabelColumn().intersects(update)) PaintLabelColumn(painter, g, state, labels);
    if (state.stringCount == 0) return;  // no strings, no fingerboard to show
    PaintWires(painter, g, g.FretCount(), update);
    PaintStrings(painter, g, state.stringCount, update);
    if (state.capo > 0) {
        const QRect capo = g.CapoRect(state.capo);
        if (capo.intersects(update)) painter.fillRect(capo, Qt::black);
    }
    PaintFound(painter, g, state, update);
    PaintMarkers(painter, g, state, update);
}

#pragma once
// The small drawings on the cells of the floating tool palettes. Each glyph
// draws itself into a box with the painter's pen colour as its ink.

#include <QColor>
#include <QRectF>

class QPainter;

using GlyphPainter = void (*)(QPainter& painter, const QRectF& box, const QColor& ink);

namespace PaletteGlyph {
// Note values
void WholeNote(QPainter&, const QRectF&, const QColor&);
void HalfNote(QPainter&, const QRectF&, const QColor&);
void QuarterNote(QPainter&, const QRectF&, const QColor&);
void EighthNote(QPainter&, const QRectF&, const QColor&);
void SixteenthNote(QPainter&, const QRectF&, const QColor&);
void QuarterRest(QPainter&, const QRectF&, const QColor&);
// Accidentals
void Sharp(QPainter&, const QRectF&, const QColor&);
void Flat(QPainter&, const QRectF&, const QColor&);
void Natural(QPainter&, const QRectF&, const QColor&);
void DoubleSharp(QPainter&, const QRectF&, const QColor&);
void DoubleFlat(QPainter&, const QRectF&, const QColor&);
void NoAccidental(QPainter&, const QRectF&, const QColor&);
// Transposition
void ArrowUp(QPainter&, const QRectF&, const QColor&);
void ArrowDown(QPainter&, const QRectF&, const QColor&);
void DoubleArrowUp(QPainter&, const QRectF&, const QColor&);
void DoubleArrowDown(QPainter&, const QRectF&, const QColor&);
void ArrowsUpDown(QPainter&, const QRectF&, const QColor&);
// Playing
void Play(QPainter&, const QRectF&, const QColor&);
void Stop(QPainter&, const QRectF&, const QColor&);
void Pause(QPainter&, const QRectF&, const QColor&);
void Record(QPainter&, const QRectF&, const QColor&);
void Rewind(QPainter&, const QRectF&, const QColor&);
void Loop(QPainter&, const QRectF&, const QColor&);
// Levels (tall cells): level 1 to 5
void Level1(QPainter&, const QRectF&, const QColor&);
void Level2(QPainter&, const QRectF&, const QColor&);
void Level3(QPainter&, const QRectF&, const QColor&);
void Level4(QPainter&, const QRectF&, const QColor&);
void Level5(QPainter&, const QRectF&, const QColor&);
// Loudspeaker
void SpeakerMuted(QPainter&, const QRectF&, const QColor&);
void SpeakerLow(QPainter&, const QRectF&, const QColor&);
void SpeakerMedium(QPainter&, const QRectF&, const QColor&);
void SpeakerLoud(QPainter&, const QRectF&, const QColor&);
}  // namespace PaletteGlyph

// Text glyphs: letters and figures, fitted into the box.
enum class GlyphTextStyle { Letter, Small, Dynamic };
void PaintGlyphText(QPainter& painter, const QRectF& box, const QColor& ink, const char* text, GlyphTextStyle style);

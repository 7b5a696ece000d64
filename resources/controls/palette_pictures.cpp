// Bitmaps of the floating tool palettes (11-22) and their checked forms
// (2011-2022): a grid of raised cells, each with its glyph; the checked form
// shows every cell pressed in on the highlight colour.
#include <QPainter>

#include <array>
#include <span>

#include "resources/controls/control_bitmaps.h"
#include "resources/controls/palette_glyphs.h"
#include "resources/controls/picture_colours.h"

namespace {

struct CellArt {
    GlyphPainter paint = nullptr;  // null: text
    const char* text = nullptr;
    GlyphTextStyle style = GlyphTextStyle::Letter;
};

constexpr CellArt Text(const char* text, GlyphTextStyle style = GlyphTextStyle::Letter)
{
    return CellArt{nullptr, text, style};
}

struct PaletteArt {
    int id;
    PaletteArtSize size;
    std::span<const CellArt> cells;  // in cell order: down the columns
};

using namespace PaletteGlyph;
constexpr auto Small = GlyphTextStyle::Small;
constexpr auto Dynamic = GlyphTextStyle::Dynamic;

constexpr CellArt NoteValues[] = {{WholeNote}, {EighthNote}, {HalfNote}, {SixteenthNote}, {QuarterNote}, {QuarterRest}};
constexpr CellArt Accidentals[] = {{Sharp}, {DoubleSharp}, {Flat}, {DoubleFlat}, {Natural}, {NoAccidental}};
constexpr CellArt NoteLetters[] = {Text("C"), Text("D"), Text("E"), Text("F"), Text("G"), Text("A"), Text("B")};
constexpr CellArt Intervals[] = {Text("P1", Small), Text("TT", Small), Text("m2", Small), Text("P5", Small),
                                 Text("M2", Small), Text("m6", Small), Text("m3", Small), Text("M6", Small),
                                 Text("M3", Small), Text("m7", Small), Text("P4", Small), Text("M7", Small)};
constexpr CellArt ChordQualities[] = {Text("M", Small),   Text("7", Small),  Text("m", Small), Text("M7", Small),
                                      Text("dim", Small), Text("m7", Small), Text("+", Small), Text("sus", Small)};
constexpr CellArt Dynamics[] = {Text("pp", Dynamic), Text("mf", Dynamic), Text("p", Dynamic),
                                Text("f", Dynamic),  Text("mp", Dynamic), Text("ff", Dynamic)};
constexpr CellArt Transposition[] = {{ArrowUp},         {ArrowDown},    {DoubleArrowUp},
                                     {DoubleArrowDown}, {ArrowsUpDown}, Text("0")};
constexpr CellArt Playing[] = {{Play}, {Record}, {Stop}, {Rewind}, {Pause}, {Loop}};
constexpr CellArt Levels[] = {{Level1}, {Level2}, {Level3}, {Level4}, {Level5}};
constexpr CellArt Loudness[] = {{SpeakerMuted}, {SpeakerLow}, {SpeakerMedium}, {SpeakerLoud}};

constexpr PaletteArt Palettes[] = {
    {11, {20, 20, 3, 2}, NoteValues},    {13, {20, 20, 3, 2}, Accidentals},    {15, {20, 20, 7, 1}, NoteLetters},
    {16, {20, 20, 6, 2}, Intervals},     {17, {20, 20, 4, 2}, ChordQualities}, {18, {20, 20, 3, 2}, Dynamics},
    {19, {20, 20, 3, 2}, Transposition}, {20, {20, 20, 3, 2}, Playing},        {21, {20, 20, 4, 1}, Loudness},
    {22, {20, 40, 5, 1}, Levels},
};

const PaletteArt* FindArt(int id)
{
    for (const PaletteArt& art : Palettes)
        if (art.id == id) return &art;
    return nullptr;
}

void PaintCell(QPainter& painter, const QRect& cell, const CellArt& art, bool checked, const QPalette& palette)
{
    const QColor face = checked ? palette.color(QPalette::Highlight) : palette.color(QPalette::Button);
    const QColor ink = checked ? palette.color(QPalette::HighlightedText) : palette.color(QPalette::ButtonText);
    const QColor lit = checked ? face.darker(140) : MixColours(face, Qt::white, 0.6);
    const QColor shade = checked ? MixColours(face, Qt::white, 0.4) : MixColours(face, Qt::black, 0.35);

    painter.fillRect(cell, face);
    // Bevel: raised for a plain cell, pressed in for a checked one.
    const QRectF edge = QRectF(cell).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(lit, 1));
    painter.drawLine(edge.topLeft(), edge.topRight());
    painter.drawLine(edge.topLeft(), edge.bottomLeft());
    painter.setPen(QPen(shade, 1));
    painter.drawLine(edge.bottomLeft(), edge.bottomRight());
    painter.drawLine(edge.topRight(), edge.bottomRight());

    const QRectF box = QRectF(cell).adjusted(2, 2, -2, -2);
    if (art.paint)
        art.paint(painter, box, ink);
    else if (art.text)
        PaintGlyphText(painter, box, ink, art.text, art.style);
}

}  // namespace

PaletteArtSize PaletteArtSizeOf(int id)
{
    const PaletteArt* art = FindArt(id >= ControlBitmap::CheckedOffset ? id - ControlBitmap::CheckedOffset : id);
    return art ? art->size : PaletteArtSize{};
}

QPixmap PaintPaletteBitmap(int id, const QPalette& palette, qreal ratio)
{
    const bool checked = id >= ControlBitmap::CheckedOffset;
    const PaletteArt* art = FindArt(checked ? id - ControlBitmap::CheckedOffset : id);
    if (!art) return {};
    const PaletteArtSize& size = art->size;
    QPixmap pixmap(QSize(size.columns * size.cellWidth, size.rows * size.cellHeight) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(palette.color(QPalette::Button));
    QPainter painter(&pixmap);
    const int cells = size.columns * size.rows;
    for (int index = 0; index < cells; ++index) {
        const int column = index / size.rows;
        const int row = index % size.rows;
        const QRect cell(column * size.cellWidth, row * size.cellHeight, size.cellWidth, size.cellHeight);
        const CellArt blank{};
        PaintCell(painter, cell, index < static_cast<int>(art->cells.size()) ? art->cells[index] : blank, checked,
                  palette);
    }
    return pixmap;
}

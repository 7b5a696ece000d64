// The label cells of the Find display: which cell labels a pitch class, and
// that every cell is drawn, distinct and crisp at the screen's density.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <set>

#include "app/components/shared/label_strips.h"
#include "core/theory/chord.h"
#include "core/theory/chord_spelling.h"

namespace {

using namespace LabelStrips;

constexpr int A = 0, Bb = 1, C = 3, Db = 4, E = 7, Gb = 9, G = 10;

TEST(LabelStripsTest, CellFollowsTonicNamingAndChord)
{
    const int saved = chord::Config_Accidentals;
    chord::Config_Accidentals = 3;  // standard: F#, Bb, Eb, ...
    struct Case {
        int pc, tonic;
        bool names, inChord;
        Cell cell;
    } cases[] = {
        {C, C, false, false, {DegreesBlue, 0}},  // the tonic is degree 1
        {E, C, false, true, {DegreesRed, 4}},    // a major third, in the chord
        {A, C, false, false, {DegreesBlue, 9}},  // counting wraps past A
        {C, G, false, false, {DegreesBlue, 5}},  // C is the 4th of G
        {Gb, C, true, true, {SharpsRed, Gb}},    // named F#
        {Bb, C, true, false, {FlatsBlue, Bb}},   // named Bb
        {C, C, true, false, {FlatsBlue, C}},     // a natural note has a plain name
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseCell(c.pc, c.tonic, c.names, c.inChord), c.cell) << c.pc << " over " << c.tonic;
    chord::Config_Accidentals = 0;
    EXPECT_EQ(ChooseCell(Bb, C, true, false), (Cell{SharpsBlue, Bb}));
    chord::Config_Accidentals = 1;
    EXPECT_EQ(ChooseCell(Db, C, true, true), (Cell{FlatsRed, Db}));
    chord::Config_Accidentals = saved;

    EXPECT_EQ(CellText(DegreesRed, 1), QString::fromUtf8("\u266D2"));
    EXPECT_EQ(CellText(DegreesBlue, 8), QString::fromUtf8("\u266F5"));
    EXPECT_EQ(CellText(SharpsRed, Db), QString::fromUtf8("C\u266F"));
    EXPECT_EQ(CellText(FlatsBlue, Db), QString::fromUtf8("D\u266D"));
}

TEST(LabelStripsTest, AWhiteKeySpelledWithItsNeighboursLetterIsDrawnSo)
{
    const int saved = chord::Config_Accidentals;
    chord::Config_Accidentals = ByChordAccidentals;
    constexpr int B = 2, F = 8, LetterC = 2;
    constexpr unsigned MajorSteps[] = {0, 2, 4, 5, 7, 9, 11};
    const auto major = [&](int tonic) {
        unsigned classes = 0;
        for (unsigned step : MajorSteps) classes |= 1u << PitchClass(tonic + step);
        return PitchSetSpelling(tonic, classes, LetterC);
    };
    const SpellingContext cSharp = major(Db), cFlat = major(B);
    const struct {
        int pc;
        const SpellingContext& key;
        Cell cell;
        const char* text;
    } cases[] = {
        {F, cSharp, {SharpsRed, F, true}, "E\u266F"}, {C, cSharp, {SharpsRed, C, true}, "B\u266F"},
        {B, cFlat, {FlatsRed, B, true}, "C\u266D"},   {E, cFlat, {FlatsRed, E, true}, "F\u266D"},
        {Db, cFlat, {FlatsRed, Db}, "D\u266D"},  // a black key keeps its strip's cell
    };
    for (const auto& c : cases) {
        const Cell cell = ChooseCell(c.pc, c.key.root, true, true, c.key);
        EXPECT_EQ(cell, c.cell) << c.text;
        EXPECT_EQ(CellText(cell.strip, cell.index, cell.neighbourLetter), QString::fromUtf8(c.text));
        for (const qreal ratio : {1.0, 2.0}) {
            // Drawn unlike the plain letter of the same strip.
            const auto drawn = [&](Cell shown) {
                QImage image(QSize(CellWidth, CellHeight) * ratio, QImage::Format_ARGB32_Premultiplied);
                image.setDevicePixelRatio(ratio);
                image.fill(Qt::black);
                QPainter painter(&image);
                DrawCell(painter, QPoint(0, 0), shown);
                return image;
            };
            EXPECT_EQ(drawn(cell) != drawn({cell.strip, cell.index}), cell.neighbourLetter)
                << c.text << " at " << ratio;
        }
    }
    chord::Config_Accidentals = saved;
}

TEST(LabelStripsTest, StripsAreDrawnDistinctAtEveryDensity)
{
    for (const qreal ratio : {1.0, 2.0}) {
        for (const int strip : {DegreesBlue, DegreesRed, SharpsRed, SharpsBlue, FlatsRed, FlatsBlue}) {
            const QPixmap& pixmap = StripPixmap(strip, ratio);
            ASSERT_EQ(pixmap.size(), QSize(StripWidth * ratio, CellHeight * ratio));
            EXPECT_EQ(&pixmap, &StripPixmap(strip, ratio));  // kept, not drawn again
            const QImage image = pixmap.toImage();
            std::set<QByteArray> cells;
            for (int i = 0; i < CellCount; ++i) {
                const QImage cell = image.copy(i * CellWidth * ratio, 0, CellWidth * ratio, CellHeight * ratio);
                cells.insert(QByteArray(reinterpret_cast<const char*>(cell.constBits()), cell.sizeInBytes()));
                // White writing on the strip's colour, in the middle of the cell.
                int white = 0, coloured = 0;
                for (int y = 0; y < cell.height(); ++y)
                    for (int x = 0; x < cell.width(); ++x) {
                        const QColor px = cell.pixelColor(x, y);
                        if (px.red() > 230 && px.green() > 230 && px.blue() > 230) ++white;
                        if (IsRed(strip) ? px.red() > 150 && px.blue() < 80 : px.blue() > 150 && px.red() < 80)
                            ++coloured;
                    }
                EXPECT_GT(white, 4 * ratio * ratio) << strip << " cell " << i;
                EXPECT_GT(coloured, white) << strip << " cell " << i;
            }
            // Degrees 2 and b2 share a digit but not a picture; only the
            // names strips repeat a natural note between sharps and flats.
            EXPECT_EQ(cells.size(), std::size_t(CellCount)) << strip;
        }
    }
}

TEST(LabelStripsTest, CellIsCopiedAtThePainterDensity)
{
    QPixmap target(40 * 2, 30 * 2);
    target.setDevicePixelRatio(2.0);
    target.fill(Qt::black);
    {
        QPainter p(&target);
        DrawCell(p, QPoint(10, 5), {SharpsRed, 4});
    }
    const QImage drawn = target.toImage();
    const QImage expected =
        StripPixmap(SharpsRed, 2.0).toImage().copy(4 * CellWidth * 2, 0, CellWidth * 2, CellHeight * 2);
    const QColor corner = drawn.pixelColor(0, 0);
    EXPECT_EQ(corner, QColor(Qt::black));
    // The middle of the cell in device pixels is the strip's own pixel.
    EXPECT_EQ(drawn.pixelColor(20 + CellWidth, 10 + CellHeight), expected.pixelColor(CellWidth, CellHeight));
    EXPECT_EQ(drawn.pixelColor(18, 10), QColor(Qt::black));  // nothing left of the cell
}

}  // namespace

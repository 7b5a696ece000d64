// What the Keyboard draws: pressed keys, label rows, the Find display, and
// only the keys that change.
#include <gtest/gtest.h>

#include <QImage>

#include "app/components/shared/label_strips.h"
#include "core/services/profile.h"
#include "app/keyboard/keyboard_fixture.h"

namespace {

constexpr NOTES C = 51, D = 53, E = 55, Fs = 57, G = 58;

QImage Drawn(QWidget* w) { return w->grab().toImage().convertToFormat(QImage::Format_RGB32); }

bool Bluish(QColor c) { return c.blue() > c.red() + 20; }

// Pixels of the row band [top, top + height) under the key that differ from
// the strip's background.
int InkUnder(const QImage& image, const KeyboardLayout::Geometry& g, NOTES n, int top, int height)
{
    const QRect cell = g.LabelCell(n);
    const QColor paper = image.pixelColor(image.width() - 2, image.height() - 2);
    int ink = 0;
    for (int y = top; y < top + height; ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            if (image.pixelColor(x, y) != paper) ++ink;
    return ink;
}

TEST_F(KeyboardTest, PressedKeysAndTheirLabelRows)
{
    const KeyboardLayout::Geometry g = Geometry();
    const int ascent = g.LabelHeight / 3;
    const int strip = g.KeyAreaHeight();
    QImage empty = Drawn(keyboard);
    EXPECT_EQ(InkUnder(empty, g, C, strip, g.LabelHeight), 0);

    SetNotes({C, Fs, 80});  // 80 lies beyond the keys
    const QImage image = Drawn(keyboard);
    const int y = g.KeyAreaHeight() - 20;
    EXPECT_TRUE(Bluish(image.pixelColor(g.KeyCentre(C) - 4, y)));
    EXPECT_FALSE(Bluish(image.pixelColor(g.KeyCentre(D) - 4, y)));
    EXPECT_TRUE(Bluish(image.pixelColor(g.KeyCentre(Fs), 5 + g.BlackHeight / 3)));
    // A white key's name and spelling take the second and third rows, a
    // black key's the first and second.
    EXPECT_EQ(InkUnder(image, g, C, strip, ascent), 0);
    EXPECT_GT(InkUnder(image, g, C, strip + ascent, ascent), 0);
    EXPECT_GT(InkUnder(image, g, C, strip + 2 * ascent, ascent), 0);
    EXPECT_GT(InkUnder(image, g, Fs, strip, ascent), 0);
    EXPECT_GT(InkUnder(image, g, Fs, strip + ascent, ascent), 0);

    // A note off the keys after the range narrowed is kept and sounded but
    // nowhere drawn.
    keyboard->SetRange(C, 12);
    const QImage withOutsider = Drawn(keyboard);
    SetNotes({C, Fs});
    EXPECT_EQ(withOutsider, Drawn(keyboard));
    SetNotes({C, Fs, 80});
    capture->ClearMessages();
    QTest::keyClick(keyboard, Qt::Key_Space);
    EXPECT_EQ(NotesOn(), (std::vector<int>{48, 54, 77}));
}

TEST_F(KeyboardTest, OneKeyPressRepaintsOnlyThatKey)
{
    keyboard->repaint();
    keyboard->ForgetPaintedRegion();
    Click(E);
    QTest::qWait(20);
    const KeyboardLayout::Geometry g = Geometry();
    const QRegion allowed = QRegion(g.KeyRect(E)) + g.LabelCell(E);
    EXPECT_FALSE(keyboard->PaintedRegion().isEmpty());
    EXPECT_TRUE((keyboard->PaintedRegion() - allowed).isEmpty()) << keyboard->PaintedRegion().boundingRect().x();
}

TEST_F(KeyboardTest, FindDisplayShowsDegreesOrNamesRedInTheChord)
{
    // C major (pitch classes from A), tonic C.
    PitchSet cMajor(3, 0);
    for (int pc : {3, 5, 7, 8, 10, 0, 2}) cMajor = cMajor.With(pc);
    keyboard->Find.found = cMajor;
    SetNotes({C, E, G});
    const KeyboardLayout::Geometry g = Geometry();
    auto cellAt = [&](const QImage& image, NOTES n) {
        const QRect key = g.KeyRect(n);
        const int left = n == C ? key.left() : std::max(key.left(), g.KeyRect(n - 1).right() + 1);
        const int right = std::min(key.right() + 1, g.KeyRect(n + 1).left());
        return image.copy((left + right - LabelStrips::CellWidth) / 2 + 3, key.top() + 20 + 3, 10, 9);
    };
    auto stripCell = [](LabelStrips::Cell c) {
        return LabelStrips::StripPixmap(c.strip, 1.0)
            .toImage()
            .convertToFormat(QImage::Format_RGB32)
            .copy(c.index * LabelStrips::CellWidth + 3, 3, 10, 9);
    };
    QImage image = Drawn(keyboard);
    const int degrees[7] = {0, 2, 4, 5, 7, 9, 11};
    for (int i = 0; i < 7; ++i) {
        const NOTES n = C + degrees[i];
        const bool inChord = n == C || n == E || n == G;
        EXPECT_EQ(cellAt(image, n),
                  stripCell({inChord ? LabelStrips::DegreesRed : LabelStrips::DegreesBlue, degrees[i]}))
            << "degree " << i + 1;
    }
    // With ShowScaleNotes the same keys show their names.
    WritePrivateProfileString("Global", "ShowScaleNotes", "1", iniPath.c_str());
    image = Drawn(keyboard);
    EXPECT_EQ(cellAt(image, D), stripCell({LabelStrips::FlatsBlue, 5}));
    EXPECT_EQ(cellAt(image, E), stripCell({LabelStrips::FlatsRed, 7}));
    keyboard->Find.found = PitchSet();
    EXPECT_NE(cellAt(Drawn(keyboard), D), stripCell({LabelStrips::FlatsBlue, 5}));
}

}  // namespace

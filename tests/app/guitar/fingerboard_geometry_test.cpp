// Fingerboard geometry and drawing without a window.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "app/components/guitar/find_display.h"
#include "app/components/guitar/fingerboard_geometry.h"
#include "app/components/guitar/fingerboard_painter.h"
#include "app/components/guitar/fingerboard_pictures.h"
#include "app/components/guitar/fingerboard_state.h"
#include "app/components/guitar/string_markers.h"

namespace {

constexpr int CW = 7;

chord Tuned(std::initializer_list<NOTES> notes)
{
    chord c;
    int i = 0;
    for (NOTES n : notes) c.notes[i++] = n;
    return c;
}

// The fingerboard drawn into an image of `size` at pixel ratio dpr.
QImage Draw(const FingerboardGeometry& g, const FingerboardState& state, qreal dpr = 1)
{
    QImage image(QSize(g.Width(), g.Height()) * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    const QFont font = QGuiApplication::font();
    PaintFingerboard(painter, g, state, LabelFont{&font, CW, 10}, QRect(0, 0, g.Width(), g.Height()));
    return image;
}

// Colour at logical point p.
QColor At(const QImage& image, QPoint p) { return image.pixelColor(p * image.devicePixelRatio()); }

bool IsWood(const QColor& c) { return c == FingerboardPicture::Wood(); }

}  // namespace

TEST(FingerboardGeometry, FretsAndStringsLieWhereTheRulesPutThem)
{
    EXPECT_EQ(FretUnits(13), 12504);
    EXPECT_EQ(FretWidth(32), 209) << "a 32-fret neck continues the rule";
    EXPECT_EQ(FretUnits(33), 20154);

    // Labels: 3 characters each for notes and spelling; none: the nut 10 from the edge.
    EXPECT_EQ(FingerboardGeometry(QSize(800, 260), 6, 13, 0, CW).WireX(0), 10);
    EXPECT_EQ(FingerboardGeometry(QSize(800, 260), 6, 13, BoardFlag::ShowNotes, CW).LabelMargin(), 3 * CW);
    const FingerboardGeometry g(QSize(800, 260), 6, 13, BoardFlag::Default, CW);
    EXPECT_EQ(g.LabelMargin(), 6 * CW);
    EXPECT_EQ(g.StringSpacing(), 48);
    EXPECT_EQ(g.StringY(0), 10);
    EXPECT_EQ(g.StringY(5), 250);
    const int fretLength = 800 - 6 * CW - 10;
    EXPECT_EQ(g.WireX(1), 6 * CW + 10 + 1329 * fretLength / 12504);
    EXPECT_EQ(g.WireX(2), g.WireX(1) + 1254 * fretLength / 12504);

    // Hit test: up to 9 pixels past a wire still plays it.
    int fret = 0, string = 0;
    g.FretFromPoint(QPoint(g.WireX(3) + 9, 33), fret, string);
    EXPECT_EQ(fret, 3);
    EXPECT_EQ(string, 0) << "closer to string 0";
    g.FretFromPoint(QPoint(g.WireX(3) + 10, 35), fret, string);
    EXPECT_EQ(fret, 4);
    EXPECT_EQ(string, 1);
    g.FretFromPoint(QPoint(g.LabelMargin(), 400), fret, string);
    EXPECT_EQ(fret, 0);
    EXPECT_EQ(string, 5) << "below the last string is still the last string";
    g.FretFromPoint(QPoint(g.LabelMargin() - 1, 100), fret, string);
    EXPECT_EQ(fret, -1) << "the label column plays nothing";
    g.FretFromPoint(QPoint(g.WireX(12) + 10, 100), fret, string);
    EXPECT_EQ(fret, -1);
    int x = 0, y = 0;
    EXPECT_FALSE(g.FretPoint(13, 0, x, y));
    EXPECT_EQ(x, -1);
}

TEST(FingerboardGeometry, FewStringsAndSmallWindowsNeverDivideByZero)
{
    struct Case {
        const char* what;
        QSize size;
        int strings;
        bool drawable;
        int stringAt100;  // the string a click at y = 100 hits
    };
    const Case cases[] = {
        {"one string runs across the middle", {400, 200}, 1, true, 0},
        {"no strings: nothing to hit", {400, 200}, 0, true, -1},
        {"lower than 20 pixels: nothing", {400, 19}, 6, false, -1},
        {"strings on top of each other cannot be told apart", {400, 22}, 6, true, -1},
        {"twelve strings", {400, 240}, 12, true, 5},
    };
    for (const Case& c : cases) {
        for (int flags : {0, int(BoardFlag::LeftHanded)}) {
            const FingerboardGeometry g(c.size, c.strings, 13, flags, CW);
            EXPECT_EQ(g.Drawable(), c.drawable) << c.what;
            EXPECT_EQ(g.StringAt(100), c.stringAt100) << c.what;
            int fret = 0, string = 0;
            g.FretFromPoint(QPoint(c.size.width() / 2, 100), fret, string);
            EXPECT_EQ(string, c.stringAt100) << c.what;
            const chord tuning = Tuned({60, 55, 50, 45, 40, 35, 30, 25, 20, 15, 10, 5});
            const chord played = tuning;
            FingerboardState state{&tuning, &played, c.strings, 0, flags, false, PitchSet::FromWord(1 << 7), {}};
            const QImage image = Draw(g, state);  // must not crash
            EXPECT_TRUE(IsWood(At(image, QPoint(c.size.width() - 1, 0)))) << c.what;
        }
    }
    const FingerboardGeometry one(QSize(400, 200), 1, 13, 0, CW);
    EXPECT_EQ(one.StringY(0), 100);
}

TEST(FingerboardGeometry, LeftHandedBoardIsTheMirrorImage)
{
    const QSize size(640, 220);
    const FingerboardGeometry right(size, 6, 20, BoardFlag::Default, CW);
    const FingerboardGeometry left(size, 6, 20, BoardFlag::Default | BoardFlag::LeftHanded, CW);
    for (int x = 0; x < size.width(); x += 3) {
        for (int y = 0; y < size.height(); y += 17) {
            int rf = 0, rs = 0, lf = 0, ls = 0;
            right.FretFromPoint(QPoint(x, y), rf, rs);
            left.FretFromPoint(QPoint(size.width() - 1 - x, y), lf, ls);
            ASSERT_EQ(std::make_pair(rf, rs), std::make_pair(lf, ls)) << x << "," << y;
        }
    }
    auto mirrored = [&](const QRect& r) { return QRect(size.width() - r.right() - 1, r.top(), r.width(), r.height()); };
    EXPECT_EQ(left.WireRect(5), mirrored(right.WireRect(5)));
    EXPECT_EQ(left.MarkerRect(2, 5, false, 0), mirrored(right.MarkerRect(2, 5, false, 0)));
    EXPECT_EQ(left.CapoRect(3), mirrored(right.CapoRect(3)));
    EXPECT_EQ(left.LabelColumn(), mirrored(right.LabelColumn()));
    EXPECT_EQ(left.LabelColumn().right(), size.width() - 1) << "labels beside the nut, on the right";
}

TEST(FingerboardDrawing, WiresInlaysStringsCapoAndMarkers)
{
    const chord guitar = Tuned({67, 62, 58, 53, 48, 43});
    chord played = guitar;
    played.notes[1] = 66;      // fret 4
    played.notes[5] = NoNote;  // silent
    for (qreal dpr : {1.0, 2.0}) {
        const FingerboardGeometry g(QSize(800, 260), 6, 13, 0, CW);
        const FingerboardState state{&guitar, &played, 6, 3, 0, false, {}, {}};
        const QImage image = Draw(g, state, dpr);
        // Inlays after wires 2, 4, 6, 8 and two after wire 11; none after 3.
        for (int f : {2, 4, 6, 8}) EXPECT_FALSE(IsWood(At(image, g.InlayRect(f, 0).center()))) << f;
        EXPECT_TRUE(IsWood(At(image, g.InlayRect(3, 0).center())));
        EXPECT_FALSE(IsWood(At(image, g.InlayRect(11, -g.StringSpacing()).center())));
        EXPECT_FALSE(IsWood(At(image, g.InlayRect(11, g.StringSpacing()).center())));
        // The capo: black over the 10 pixels left of wire 3.
        EXPECT_EQ(At(image, QPoint(g.WireX(3) - 5, 5)), QColor(Qt::black));
        EXPECT_FALSE(IsWood(At(image, QPoint(g.WireX(7) + 2, 5)))) << "a fret wire";
        // Six strings: 1, 2 and 3 pixels by gauge.
        auto thickness = [&](int s) {
            int rows = 0;
            for (int y = g.StringY(s) - 4; y <= g.StringY(s) + 4; ++y)
                rows += !IsWood(At(image, QPoint(g.WireX(5) + 15, y)));
            return rows;
        };
        EXPECT_EQ(thickness(0), 1);
        EXPECT_EQ(thickness(2), 2);
        EXPECT_EQ(thickness(5), 3);
        // Markers: fretted just before wire 4, silent strings at the capo.
        const QRect fretted = MarkerOf(g, state, 1).rect;
        EXPECT_EQ(fretted, QRect(g.WireX(4) - 19, g.StringY(1) - 9, 20, 20));
        EXPECT_EQ(At(image, fretted.center()).value(), 12) << "the black disc";
        EXPECT_EQ(MarkerOf(g, state, 5).icon, FingerboardPicture::SilentMarker);
        EXPECT_EQ(MarkerOf(g, state, 5).rect.left(), g.WireX(3) - 9);
        EXPECT_EQ(MarkerOf(g, state, 0).icon, FingerboardPicture::FrettedMarker) << "open below the capo";
    }
    // Any other number of strings: every string 2 pixels.
    const chord bass = Tuned({46, 41, 36, 31});
    const FingerboardGeometry g(QSize(600, 200), 4, 13, 0, CW);
    const QImage image = Draw(g, FingerboardState{&bass, &bass, 4, 0, 0, false, {}, {}});
    for (int s = 0; s < 4; ++s) {
        int rows = 0;
        for (int y = g.StringY(s) - 4; y <= g.StringY(s) + 4; ++y)
            rows += !IsWood(At(image, QPoint(g.WireX(5) + 25, y)));
        EXPECT_EQ(rows, 2) << s;
    }
}

TEST(FingerboardDrawing, FindDisplayLabelsEveryFretFromTheCapoUp)
{
    const chord guitar = Tuned({67, 62, 58, 53, 48, 43});
    PitchSet cMajor(3, 0);  // tonic C
    for (int pc : {3, 5, 7, 8, 10, 0, 2}) cMajor = cMajor.With(pc);
    const FingerboardGeometry g(QSize(800, 260), 6, 13, 0, CW);
    FingerboardState state{&guitar, &guitar, 6, 3, 0, false, cMajor, {}};
    const QRegion cells = FoundRegion(g, state);
    EXPECT_EQ(cells.boundingRect().left(), g.WireX(3) - 4) << "the capo's cells a quarter cell up the neck";
    EXPECT_TRUE(cells.contains(QPoint(g.WireX(3), g.StringY(0)))) << "G at fret 3 of the E string";
    EXPECT_FALSE(cells.contains(QPoint(g.WireX(4), g.StringY(0)))) << "G# is not in C major";
    EXPECT_TRUE(cells.contains(QPoint(g.WireX(5), g.StringY(0) + 7)));
    const QImage image = Draw(g, state);
    EXPECT_FALSE(IsWood(At(image, QPoint(g.WireX(5) + 6, g.StringY(0) + 3)))) << "the A cell is drawn";
    EXPECT_TRUE(MarkerOf(g, state, 0).findDot) << "E is in C major";

    state.found = PitchSet();
    EXPECT_TRUE(FoundRegion(g, state).isEmpty());
    EXPECT_FALSE(MarkerOf(g, state, 0).findDot);
}

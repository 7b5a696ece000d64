// Chord boxes as the eye sees them: the dots on the right strings and frets
// with their finger numbers, the barre's arc, x and o, the nut or the
// position, on images at pixel ratios 1 and 2; the SVG files cantrel-cli
// writes draw the same picture; the Fingerings list shows them and Edit >
// Copy copies the chosen one.
#include <QClipboard>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QSvgRenderer>

#include <filesystem>

#include "app/commands/component_commands.h"
#include "app/components/guitar/chord_box_delegate.h"
#include "app/components/guitar/chord_box_painter.h"
#include "app/components/guitar/fingering_list.h"
#include "cli/cli_runner.h"
#include "core/theory/chord_box.h"
#include "core/theory/notes.h"
#include "guitar_fixture.h"
#include "support/listed_fingering.h"
#include "ui/system_clipboard.h"

using namespace ChordBoxLayout;

namespace {

const std::vector<NOTES> Standard = {67, 62, 58, 53, 48, 43};  // E2 A2 D3 G3 B3 E4 in slots 5..0

// Reads an image in box units, whatever its pixel ratio.
class BoxImage {
public:
    explicit BoxImage(QImage image) : image_(std::move(image)) {}
    // The pixels of `area`, and how many of them are dark (or light).
    QImage Crop(const QRectF& area) const
    {
        const qreal r = image_.devicePixelRatio();
        return image_.copy(QRect(QPoint(qFloor(area.left() * r), qFloor(area.top() * r)),
                                 QPoint(qCeil(area.right() * r) - 1, qCeil(area.bottom() * r) - 1)));
    }
    int Count(const QRectF& area, bool dark) const
    {
        const QImage crop = Crop(area);
        int count = 0;
        for (int y = 0; y < crop.height(); ++y)
            for (int x = 0; x < crop.width(); ++x)
                count += dark ? qGray(crop.pixel(x, y)) < 100 : qGray(crop.pixel(x, y)) > 200;
        return count;
    }
    // Something dark within `half` of (x, y): a thin line passing, a dot.
    bool DarkNear(double x, double y, double half = 0.6) const { return Count(Around(x, y, half), true) > 0; }
    static QRectF Around(double x, double y, double half) { return QRectF(x - half, y - half, 2 * half, 2 * half); }

private:
    QImage image_;
};

// The bass string (slot 5) on the left, for a left-handed player on the right.
double StringX(int slot, ChordBoxHand hand = ChordBoxHand::Right)
{
    return Left + (hand == ChordBoxHand::Left ? slot : 5 - slot) * StringGap;
}
double RowY(int row) { return Top + (row + 0.5) * FretGap; }  // the middle of fret row `row` from 0
constexpr double MarkY = Top - 7.5;

// Pixels that differ by more than a faint edge, between two pictures of one size.
int DifferentPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size()) return a.width() * a.height() + 1;
    int different = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) different += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 96;
    return different;
}

}  // namespace

TEST(ChordBoxes, DotsFingersBarresAndMarksWhereAGuitaristReadsThem)
{
    struct Box {
        const char* chord;
        const char* frets;
        int firstFret;  // of the top row; 1 under the nut
        const char* fingers;
        std::vector<int> barres;  // frets of barres across all six strings
        ChordBoxHand hand = ChordBoxHand::Right;
    };
    constexpr ChordBoxHand LeftHand = ChordBoxHand::Left;
    const Box table[] = {
        {"open C", "x 3 2 0 1 0", 1, "x 3 2 x 1 x", {}},
        {"F barre", "1 3 3 2 1 1", 1, "1 3 4 2 1 1", {1}},
        {"D, two silent strings", "x x 0 2 3 2", 1, "x x x 1 3 2", {}},
        {"A at the 5th fret", "5 7 7 6 5 5", 5, "1 3 4 2 1 1", {5}},
        // Mirrored: the bass on the right, the numbers and "5fr" still readable.
        {"open C, left-handed", "x 3 2 0 1 0", 1, "x 3 2 x 1 x", {}, LeftHand},
        {"A at the 5th fret, left-handed", "5 7 7 6 5 5", 5, "1 3 4 2 1 1", {5}, LeftHand},
    };
    for (qreal ratio : {1.0, 2.0}) {
        std::map<int, QImage> digit;         // one finger's number looks the same on every dot, either hand
        std::map<int, QImage> positionText;  // "5fr" likewise
        for (const Box& row : table) {
            SCOPED_TRACE(std::string(row.chord) + " at pixel ratio " + std::to_string(ratio));
            const Fingering fingering = ListedFingering(Standard, row.frets);
            const ChordBox box = DrawChordBox(fingering, 0, row.hand);
            const QImage picture = ChordBoxImage(box, 1, ratio);
            ASSERT_EQ(picture.width(), qCeil(box.width * ratio));
            const BoxImage image(picture);
            const auto frets = FretsFromText(row.frets), fingers = FretsFromText(row.fingers);

            for (int s = 0; s < 6; ++s) {
                const double x = StringX(s, row.hand);
                for (int r = 0; r < MinRows; ++r)
                    EXPECT_EQ(image.DarkNear(x - 3.2, RowY(r), 0.4), frets[s] == row.firstFret + r)
                        << "string " << s + 1 << " row " << r;
                if (frets[s] > 0) {
                    const double y = RowY(frets[s] - row.firstFret);
                    EXPECT_GT(image.Count(BoxImage::Around(x, y, 2.5), false), 0)
                        << "a number on the dot of string " << s + 1;
                    const QImage number = image.Crop(BoxImage::Around(x, y, 3));
                    if (digit.count(fingers[s])) {
                        EXPECT_EQ(number, digit[fingers[s]]) << "finger " << fingers[s] << " on string " << s + 1;
                    }
                    for (const auto& [other, shown] : digit) {
                        if (other != fingers[s]) {
                            EXPECT_NE(number, shown) << fingers[s] << " reads as " << other;
                        }
                    }
                    digit[fingers[s]] = number;
                }
                // x above a silent string, o above an open one, nothing above a fretted one.
                EXPECT_EQ(image.DarkNear(x, MarkY), frets[s] == NotPlayedFret) << "string " << s + 1;
                EXPECT_EQ(image.DarkNear(x + 2.5, MarkY), frets[s] == 0) << "string " << s + 1;
            }
            // The barre's arc rises over its row, between the outer strings.
            const double apexX = (StringX(5) + StringX(0)) / 2;
            const auto apexY = [&](int fret) { return Top + (fret - row.firstFret) * FretGap - 4.5; };
            for (int fret : row.barres) EXPECT_TRUE(image.DarkNear(apexX, apexY(fret))) << "an arc at fret " << fret;
            if (row.barres.empty()) {
                EXPECT_FALSE(image.DarkNear(apexX, apexY(row.firstFret))) << "no arc";
            }

            // The nut under the nut, else a thin line and the fret the box starts at.
            const bool atNut = row.firstFret == 1;
            EXPECT_EQ(image.DarkNear(Left + 5, Top + 1.5, 0.4), atNut);
            const QRectF position(0, RowY(0) - 4, Left - DotRadius - 1, 8);
            EXPECT_EQ(image.Count(position, true) > 0, !atNut) << "the 5fr label";
            if (!atNut) {
                if (positionText.count(row.firstFret)) {
                    EXPECT_EQ(image.Crop(position), positionText[row.firstFret]) << "the 5fr label reads alike";
                }
                positionText[row.firstFret] = image.Crop(position);
            }
        }
    }
}

TEST(ChordBoxes, TheSvgFilesOfTheCommandLineDrawTheListsPicture)
{
    ScratchDir scratch;
    const std::string ini = std::string(CANTREL_SOURCE_DIR) + "/data/cantrel.ini";
    struct Request {
        std::vector<std::string> notes;
        int capo;
        bool leftHanded = false;
    };
    // C, F (with its barres) for either hand, and D with the capo at 2 (boxes from the capo).
    const Request requests[] = {
        {{"C5", "E5", "G5"}, 0}, {{"F4", "A5", "C5"}, 0}, {{"F4", "A5", "C5"}, 0, true}, {{"D5", "F#5", "A6"}, 2}};
    int compared = 0;
    for (const Request& request : requests) {
        const std::string folder = scratch.File("boxes" + std::to_string(compared));
        std::vector<std::string> args = {
            "--ini", ini, "fingerings", "--count", "6", "--capo", std::to_string(request.capo)};
        args.insert(args.end(), request.notes.begin(), request.notes.end());
        const CliResult plain = RunCli(args);
        args.insert(args.begin() + 3, {"--svg", folder});
        if (request.leftHanded) args.insert(args.begin() + 3, "--left-handed");
        const CliResult drawn = RunCli(args);
        ASSERT_EQ(drawn.exitCode, 0) << drawn.err;
        EXPECT_EQ(drawn.out, plain.out) << "the listing stays as it is";

        chord tuning, wanted;
        std::copy(Standard.begin(), Standard.end(), tuning.notes);
        for (const std::string& word : request.notes) {
            NOTES n = NoNote;
            ASSERT_TRUE(ParseNote(word.c_str(), &n));
            wanted.AddNote(n);
        }
        const auto fingerings = RankedFingeringsFor(wanted, tuning, 13, request.capo, DefaultHandSpan, false, 6);
        ASSERT_EQ(fingerings.size(), 6u);
        ASSERT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 6);
        for (std::size_t i = 0; i < fingerings.size(); ++i) {
            const std::string file = folder + "/0" + std::to_string(i + 1) + ".svg";
            SCOPED_TRACE(file + ": " + FingeringText(fingerings[i]));
            QSvgRenderer svg(QString::fromStdString(file));
            ASSERT_TRUE(svg.isValid());
            const ChordBox box = DrawChordBox(fingerings[i], request.capo,
                                              request.leftHanded ? ChordBoxHand::Left : ChordBoxHand::Right);
            for (qreal ratio : {1.0, 2.0}) {
                const QImage list = ChordBoxImage(box, 1, ratio);
                QImage rendered(list.size(), QImage::Format_ARGB32_Premultiplied);
                rendered.fill(Qt::red);
                QPainter painter(&rendered);
                svg.render(&painter);
                painter.end();
                const int different = DifferentPixels(rendered, list);
                EXPECT_LE(different, list.width() * list.height() / 200) << "at pixel ratio " << ratio;
                ++compared;
            }
        }
    }
    EXPECT_EQ(compared, 48);
}

TEST_F(GuitarTest, TheFingeringsListShowsChordBoxesAndCopiesTheChosenOne)
{
    GuitarClient::Settings settings = guitar->CurrentSettings();
    settings.showFingerings = 1;
    guitar->ApplySettings(settings);
    SystemClipboard clipboard;
    SetClipboardAccess(&clipboard);

    chord f;
    for (NOTES n : {44, 51, 56, 60, 63, 68}) f.AddNote(n);  // F as the full barre sounds
    guitar->TakeChord(f);
    FingeringList* fingerings = guitar->Fingerings();
    QListWidget* list = fingerings->List();
    ASSERT_GE(list->count(), 3);
    ASSERT_EQ(fingerings->Boxes().size(), static_cast<std::size_t>(list->count()));

    // Each line shows its box, whole, drawn for the hand that frets, with its frets beside it.
    const auto showsBoxesFor = [&](ChordBoxHand hand) {
        QCoreApplication::processEvents();
        const QImage shown = list->viewport()->grab().toImage();
        for (int row = 0; row < 2; ++row) {
            const QRect line = list->visualItemRect(list->item(row));
            const ChordBox box = DrawChordBox(fingerings->Shown()[row], 0, hand);
            EXPECT_GE(line.height(), box.height) << "row " << row;
            const QImage expected = ChordBoxImage(box, 1, shown.devicePixelRatio());
            const QPoint at = (ChordBoxDelegate::BoxTopLeft(line) * shown.devicePixelRatio()).toPoint();
            EXPECT_EQ(DifferentPixels(shown.copy(QRect(at, expected.size())), expected), 0) << "row " << row;
        }
    };
    showsBoxesFor(ChordBoxHand::Right);
    EXPECT_GE(fingerings->width(), fingerings->PreferredWidth(guitar->StringCount));

    // Nothing chosen: Copy copies the chord's text alone.
    EXPECT_TRUE(guitar->Frame()->Command(ComponentCommand::Copy));
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasImage());

    // A clicked line is played and chosen: Copy gives its text and its box.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    EXPECT_TRUE(guitar->Frame()->Command(ComponentCommand::Copy));
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    char text[chord::TextFormSize];
    guitar->Chord.ToString(text, sizeof text);
    EXPECT_EQ(copied->text().toStdString(), text);
    ASSERT_TRUE(copied->hasImage());
    const QImage picture = qvariant_cast<QImage>(copied->imageData());
    EXPECT_EQ(DifferentPixels(picture.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                              ChordBoxImage(fingerings->Boxes()[1], FingeringList::CopyScale)),
              0);

    // Another chord: the list starts afresh and nothing is chosen.
    Type("\b");
    EXPECT_TRUE(guitar->Frame()->Command(ComponentCommand::Copy));
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasImage());

    // A left-handed board: the list and the copied picture are mirrored.
    settings.boardFlags |= BoardFlag::LeftHanded;
    guitar->ApplySettings(settings);
    guitar->TakeChord(f);
    showsBoxesFor(ChordBoxHand::Left);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    EXPECT_TRUE(guitar->Frame()->Command(ComponentCommand::Copy));
    const QImage mirrored = qvariant_cast<QImage>(QGuiApplication::clipboard()->mimeData()->imageData());
    EXPECT_EQ(DifferentPixels(
                  mirrored.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  ChordBoxImage(DrawChordBox(fingerings->Shown()[1], 0, ChordBoxHand::Left), FingeringList::CopyScale)),
              0);
    SetClipboardAccess(nullptr);
}

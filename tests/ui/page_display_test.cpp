// The page geometry: the letter page without a printer, a printer's own page,
// fonts sized for it, and the mapping onto the screen at each zoom step.
#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include <cmath>
#include <iterator>
#include <vector>

#include "ui/page_display.h"

namespace {

void ExpectLetterPage(const PageDisplay& page)
{
    EXPECT_EQ(page.PageDots(), QSize(2550, 3300));
    EXPECT_EQ(page.PageMillimetres(), QSize(216, 279));
    EXPECT_EQ(page.ResolutionX(), 300);
    EXPECT_EQ(page.ResolutionY(), 300);
    EXPECT_EQ(page.Margins(), QMargins(150, 150, 150, 150));
    EXPECT_EQ(page.Borders(), QSize(75, 75));
}

TEST(PageDisplayTest, LetterPageWithoutPrinterElseThePrintersOwnPage)
{
    PageDisplay page;
    ExpectLetterPage(page);  // before any printer is asked

    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setResolution(600);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    PageDisplay::Printer = &pdf;
    page.SetPageInfo();
    EXPECT_EQ(page.PageMillimetres(), QSize(210, 297));
    // Within a point (8 dots): page sizes are kept in points.
    EXPECT_NEAR(page.PageDots().width(), 210 * 600 / 25.4, 8);
    EXPECT_NEAR(page.PageDots().height(), 297 * 600 / 25.4, 8);
    EXPECT_EQ(page.ResolutionY(), 600);
    EXPECT_EQ(page.Margins(), QMargins(300, 300, 300, 300));
    EXPECT_EQ(page.Borders(), QSize(150, 150));

    PageDisplay::Printer = nullptr;
    page.SetPageInfo(nullptr);
    ExpectLetterPage(page);
    if (QPrinterInfo::defaultPrinter().isNull()) {
        page.SetPageInfo(&pdf);
        page.SetPageInfo();  // no printer in the settings, none on the system
        ExpectLetterPage(page);
    }
}

TEST(PageDisplayTest, FontsAreSizedInPageDots)
{
    PageDisplay page;
    struct Case {
        int points;
        bool symbol, italic, bold;
        int pixels;
    };
    const Case cases[] = {
        {12, false, false, false, 50},
        {72, false, true, true, 300},
        {10, true, false, true, 42},
        {0, false, false, false, 1},  // never an empty font
    };
    for (const Case& c : cases) {
        const QFont font = page.CreatePageFont("Serif", c.points, c.symbol, c.italic, c.bold);
        EXPECT_EQ(font.pixelSize(), c.pixels) << c.points;
        EXPECT_EQ(font.weight(), c.bold ? QFont::Bold : QFont::Normal);
        EXPECT_EQ(font.italic(), c.italic);
        EXPECT_EQ(font.styleStrategy() == QFont::NoFontMerging, c.symbol);
    }
}

TEST(PageDisplayTest, EachZoomStepAddsFifteenPerCentOfTheScreen)
{
    PageDisplay page;
    // The letter page with its borders is 2700 x 3450 dots: on a square
    // screen its height fills the share of the screen the zoom gives.
    const QSize screen(1000, 1000);
    const QPointF farCorner(2550 + 75, 3300 + 75);
    struct Case {
        int zoom;
        double height;
    };
    const Case cases[] = {{0, 500}, {1, 650}, {2, 800}, {-3, 50}, {-9, 50}, {1000, 9500}};
    for (const Case& c : cases) {
        const QTransform mapping = page.Mapping(screen, c.zoom);
        const QPointF corner = mapping.map(farCorner);
        EXPECT_NEAR(corner.y(), c.height, 1e-6) << c.zoom;
        EXPECT_NEAR(corner.x(), c.height * 2700 / 3450, 1e-6) << c.zoom;     // not stretched
        EXPECT_EQ(mapping.map(QPointF(-75, -75)), QPointF(0, 0)) << c.zoom;  // the border's corner
    }
    // No screen: nothing to scale to, and nothing divides by zero.
    EXPECT_TRUE(page.Mapping(QSize(0, 0), 0).isIdentity());
}

TEST(PageDisplayTest, DevicePointsRoundTripThroughPageUnits)
{
    PageDisplay page;
    QWidget window;
    window.resize(600, 400);
    QImage canvas(600, 400, QImage::Format_ARGB32);
    QPainter painter(&canvas);
    QRect rect(0, 0, 600, 400);
    page.SetMapping(painter, rect, 2);
    EXPECT_EQ(page.Zoom(), 2);
    EXPECT_EQ(rect.topLeft(), QPoint(-75, -75));
    EXPECT_GT(rect.width(), 600);  // a page dot is smaller than a screen pixel

    QPoint points[] = {{0, 0}, {1, 1}, {17, 230}, {599, 399}, {-20, 5}};
    const std::vector<QPoint> device(std::begin(points), std::end(points));
    page.DPtoLP(&window, points, 5);
    EXPECT_EQ(points[0], QPoint(-75, -75));
    page.LPtoDP(&window, points, 5);
    EXPECT_EQ(std::vector<QPoint>(std::begin(points), std::end(points)), device);
    page.DPtoLP(&window, nullptr, 5);  // nothing to convert
    page.LPtoDP(&window, points, 0);
    EXPECT_EQ(points[2], QPoint(17, 230));
}

}  // namespace

#include "ui/page_display.h"

#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

QPrinter* PageDisplay::Printer = nullptr;

namespace {

// a * b / c, rounded to the nearest; 0 when c is 0.
int MulDiv(int a, int b, int c)
{
    if (c == 0) return 0;
    return int(std::lround(double(a) * b / c));
}

QSize ScreenSizeOf(const QWidget* w)
{
    QScreen* screen = w && w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize();
}

}  // namespace

PageDisplay::PageDisplay() { UseLetterPage(); }

void PageDisplay::SetPageInfo()
{
    if (Printer) {
        SetPageInfo(Printer);
        return;
    }
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        SetPageInfo(nullptr);
        return;
    }
    const QPrinter printer(info, QPrinter::HighResolution);
    SetPageInfo(&printer);
}

void PageDisplay::SetPageInfo(const QPrinter* printer)
{
    if (!printer) {
        UseLetterPage();
        return;
    }
    const int dpi = printer->resolution();
    const QPageLayout layout = printer->pageLayout();
    const QRect dots = layout.fullRectPixels(dpi);
    const QRectF mm = layout.fullRect(QPageLayout::Millimeter);
    // A printer that reports no page would leave nothing to scale by.
    if (dpi <= 0 || dots.width() <= 0 || dots.height() <= 0) {
        UseLetterPage();
        return;
    }
    pageWidth_ = dots.width();
    pageHeight_ = dots.height();
    pageWidthMm_ = int(std::lround(mm.width()));
    pageHeightMm_ = int(std::lround(mm.height()));
    resolutionX_ = resolutionY_ = dpi;
    DeriveMargins();
}

void PageDisplay::UseLetterPage()
{
    pageWidth_ = 2550;
    pageHeight_ = 3300;
    pageWidthMm_ = 216;
    pageHeightMm_ = 279;
    resolutionX_ = resolutionY_ = 300;
    DeriveMargins();
}

void PageDisplay::DeriveMargins()
{
    // Half an inch of margin on every side, a quarter inch of border.
    marginLeft_ = marginRight_ = MulDiv(resolutionX_, 50, 100);
    marginTop_ = marginBottom_ = MulDiv(resolutionY_, 50, 100);
    borderX_ = MulDiv(resolutionX_, 25, 100);
    borderY_ = MulDiv(resolutionY_, 25, 100);
}

QFont PageDisplay::CreatePageFont(const QString& face, int points, bool symbol, bool italic, bool bold) const
{
    QFont font(face);
    font.setPixelSize(std::max(1, MulDiv(points, resolutionY_, 72)));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(italic);
    if (symbol) font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

QTransform PageDisplay::Mapping(QSize screen, int zoom) const
{
    zoom = std::clamp(zoom, MinZoom, MaxZoom);
    // The page with a border on each side, fitted without distortion into
    // (3 zoom + 10) / 20 of the screen.
    const double windowWidth = pageWidth_ + 2.0 * borderX_;
    const double windowHeight = pageHeight_ + 2.0 * borderY_;
    const double viewWidth = double(screen.width()) * (3 * zoom + 10) / 20;
    const double viewHeight = double(screen.height()) * (3 * zoom + 10) / 20;
    if (windowWidth <= 0 || windowHeight <= 0 || viewWidth <= 0 || viewHeight <= 0) return QTransform();
    const double scale = std::min(viewWidth / windowWidth, viewHeight / windowHeight);
    QTransform mapping;
    mapping.scale(scale, scale);
    mapping.translate(borderX_, borderY_);
    return mapping;
}

void PageDisplay::SetMapping(QPainter& painter, QRect& rect, int zoom)
{
    zoom_ = std::clamp(zoom, MinZoom, MaxZoom);
    const QTransform mapping = Mapping(ScreenSizeOf(dynamic_cast<const QWidget*>(painter.device())), zoom_);
    painter.setWorldTransform(mapping);
    rect = mapping.inverted().mapRect(rect);
}

QTransform PageDisplay::MappingFor(const QWidget* w) const { return Mapping(ScreenSizeOf(w), zoom_); }

void PageDisplay::DPtoLP(const QWidget* w, QPoint* points, int n) const
{
    if (!points || n <= 0) return;
    const QTransform toPage = MappingFor(w).inverted();
    std::transform(points, points + n, points, [&](QPoint p) { return toPage.map(p); });
}

void PageDisplay::LPtoDP(const QWidget* w, QPoint* points, int n) const
{
    if (!points || n <= 0) return;
    const QTransform toDevice = MappingFor(w);
    std::transform(points, points + n, points, [&](QPoint p) { return toDevice.map(p); });
}

#pragma once
// The geometry of the printed page and of its picture on the screen: the page
// size and resolution of the printer (the program's printer, else the
// system's default printer, else a 300 dpi letter page), fonts sized for it,
// and the mapping that draws the page, with a border round it, at a zoom
// level on the screen.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTransform>

class QFont;
class QPainter;
class QPrinter;
class QWidget;

class PageDisplay {
public:
    // Starts on the fixed letter page, so that nothing divides by zero
    // before the printer is asked.
    PageDisplay();

    // The printer of the program's print settings; null: the system's
    // default printer, when there is one.
    static QPrinter* Printer;

    // Zoom 0 shows the page half the screen high or wide; each step adds 15
    // per cent of the screen. Outside these the page would vanish or the
    // arithmetic overflow.
    static constexpr int MinZoom = -3;
    static constexpr int MaxZoom = 60;

    // Page size and resolution from the printer of the print settings.
    void SetPageInfo();
    // ... from this printer; null, or one that reports no page: the fixed
    // letter page of 2550 x 3300 dots, 216 x 279 mm at 300 dpi.
    void SetPageInfo(const QPrinter* printer);

    // A font `points` high on the page (in page units), bold or normal.
    // A symbol font draws only from its own face, never from a stand-in.
    QFont CreatePageFont(const QString& face, int points, bool symbol, bool italic, bool bold) const;

    // Maps the page onto `painter` at `zoom` for a screen of the painter's
    // device, and turns `rect` (device units) into page units.
    void SetMapping(QPainter& painter, QRect& rect, int zoom);
    // The same mapping for a screen of `screen` size.
    QTransform Mapping(QSize screen, int zoom) const;

    // Points of window w between its device units and page units, with the
    // mapping at the last zoom set.
    void DPtoLP(const QWidget* w, QPoint* points, int n) const;
    void LPtoDP(const QWidget* w, QPoint* points, int n) const;

    QSize PageDots() const { return {pageWidth_, pageHeight_}; }
    QSize PageMillimetres() const { return {pageWidthMm_, pageHeightMm_}; }
    int ResolutionX() const { return resolutionX_; }
    int ResolutionY() const { return resolutionY_; }
    // Margins of the page, in dots.
    QMargins Margins() const { return {marginLeft_, marginTop_, marginRight_, marginBottom_}; }
    QSize Borders() const { return {borderX_, borderY_}; }
    int Zoom() const { return zoom_; }

private:
    void UseLetterPage();
    void DeriveMargins();
    QTransform MappingFor(const QWidget* w) const;

    int pageWidth_ = 0, pageHeight_ = 0;
    int pageWidthMm_ = 0, pageHeightMm_ = 0;
    int marginLeft_ = 0, marginTop_ = 0, marginRight_ = 0, marginBottom_ = 0;
    int resolutionX_ = 0, resolutionY_ = 0;
    int zoom_ = 0;
    int borderX_ = 0, borderY_ = 0;
};

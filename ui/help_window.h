#pragma once
// The help window: one top-level browser over the HTML help pages, reused for
// every topic, with Back, Forward and Contents. It opens beside the program's
// main window, never over that window's menu bar, and comes to the front
// whenever a topic is asked for again. Asked for from a dialog, it belongs to
// that dialog while it is open: beside it, above it, and usable while the
// dialog holds the rest of the program.

#include <QPointer>
#include <QWidget>

#include "ui/help_viewer.h"

class QTextBrowser;
class QToolBar;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // The one help window of the run, created on first use.
    static HelpWindow* Instance();

    // The window help opens beside (the program's main window), and the part
    // of it that help must leave uncovered when there is no room beside it
    // (its menu bar).
    void SetAnchor(QWidget* anchor, QWidget* keepVisible);

    // Shows the page of the topic; false when the book has no page for it.
    bool ShowTopic(const std::string& book, int context);
    QString CurrentPage() const;
    QTextBrowser* Browser() const { return browser_; }

    // Where the help window goes for an anchor at `anchor` (frame, global),
    // keeping `reservedTop` pixels of its top free, on a screen whose free
    // area is `screen`, for a help window of `size`. When it does not fit
    // beside the anchor and `narrowest` is given, it narrows down to that to
    // stay beside it.
    static QRect PlaceBeside(const QRect& anchor, int reservedTop, const QRect& screen, const QSize& size,
                             int narrowest = 0);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HelpWindow();
    void ShowContents();
    // Beside the anchor when not shown yet, then to the front.
    void PlaceAndBring();
    void Bring();
    void MoveBeside(QWidget* anchor, int reservedTop, int narrowest);
    // Becomes the window of `dialog` until it closes.
    void ServeDialog(QWidget* dialog);
    void LeaveDialog();

    QTextBrowser* browser_;
    QToolBar* bar_;
    std::string book_;
    QPointer<QWidget> anchor_;
    QPointer<QWidget> keepVisible_;
    QPointer<QWidget> dialog_;
};

// The default viewer: shows topics in the help window.
class HelpWindowViewer : public HelpViewer {
public:
    void ShowHelp(const std::string& book, int context) override;
};

#include "ui/help_window.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

HelpWindow* HelpWindow::Instance()
{
    static HelpWindow* window = new HelpWindow;
    return window;
}

HelpWindow::HelpWindow() : QWidget(nullptr, Qt::Window)
{
    setObjectName("helpWindow");
    setWindowTitle(tr("Cantrel Studio Help"));
    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(true);
    bar_ = new QToolBar(this);
    QAction* back = bar_->addAction(tr("Back"), browser_, &QTextBrowser::backward);
    back->setObjectName("helpBack");
    back->setShortcut(QKeySequence::Back);
    back->setEnabled(false);
    QAction* forward = bar_->addAction(tr("Forward"), browser_, &QTextBrowser::forward);
    forward->setObjectName("helpForward");
    forward->setShortcut(QKeySequence::Forward);
    forward->setEnabled(false);
    bar_->addAction(tr("Contents"), this, &HelpWindow::ShowContents)->setObjectName("helpContents");
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar_);
    layout->addWidget(browser_);
    resize(560, 480);
}

void HelpWindow::SetAnchor(QWidget* anchor, QWidget* keepVisible)
{
    anchor_ = anchor;
    keepVisible_ = keepVisible;
}

QRect HelpWindow::PlaceBeside(const QRect& anchor, int reservedTop, const QRect& screen, const QSize& size)
{
    const int width = std::min(size.width(), screen.width());
    const int height = std::min(size.height(), screen.height());
    QRect r(0, 0, width, height);
    const int top = std::clamp(anchor.top(), screen.top(), screen.bottom() - height + 1);
    if (anchor.right() + width < screen.right() + 1) {
        r.moveTopLeft(QPoint(anchor.right() + 1, top));  // right of the window
    } else if (anchor.left() - width >= screen.left()) {
        r.moveTopLeft(QPoint(anchor.left() - width, top));  // left of it
    } else {
        // No room beside it: over its right part, below its menu bar.
        r.moveTopLeft(QPoint(screen.right() - width + 1, anchor.top() + reservedTop));
        r.setBottom(std::min(r.bottom(), screen.bottom()));
    }
    return r;
}

void HelpWindow::ShowContents() { ShowTopic(book_, 0); }

bool HelpWindow::ShowTopic(const std::string& book, int context)
{
    book_ = book;
    std::string page = HelpPageFor(book, context);
    if (page.empty()) {
        browser_->setHtml(tr("<p>There is no help page for topic %1.</p>").arg(context));
    } else {
        browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(page)));
    }
    QWindow* main = anchor_ ? anchor_->windowHandle() : nullptr;
    if (!isVisible() && main && anchor_->isVisible() && !main->isExposed()) {
        // The main window has just been shown: where a window manager puts
        // it, and how high its frame is, are known once it is on the screen.
        main->installEventFilter(this);
    } else {
        PlaceAndBring();
    }
    return !page.empty();
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Expose && anchor_ && watched == anchor_->windowHandle() &&
        anchor_->windowHandle()->isExposed()) {
        watched->removeEventFilter(this);
        PlaceAndBring();
    }
    return QWidget::eventFilter(watched, event);
}

void HelpWindow::PlaceAndBring()
{
    if (!isVisible() && anchor_) {
        QScreen* screen = anchor_->screen() ? anchor_->screen() : QGuiApplication::primaryScreen();
        const QRect frame = anchor_->frameGeometry();
        const int reservedTop =
            keepVisible_ ? keepVisible_->mapToGlobal(QPoint(0, keepVisible_->height())).y() - frame.top() : 0;
        const QRect placed = PlaceBeside(frame, reservedTop, screen->availableGeometry(), size());
        resize(placed.size());
        move(placed.topLeft());
    }
    Bring();
}

void HelpWindow::Bring()
{
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

QString HelpWindow::CurrentPage() const { return browser_->source().toLocalFile(); }

void HelpWindowViewer::ShowHelp(const std::string& book, int context)
{
    HelpWindow::Instance()->ShowTopic(book, context);
}

#include "ui/help_window.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

namespace {

constexpr int DefaultWidth = 560;
constexpr int DefaultHeight = 480;
// Beside a dialog it may narrow down to this rather than cover the dialog.
constexpr int NarrowestBesideDialog = 260;

}  // namespace

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
    resize(DefaultWidth, DefaultHeight);
}

void HelpWindow::SetAnchor(QWidget* anchor, QWidget* keepVisible)
{
    anchor_ = anchor;
    keepVisible_ = keepVisible;
}

QRect HelpWindow::PlaceBeside(const QRect& anchor, int reservedTop, const QRect& screen, const QSize& size,
                              int narrowest)
{
    const int width = std::min(size.width(), screen.width());
    const int height = std::min(size.height(), screen.height());
    QRect r(0, 0, width, height);
    const int top = std::clamp(anchor.top(), screen.top(), screen.bottom() - height + 1);
    const int roomRight = screen.right() - anchor.right();
    const int roomLeft = anchor.left() - screen.left();
    if (anchor.right() + width < screen.right() + 1) {
        r.moveTopLeft(QPoint(anchor.right() + 1, top));  // right of the window
    } else if (anchor.left() - width >= screen.left()) {
        r.moveTopLeft(QPoint(anchor.left() - width, top));  // left of it
    } else if (narrowest > 0 && std::max(roomLeft, roomRight) >= narrowest) {
        // Narrower, on the side with more room.
        r.setWidth(std::max(roomLeft, roomRight));
        r.moveTopLeft(QPoint(roomRight >= roomLeft ? anchor.right() + 1 : screen.left(), top));
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
    // A dialog holding the program (a modal one) is where the user is.
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog && dialog != this && dialog->isVisible()) {
        ServeDialog(dialog);
        return !page.empty();
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

void HelpWindow::ServeDialog(QWidget* dialog)
{
    if (dialog_ != dialog) {
        LeaveDialog();
        // Owned by the dialog, the window is not blocked by it, and the
        // window manager keeps it above it; whom a window belongs to is read
        // when it is shown.
        const bool shown = isVisible();
        if (shown) hide();
        winId();
        windowHandle()->setTransientParent(dialog->windowHandle());
        dialog_ = dialog;
        dialog->installEventFilter(this);
        MoveBeside(dialog, 0, NarrowestBesideDialog);
    }
    Bring();
}

void HelpWindow::LeaveDialog()
{
    if (!dialog_) return;
    dialog_->removeEventFilter(this);
    dialog_ = nullptr;
    if (!windowHandle()) return;
    // Shown again as a window of its own, where it is, without taking the
    // focus from the window the user goes back to.
    const bool shown = isVisible();
    if (shown) hide();
    windowHandle()->setTransientParent(nullptr);
    if (shown) {
        setAttribute(Qt::WA_ShowWithoutActivating, true);
        show();
        setAttribute(Qt::WA_ShowWithoutActivating, false);
    }
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == dialog_ && (event->type() == QEvent::Hide || event->type() == QEvent::Destroy)) {
        LeaveDialog();
        return QWidget::eventFilter(watched, event);
    }
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
        const int reservedTop = keepVisible_ ? keepVisible_->mapToGlobal(QPoint(0, keepVisible_->height())).y() -
                                                   anchor_->frameGeometry().top()
                                             : 0;
        MoveBeside(anchor_, reservedTop, 0);
    }
    Bring();
}

void HelpWindow::MoveBeside(QWidget* anchor, int reservedTop, int narrowest)
{
    QScreen* screen = anchor->screen() ? anchor->screen() : QGuiApplication::primaryScreen();
    // Beside a dialog it tries its full width again, however narrow it was.
    const QSize wanted = narrowest > 0 ? QSize(std::max(width(), DefaultWidth), height()) : size();
    const QRect placed =
        PlaceBeside(anchor->frameGeometry(), reservedTop, screen->availableGeometry(), wanted, narrowest);
    resize(placed.size());
    move(placed.topLeft());
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

#include "core/services/qt/help_window.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

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
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(560, 480);
}

bool HelpWindow::ShowTopic(const std::string& book, int context)
{
    std::string page = HelpPageFor(book, context);
    if (page.empty()) {
        browser_->setHtml(tr("<p>There is no help page for topic %1.</p>").arg(context));
    } else {
        browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(page)));
    }
    show();
    raise();
    activateWindow();
    return !page.empty();
}

QString HelpWindow::CurrentPage() const { return browser_->source().toLocalFile(); }

void HelpWindowViewer::ShowHelp(const std::string& book, int context)
{
    HelpWindow::Instance()->ShowTopic(book, context);
}

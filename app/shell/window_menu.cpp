#include "app/shell/window_menu.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>

namespace {

// The title as the user reads it: automatic titles end in a mark.
QString ShownTitle(const QMdiSubWindow* window)
{
    QString title = window->windowTitle();
    while (title.endsWith(QChar(0xA0))) title.chop(1);
    return title;
}

}  // namespace

WindowList::WindowList(QMenu* menu, QMdiArea* area) : menu_(menu), area_(area)
{
    QObject::connect(menu_, &QMenu::aboutToShow, menu_, [this] { Refresh(); });
}

void WindowList::Refresh()
{
    qDeleteAll(entries_);
    entries_.clear();
    delete separator_;
    separator_ = nullptr;
    const QList<QMdiSubWindow*> windows = area_->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty()) return;
    separator_ = menu_->addSeparator();
    QMdiSubWindow* active = area_->activeSubWindow();
    int number = 0;
    for (QMdiSubWindow* window : windows) {
        ++number;
        // The first nine answer to their digit.
        const QString text = number <= 9 ? QStringLiteral("&%1 %2").arg(number).arg(ShownTitle(window))
                                         : QStringLiteral("%1 %2").arg(number).arg(ShownTitle(window));
        QAction* entry = menu_->addAction(text);
        entry->setObjectName(QStringLiteral("window%1").arg(number));
        entry->setCheckable(true);
        entry->setChecked(window == active);
        entry->setStatusTip(QStringLiteral("Activates this window"));
        QMdiArea* area = area_;
        QObject::connect(entry, &QAction::triggered, area, [area, window = QPointer<QMdiSubWindow>(window)] {
            if (!window) return;
            if (window->isMinimized()) window->showNormal();
            area->setActiveSubWindow(window);
        });
        entries_ << entry;
    }
}

#pragma once
// The Window menu's list of the open component windows, as multiple-document
// programs keep it: numbered in the order they were opened, the active one
// checked; choosing one brings it forward (restored when minimised).

#include <QList>

class QAction;
class QMdiArea;
class QMenu;

class WindowList {
public:
    WindowList(QMenu* menu, QMdiArea* area);
    // Lists the windows open now, below the menu's own commands.
    void Refresh();
    const QList<QAction*>& Entries() const { return entries_; }

private:
    QMenu* menu_;
    QMdiArea* area_;
    QAction* separator_ = nullptr;
    QList<QAction*> entries_;
};

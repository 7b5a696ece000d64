#pragma once
// The Connections window: the one MDI child of the studio titled
// "Connections" that shows the studio as a graph (see ConnectionsView). While
// it is open, every change of components or links redraws it.

#include <QMdiSubWindow>

class ConnectionsView;
class mmMDIClient;

class LayoutWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    // Adds itself to studio, lays the icons out and shows itself.
    explicit LayoutWindow(mmMDIClient* studio);
    ~LayoutWindow() override;

    ConnectionsView* View() const { return view_; }

private:
    ConnectionsView* view_;
};

// The open Connections window, or null.
LayoutWindow* ConnectionsWindow();
// Opens the window into studio when it is closed, closes it when it is open.
// True when it is open afterwards.
bool ToggleConnectionsWindow(mmMDIClient* studio);

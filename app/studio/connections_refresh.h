#pragma once
// The Connections window recomputes its layout and repaints after every change
// of components or links. It installs its refresher while it is open.

#include <functional>

void SetConnectionsRefresher(std::function<void()> refresher);
// Recomputes and repaints the Connections window when it is open.
void RefreshConnections();

// The open Connections window installs how it comes above the component
// frames, which a studio just loaded lays over it.
void SetConnectionsRaiser(std::function<void()> raiser);
void RaiseConnectionsWindow();

// Holds refreshing back while a whole studio is loaded or closed, which would
// otherwise redraw the window once per component: the refreshes asked for
// meanwhile become one when the last hold ends.
class ConnectionsRefreshHold {
public:
    ConnectionsRefreshHold();
    ~ConnectionsRefreshHold();
    ConnectionsRefreshHold(const ConnectionsRefreshHold&) = delete;
    ConnectionsRefreshHold& operator=(const ConnectionsRefreshHold&) = delete;
};

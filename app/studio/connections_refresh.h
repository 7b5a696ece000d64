#pragma once
// The Connections window recomputes its layout and repaints after every change
// of components or links. It installs its refresher while it is open.

#include <functional>

void SetConnectionsRefresher(std::function<void()> refresher);
// Recomputes and repaints the Connections window when it is open.
void RefreshConnections();

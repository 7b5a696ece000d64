#include "app/studio/connections_refresh.h"

namespace {
std::function<void()>& Refresher()
{
    static std::function<void()> refresher;
    return refresher;
}

int holds = 0;
bool held = false;  // a refresh was asked for during a hold
}  // namespace

void SetConnectionsRefresher(std::function<void()> refresher) { Refresher() = std::move(refresher); }

void RefreshConnections()
{
    if (holds > 0) {
        held = true;
        return;
    }
    if (Refresher()) Refresher()();
}

ConnectionsRefreshHold::ConnectionsRefreshHold() { ++holds; }

ConnectionsRefreshHold::~ConnectionsRefreshHold()
{
    if (--holds > 0 || !held) return;
    held = false;
    RefreshConnections();
}

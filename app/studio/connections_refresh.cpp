#include "app/studio/connections_refresh.h"

#include <utility>

namespace {
std::function<void()>& Refresher()
{
    static std::function<void()> refresher;
    return refresher;
}

std::function<void()>& Raiser()
{
    static std::function<void()> raiser;
    return raiser;
}

int holds = 0;
bool held = false;  // a refresh was asked for during a hold
}  // namespace

void SetConnectionsRefresher(std::function<void()> refresher) { Refresher() = std::move(refresher); }

void SetConnectionsRaiser(std::function<void()> raiser) { Raiser() = std::move(raiser); }

void RaiseConnectionsWindow()
{
    if (Raiser()) Raiser()();
}

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

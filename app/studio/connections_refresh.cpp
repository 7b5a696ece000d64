#include "app/studio/connections_refresh.h"

namespace {
std::function<void()>& Refresher()
{
    static std::function<void()> refresher;
    return refresher;
}
}  // namespace

void SetConnectionsRefresher(std::function<void()> refresher) { Refresher() = std::move(refresher); }

void RefreshConnections()
{
    if (Refresher()) Refresher()();
}

#include "app/studio/connections/layout_window.h"

#include <algorithm>

#include "app/studio/connections/component_icons.h"
#include "app/studio/connections/connections_view.h"
#include "app/studio/connections_refresh.h"
#include "app/commands/help_topics.h"
#include "app/studio/mm_mdi_client.h"

namespace {

LayoutWindow* connectionsWindow = nullptr;

// The area puts a new window where it covers the others least, which may be
// past its edges; it has no scroll bars to reach it there.
void KeepInside(QMdiSubWindow* window, const QSize& area)
{
    if (window->isMaximized() || area.isEmpty()) return;
    QRect place = window->geometry();
    place.setSize(place.size().boundedTo(area));
    place.moveLeft(std::clamp(place.x(), 0, area.width() - place.width()));
    place.moveTop(std::clamp(place.y(), 0, area.height() - place.height()));
    window->setGeometry(place);
}

}  // namespace

LayoutWindow* ConnectionsWindow() { return connectionsWindow; }

LayoutWindow::LayoutWindow(mmMDIClient* studio) : view_(new ConnectionsView)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("connectionsWindow"));
    setWindowTitle(QStringLiteral("Connections"));
    setWindowIcon(ComponentIcon(ConnectionsPicture::WindowIcon));
    setWidget(view_);
    connectionsWindow = this;
    SetConnectionsRefresher([this] { view_->Refresh(); });
    SetConnectionsRaiser([this] { raise(); });
    // Active, the window is the studio's help topic.
    connect(studio, &QMdiArea::subWindowActivated, this, [this, studio](QMdiSubWindow* window) {
        if (window == this) studio->HelpContext = HelpTopic::ConnectionsWindow;
    });
    studio->addSubWindow(this);
    resize(420, 300);
    show();
    KeepInside(this, studio->viewport()->size());
    view_->setFocus();
}

LayoutWindow::~LayoutWindow()
{
    // A rename still open is ended by the view as Enter would.
    SetConnectionsRefresher({});
    SetConnectionsRaiser({});
    if (connectionsWindow == this) connectionsWindow = nullptr;
}

bool ToggleConnectionsWindow(mmMDIClient* studio)
{
    if (connectionsWindow) {
        delete connectionsWindow;
        return false;
    }
    if (!studio) return false;
    new LayoutWindow(studio);
    return true;
}

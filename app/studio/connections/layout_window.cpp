#include "app/studio/connections/layout_window.h"

#include "app/studio/connections/component_icons.h"
#include "app/studio/connections/connections_view.h"
#include "app/studio/connections_refresh.h"
#include "app/studio/help_topics.h"
#include "app/studio/mm_mdi_client.h"

namespace {
LayoutWindow* connectionsWindow = nullptr;
}

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
    // Active, the window is the studio's help topic.
    connect(studio, &QMdiArea::subWindowActivated, this, [this, studio](QMdiSubWindow* window) {
        if (window == this) studio->HelpContext = HelpTopic::ConnectionsWindow;
    });
    studio->addSubWindow(this);
    resize(420, 300);
    show();
    view_->setFocus();
}

LayoutWindow::~LayoutWindow()
{
    // A rename still open is ended by the view as Enter would.
    SetConnectionsRefresher({});
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

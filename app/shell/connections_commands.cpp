#include "app/shell/connections_commands.h"

#include <QAction>

#include "app/shell/main_frame.h"
#include "app/commands/shell_commands.h"
#include "core/studio/component_layout.h"
#include "core/studio/component_node.h"
#include "app/studio/connections/layout_window.h"
#include "app/studio/connections_refresh.h"

void SetAllPositioning(bool manual)
{
    // Manual icons stay where the layout has them now, even when the window
    // has not been open to lay them out.
    if (manual) RecomputeLayout();
    for (ComponentNode* n = FirstComponent(); n; n = n->Next) n->ManualPosition = manual ? 1 : 0;
    RefreshConnections();
}

void InstallConnectionsCommands(mmMainFrame* frame)
{
    QAction* toggle = frame->Actions().Action(ShellCommand::Connections);
    toggle->setCheckable(true);
    auto showState = [toggle] {
        toggle->setChecked(ConnectionsWindow() != nullptr);
        // However the window closes, the check mark follows.
        if (LayoutWindow* window = ConnectionsWindow())
            QObject::connect(window, &QObject::destroyed, toggle, [toggle] { toggle->setChecked(false); });
    };
    frame->SetCommandHandler(ShellCommand::Connections, [frame, showState] {
        ToggleConnectionsWindow(frame->StudioClient());
        showState();
    });
    frame->SetCommandHandler(ShellCommand::AutomaticPositioning, [] { SetAllPositioning(false); });
    frame->SetCommandHandler(ShellCommand::ManualPositioning, [] { SetAllPositioning(true); });
    showState();
}

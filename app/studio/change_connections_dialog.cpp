#include "app/studio/change_connections_dialog.h"

#include <QApplication>

#include "core/studio/component_links.h"
#include "core/studio/component_node.h"
#include "app/studio/connections_dialog.h"

const char* const PassInAndOutThrough = "Pass In and Out Through";

void RunConnectionsDialog(ComponentNode* c, ConnectionsDialogMaker make)
{
    std::unique_ptr<ConnectionsDialog> dialog = make(QApplication::activeWindow(), c);
    if (dialog->exec() == QDialog::Accepted) dialog->Apply();
}

std::unique_ptr<ConnectionsDialog> MakeChangeConnectionsDialog(QWidget* parent, ComponentNode* c)
{
    using Side = ConnectionsDialog::Side;
    auto dialog =
        std::make_unique<ConnectionsDialog>(parent, 5004, c, 103, QString::fromUtf8(PassInAndOutThrough), false);
    // A component without an input (a Player) shows only its output: neither
    // an input to choose nor a switch passing it through.
    if (c->InputCount > 0)
        dialog->AddPortList(101, QStringLiteral("Component Connected to Input"), Side::Input, 0);
    else
        dialog->HidePassThroughSwitch();
    dialog->AddPortList(102, QStringLiteral("Component Connected to Output"), Side::Output, 0);
    dialog->Finish();
    return dialog;
}

void RunChangeConnectionsDialog(ComponentNode* c) { RunConnectionsDialog(c, MakeChangeConnectionsDialog); }

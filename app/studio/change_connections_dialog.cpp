#include "app/studio/change_connections_dialog.h"

#include <QApplication>

#include "core/studio/component_links.h"
#include "core/studio/component_node.h"
#include "app/studio/connections_dialog.h"
#include "app/studio/connections_refresh.h"

const char* const PassInAndOutThrough = "Pass In and Out Through";

void RunConnectionsDialog(ComponentNode* c, ConnectionsDialogMaker make, ConnectionsDialogApplier apply)
{
    std::unique_ptr<ConnectionsDialog> dialog = make(QApplication::activeWindow(), c);
    if (dialog->exec() == QDialog::Accepted) apply(*dialog, c);
}

std::unique_ptr<ConnectionsDialog> MakeChangeConnectionsDialog(QWidget* parent, ComponentNode* c)
{
    auto dialog = std::make_unique<ConnectionsDialog>(parent, 5004, 103, QString::fromUtf8(PassInAndOutThrough), false, c->PassThrough != 0);
    dialog->AddComponentList(101, QStringLiteral("Component Connected to Input"), LastInputOf(c));
    dialog->AddComponentList(102, QStringLiteral("Component Connected to Output"), LastOutputOf(c));
    dialog->Finish();
    return dialog;
}

void ApplyChangeConnections(const ConnectionsDialog& dialog, ComponentNode* c)
{
    ComponentNode* input = dialog.Chosen(101);
    ComponentNode* output = dialog.Chosen(102);
    Unlink(LastInputOf(c), c);
    Unlink(c, LastOutputOf(c));
    Connect(input, 0, c, 0);
    Connect(c, 0, output, 0);
    c->PassThrough = dialog.PassThroughChosen() ? 1 : 0;
    RefreshConnections();
}

void RunChangeConnectionsDialog(ComponentNode* c) { RunConnectionsDialog(c, MakeChangeConnectionsDialog, ApplyChangeConnections); }

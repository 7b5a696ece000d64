#include "app/components/splitter/splitter_connections_dialog.h"

#include "app/studio/change_connections_dialog.h"
#include "core/studio/component_links.h"
#include "core/studio/component_node.h"
#include "app/studio/connections_dialog.h"

std::unique_ptr<ConnectionsDialog> MakeSplitterConnectionsDialog(QWidget* parent, ComponentNode* c)
{
    using Side = ConnectionsDialog::Side;
    auto dialog =
        std::make_unique<ConnectionsDialog>(parent, 5006, c, 104, QString::fromUtf8(PassInAndOutThrough), false);
    dialog->AddPortList(102, QStringLiteral("Component Connected to Input"), Side::Input, 0);
    dialog->AddPortList(101, QStringLiteral("Component on Output 1"), Side::Output, 0);
    dialog->AddPortList(103, QStringLiteral("Component on Output 2"), Side::Output, 1);
    dialog->Finish();
    return dialog;
}

void RunSplitterConnectionsDialog(ComponentNode* c) { RunConnectionsDialog(c, MakeSplitterConnectionsDialog); }

#include "app/components/splitter_connections_dialog.h"

#include "app/studio/change_connections_dialog.h"
#include "core/studio/component_links.h"
#include "core/studio/component_node.h"
#include "app/studio/connections_dialog.h"
#include "app/studio/connections_refresh.h"

std::unique_ptr<ConnectionsDialog> MakeSplitterConnectionsDialog(QWidget* parent, ComponentNode* c)
{
    auto dialog = std::make_unique<ConnectionsDialog>(parent, 5006, 104, QString::fromUtf8(PassInAndOutThrough), false, c->PassThrough != 0);
    dialog->AddComponentList(102, QStringLiteral("Component Connected to Input"), LastInputOf(c));
    dialog->AddComponentList(101, QStringLiteral("Component on Output 1"), NthOutputOf(c, 0));
    dialog->AddComponentList(103, QStringLiteral("Component on Output 2"), NthOutputOf(c, 1));
    dialog->Finish();
    return dialog;
}

void ApplySplitterConnectionsDialog(const ConnectionsDialog& dialog, ComponentNode* c)
{
    ComponentNode* input = dialog.Chosen(102);
    ComponentNode* output1 = dialog.Chosen(101);
    ComponentNode* output2 = dialog.Chosen(103);
    ComponentNode* oldInput = LastInputOf(c);
    ComponentNode* oldOutput1 = NthOutputOf(c, 0);
    ComponentNode* oldOutput2 = NthOutputOf(c, 1);
    Unlink(oldInput, c);
    Unlink(c, oldOutput1);
    Unlink(c, oldOutput2);
    Connect(input, 0, c, 0);
    Connect(c, 0, output1, 0);
    Connect(c, 1, output2, 0);
    c->PassThrough = dialog.PassThroughChosen() ? 1 : 0;
    RefreshConnections();
}

void RunSplitterConnectionsDialog(ComponentNode* c)
{
    RunConnectionsDialog(c, MakeSplitterConnectionsDialog, ApplySplitterConnectionsDialog);
}

#include "app/components/joiner_connections_dialog.h"

#include "app/studio/change_connections_dialog.h"
#include "core/studio/component_links.h"
#include "core/studio/component_node.h"
#include "app/studio/connections_dialog.h"
#include "app/studio/connections_refresh.h"

std::unique_ptr<ConnectionsDialog> MakeJoinerConnectionsDialog(QWidget* parent, ComponentNode* c)
{
    auto dialog = std::make_unique<ConnectionsDialog>(parent, 5005, 104,
                                                      QStringLiteral("Merge All Chords|Pass In and Out Through"),
                                                      true, c->PassThrough != 0);
    dialog->AddComponentList(101, QStringLiteral("Component on Input 1"), NthInputOf(c, 0));
    dialog->AddComponentList(103, QStringLiteral("Component on Input 2"), NthInputOf(c, 1));
    dialog->AddComponentList(102, QStringLiteral("Component Connected to Output"), LastOutputOf(c));
    dialog->Finish();
    return dialog;
}

void ApplyJoinerConnectionsDialog(const ConnectionsDialog& dialog, ComponentNode* c)
{
    ComponentNode* input1 = dialog.Chosen(101);
    ComponentNode* input2 = dialog.Chosen(103);
    ComponentNode* output = dialog.Chosen(102);
    ComponentNode* oldInput1 = NthInputOf(c, 0);
    ComponentNode* oldInput2 = NthInputOf(c, 1);
    ComponentNode* oldOutput = LastOutputOf(c);
    Unlink(oldInput1, c);
    Unlink(oldInput2, c);
    Unlink(c, oldOutput);
    Connect(input1, 0, c, 0);
    Connect(input2, 0, c, 1);
    Connect(c, 0, output, 0);
    c->PassThrough = dialog.PassThroughChosen() ? 1 : 0;
    RefreshConnections();
}

void RunJoinerConnectionsDialog(ComponentNode* c)
{
    RunConnectionsDialog(c, MakeJoinerConnectionsDialog, ApplyJoinerConnectionsDialog);
}

#include "app/components/joiner/joiner_connections_dialog.h"

#include "app/studio/change_connections_dialog.h"
#include "core/studio/component_links.h"
#include "core/studio/component_node.h"
#include "app/studio/connections_dialog.h"

std::unique_ptr<ConnectionsDialog> MakeJoinerConnectionsDialog(QWidget* parent, ComponentNode* c)
{
    using Side = ConnectionsDialog::Side;
    auto dialog = std::make_unique<ConnectionsDialog>(parent, 5005, c, 104,
                                                      QStringLiteral("Merge All Chords|Pass In and Out Through"), true);
    dialog->AddPortList(101, QStringLiteral("Component on Input 1"), Side::Input, 0);
    dialog->AddPortList(103, QStringLiteral("Component on Input 2"), Side::Input, 1);
    dialog->AddPortList(102, QStringLiteral("Component Connected to Output"), Side::Output, 0);
    dialog->Finish();
    return dialog;
}

void RunJoinerConnectionsDialog(ComponentNode* c) { RunConnectionsDialog(c, MakeJoinerConnectionsDialog); }

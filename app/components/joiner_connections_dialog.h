#pragma once
// The Joiner's Change Connections dialog (5005). On OK it replaces the Joiner's
// links with the chosen ones (the studio is not marked modified).

#include <memory>

class ComponentNode;
class ConnectionsDialog;
class QWidget;

std::unique_ptr<ConnectionsDialog> MakeJoinerConnectionsDialog(QWidget* parent, ComponentNode* c);
void ApplyJoinerConnectionsDialog(const ConnectionsDialog& dialog, ComponentNode* c);
void RunJoinerConnectionsDialog(ComponentNode* c);

#pragma once
// The Joiner's Change Connections dialog (5005): each of its two inputs and
// its output. On OK it links the ports whose choice was changed (the studio
// is not marked modified).

#include <memory>

class ComponentNode;
class ConnectionsDialog;
class QWidget;

std::unique_ptr<ConnectionsDialog> MakeJoinerConnectionsDialog(QWidget* parent, ComponentNode* c);
void RunJoinerConnectionsDialog(ComponentNode* c);

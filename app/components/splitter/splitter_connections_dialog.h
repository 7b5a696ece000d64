#pragma once
// The Splitter's Change Connections dialog (5006): its input and each of its
// two outputs. On OK it links the ports whose choice was changed (the studio
// is not marked modified).

#include <memory>

class ComponentNode;
class ConnectionsDialog;
class QWidget;

std::unique_ptr<ConnectionsDialog> MakeSplitterConnectionsDialog(QWidget* parent, ComponentNode* c);
void RunSplitterConnectionsDialog(ComponentNode* c);

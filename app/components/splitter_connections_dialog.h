#pragma once
// The Splitter's Change Connections dialog (5006). On OK it replaces the Splitter's
// links with the chosen ones (the studio is not marked modified).

#include <memory>

class ComponentNode;
class ConnectionsDialog;
class QWidget;

std::unique_ptr<ConnectionsDialog> MakeSplitterConnectionsDialog(QWidget* parent, ComponentNode* c);
void ApplySplitterConnectionsDialog(const ConnectionsDialog& dialog, ComponentNode* c);
void RunSplitterConnectionsDialog(ComponentNode* c);

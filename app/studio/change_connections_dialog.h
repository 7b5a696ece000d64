#pragma once
// The Change Connections dialog of components with one input and one output
// (5004). On OK it links the ports whose choice was changed (the studio is
// not marked modified).

#include <memory>

class ComponentNode;
class ConnectionsDialog;
class QWidget;

using ConnectionsDialogMaker = std::unique_ptr<ConnectionsDialog> (*)(QWidget* parent, ComponentNode* c);

// Builds the dialog for c (not shown).
std::unique_ptr<ConnectionsDialog> MakeChangeConnectionsDialog(QWidget* parent, ComponentNode* c);
// Runs the dialog modally and applies it on OK.
void RunChangeConnectionsDialog(ComponentNode* c);

// Runs any connections dialog modally and applies it on OK.
void RunConnectionsDialog(ComponentNode* c, ConnectionsDialogMaker make);

extern const char* const PassInAndOutThrough;

#pragma once
// The View menu's commands of the Connections window: Connections (20002)
// opens and closes it and is checked while it is open; Automatic positioning
// (9073) and Manual Positioning (9074) switch every icon.

class mmMainFrame;

void InstallConnectionsCommands(mmMainFrame* frame);

// Every icon to the automatic layout, or every icon placed by hand where it
// now stands.
void SetAllPositioning(bool manual);

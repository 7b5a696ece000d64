#pragma once
// What the main window shows, as JSON: the status line, where the menu bar
// and the studio are, and for each
// component window its title, type, state, place, notes and the lines of its
// lists. The end-to-end tests read it from outside the program, which offers
// it only when CANTREL_WINDOW_DUMP names a file: Ctrl+Shift+F12 writes it there.

#include <QJsonObject>

class mmMainFrame;

QJsonObject DescribeWindows(const mmMainFrame& frame);

// Installs the key that writes the description, when the environment asks.
void OfferWindowDump(mmMainFrame* frame);

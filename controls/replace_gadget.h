#pragma once
// Swaps a button of a tool bar for another in the same place, keeping its
// pressed state: how the main tool bar shows a switch with two pictures.

#include <QIcon>

#include <functional>

class QAction;
class QToolBar;

// The source of button pictures by number; the program installs one. Without
// it (or for a number it does not know) a button keeps its text only.
using GadgetGlyphProvider = std::function<QIcon(int glyph)>;
void SetGadgetGlyphProvider(GadgetGlyphProvider provider);

// Replaces the button of command `id` by a button of command `command` with
// picture `glyph` (-1: the picture numbered like the command). The new button
// is the command's own action (objectName "cmd<command>") from the bar's
// parent widget, else from the bar's window, else a new action. Nothing
// happens when there is no such button or it is the bar's last one. Returns
// the new button's action, or nullptr when nothing was replaced.
QAction* ReplaceGadget(QToolBar* bar, int id, int command, int glyph);

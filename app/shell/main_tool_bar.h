#pragma once
// The main tool bar (window id 20012): a button per command, in a fixed
// order with separators between the groups.

#include <span>

class CommandActions;
class QToolBar;
class QWidget;

// The buttons left to right; 0 stands for a separator.
std::span<const int> MainToolBarLayout();

// Builds the bar over the commands' actions, each with its picture.
QToolBar* BuildMainToolBar(QWidget* parent, CommandActions& actions);

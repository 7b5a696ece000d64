#pragma once
// Accelerator table 100: the keys of the main window and their commands.

#include <QKeySequence>

#include <span>

class CommandActions;

struct Accelerator {
    QKeyCombination keys;
    int command;
};

std::span<const Accelerator> AcceleratorTable();

// Gives every command that has an action its keys from the table. Commands
// without an action (undo, 130, 131, and F1, which is seen before any
// accelerator) keep no key, so the keys reach the widget with the focus.
void ApplyAccelerators(CommandActions& actions);

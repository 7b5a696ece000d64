#pragma once
// The short beep of a device that is gone or busy. cantrelcore has no window
// system of its own: the program installs the real beep.

#include <functional>

void SetMidiBeeper(std::function<void()> beeper);  // empty: no beep
void MidiBeep();

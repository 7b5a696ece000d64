#pragma once
// [Global] "ShowScaleNotes" of the program settings: whether the Find display
// of the Keyboard and Guitar writes the notes of a scale (1) or its degrees
// (0). Read when the studio is created, changed by the Preferences dialog.

int ShowScaleNotes();
void SetShowScaleNotes(int on);
void ReadShowScaleNotes();

#pragma once
// Command ids of the Component and Edit menus and of the component tool bar.
// A command id is also the id of its tool-bar picture and menu hint.

#include "core/studio/component_types.h"

namespace ComponentCommand {
constexpr int Sound = 101;
constexpr int Notes = 102;
constexpr int Chord = 103;
constexpr int Reset = 111;
constexpr int ChangeSettings = 23000;
constexpr int ChangeConnections = 23002;
constexpr int GetIn = 23003;
constexpr int PutOut = 23004;
constexpr int SoundButtonOff = 23005;  // shown while the sound is off
constexpr int SoundButtonOn = 23006;   // shown while the sound is on
constexpr int ModeButtonNotes = NotesMode;
constexpr int ModeButtonChord = ChordMode;
constexpr int Find = 23010;
constexpr int ResetPicture = 23011;
constexpr int Play = 23020;
constexpr int Cut = 24322;
constexpr int Copy = 24323;
constexpr int Paste = 24324;
}  // namespace ComponentCommand

#pragma once
// Component type ids (the studio file, the New Component command and the
// Connections window use them) and the kinds creation works on: the string
// number of the component's name.

namespace ComponentType {
constexpr int Sheet = 1002;  // recognised by the frame, never created
constexpr int Guitar = 1003;
constexpr int Keyboard = 1004;
constexpr int Splitter = 1006;
constexpr int Joiner = 1007;
constexpr int Player = 1008;
constexpr int Analyzer = 9019;
}  // namespace ComponentType

namespace ComponentKind {
constexpr int Sheet = 1;
constexpr int Keyboard = 2;
constexpr int Guitar = 3;
constexpr int Splitter = 5;
constexpr int Joiner = 6;
constexpr int Player = 7;
constexpr int Analyzer = 24;
}  // namespace ComponentKind

// Modes of a component; each is also the id of the tool-bar button that shows it.
enum ComponentMode : int { NotesMode = 23007, ChordMode = 23008 };

// Splitters and Joiners only pass chords on: they have no sound, mode,
// settings or tool-bar buttons of their own beside their connections.
bool PassesChordsOnly(int typeId);

// The kind of a type id; any other value is returned unchanged.
int KindOfType(int typeOrKind);
// The type id of a kind, 0 for a kind no component has.
int TypeOfKind(int kind);

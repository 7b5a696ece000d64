#pragma once
// Command ids the main window handles itself, and the help topics and
// pictures it uses. A command id is also the id of its tool-bar picture and
// of its hint in the string table.

#include "app/commands/help_topics.h"

namespace ShellCommand {
constexpr int Exit = 24310;
constexpr int OpenMidiFile = 24332;
constexpr int Undo = 24321;    // reaches only edit controls that have the focus
constexpr int Delete = 24325;  // shown, never enabled
constexpr int Connections = 20002;
constexpr int AutomaticPositioning = 9073;
constexpr int ManualPositioning = 9074;
constexpr int Toolbar = 20012;  // also the window id of the main tool bar
constexpr int AllSoundOff = 20004;
constexpr int Preferences = 20005;
constexpr int ChordList = 20006;
constexpr int TuningList = 20013;
constexpr int Cascade = 24361;
constexpr int Tile = 24363;
constexpr int ArrangeIcons = 24364;
constexpr int CloseChildren = 24365;
constexpr int OnlineHelp = 24380;  // F1
constexpr int HelpContents = 24381;
constexpr int UsingHelp = 24382;
constexpr int HowDoI = 24383;
constexpr int GettingStarted = 24384;
constexpr int About = 24389;
}  // namespace ShellCommand

namespace ShellPicture {
constexpr int ProgramIcon = 1001;
constexpr int SoundOn = 24734;   // All Sound Off button while sound is on
constexpr int SoundOff = 24735;  // ... and while everything is muted
constexpr int AboutIcon = 3389;
constexpr int AboutKeyboard = 450;
constexpr int AboutFingerboard = 451;
}  // namespace ShellPicture

constexpr int AboutDialogId = 9299;

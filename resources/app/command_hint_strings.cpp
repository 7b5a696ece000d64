#include "resources/app/app_strings.h"

// The hints the status bar shows for the commands of the main window, the
// components and the tool bars; each is numbered like its command.
namespace {
const StringTableEntry entries[] = {
    {101, "Turns the sound of the active component on or off"},
    {102, "Shows single notes as you enter them"},
    {103, "Shows and builds chords as you enter notes"},
    {105, "Saves the studio under a new name"},
    {111, "Clears the notes of the active component"},
    {124, "Starts a new studio from the template"},
    {9073, "Arranges the Connections window automatically"},
    {9074, "Lets you place the components in the Connections window yourself"},
    {9075, "Opens the help that comes with the current studio"},
    {20000, "Opens a studio file"},
    {20001, "Saves the studio"},
    {20002, "Shows how the components are connected"},
    {20004, "Silences every sound at once; choose again to hear sounds"},
    {20005, "Set general preferences: music, chords, notation..."},
    {20006, "Edits list of recognized chords"},
    {20012, "Shows or hides the tool bar"},
    {20013, "Edits list of stringed instrument tunings"},
    {20016, "Adds the components of a studio file to this studio"},
    {20017, "Closes every component of the studio"},
    {23000, "Changes the settings of the active component"},
    {23002, "Changes where the active component takes notes from and sends them to"},
    {23003, "Takes in the notes of the components connected to the input"},
    {23004, "Sends the notes to the connected components"},
    {23010, "Display how to play chord, notes, or scale for this window type"},
    {23020, "Plays the notes of the active component"},
    {24310, "Quits Cantrel Studio"},
    {24322, "Moves the notes to the clipboard"},
    {24323, "Copies the notes to the clipboard"},
    {24324, "Takes notes from the clipboard"},
    {24325, "Deletes the selection"},
    {24331, "Opens a new keyboard, guitar, analyzer, player, splitter or joiner"},
    {24332, "Opens a MIDI file in a new player"},
    {24339, "Closes the active component"},
    {24361, "Arranges the component windows so that they overlap"},
    {24363, "Arranges the component windows side by side"},
    {24364, "Arranges the icons of minimized components"},
    {24365, "Closes every component window"},
    {24381, "Lists the help topics"},
    {24382, "How to use the help"},
    {24383, "Answers to common questions"},
    {24384, "A first tour of Cantrel Studio"},
    {24389, "Shows the version of Cantrel Studio"},
};
}  // namespace

std::span<const StringTableEntry> CommandHintStrings() { return entries; }

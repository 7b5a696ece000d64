#pragma once
// The line of chord names the status bar shows for the active component.

#include <functional>
#include <string>

class chord;

constexpr int DefaultMaxChords = 5;
constexpr std::size_t ChordNamesLineSize = 256;

// The first maxChords names of c, separated by ",    ", never 256
// characters or longer.
std::string ChordNamesLine(const chord& c, int maxChords);

// [Global] "MaxChords" of the program settings, read when the studio is
// created and again by the Preferences dialog.
int MaxChords();
void SetMaxChords(int maxChords);
void ReadMaxChords();

// Where the names go: the main window's message bar. The studio installs it.
void SetChordNamesSink(std::function<void(const std::string&)> sink);
// Writes the names of c into the message bar.
void ShowChordNames(const chord& c);
// Writes any other line about the active component there.
void ShowMessageLine(const std::string& line);

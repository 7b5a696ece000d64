#pragma once
// Reading a chord from note arguments ("C4 E G" is C4 E4 G4).

#include <string>
#include <vector>

class chord;

// Adds each note to c. On a bad note, or more than 12 different notes, writes
// "cantrel-cli: <context>not a note: 'X'" (or the limit) on standard error and
// returns false. `context` prefixes the message, e.g. "line 3: ".
bool ReadChordNotes(const std::vector<std::string>& notes, chord& c, const std::string& context = "");

// The blank- or tab-separated words of a line.
std::vector<std::string> SplitWords(const std::string& line);

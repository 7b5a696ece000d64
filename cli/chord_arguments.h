#pragma once
// Reading a chord from note arguments ("C4 E G" is C4 E4 G4).

#include <string>
#include <vector>

class chord;

// What a 13th different note does: refused (the naming commands, where it
// would silently change the answer) or, as in the chord itself, pushing out
// the oldest (the text command, which shows the chord as it is).
enum class ExtraNotes { Refuse, DropOldest };

// Adds each note to c. On a bad note, or (when refused) more than 12
// different notes, writes "cantrel-cli: <context>not a note: 'X'" (or the
// limit) on standard error and returns false. `context` prefixes the message,
// e.g. "line 3: ".
bool ReadChordNotes(const std::vector<std::string>& notes, chord& c, const std::string& context = "",
                    ExtraNotes extra = ExtraNotes::Refuse);

// The blank- or tab-separated words of a line.
std::vector<std::string> SplitWords(const std::string& line);

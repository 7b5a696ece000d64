#pragma once
// Reading a chord from note arguments ("C4 E G" is C4 E4 G4).

#include <functional>
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

// Reads one chord per line of standard input and hands each to `use`. Each
// line stands alone (a note without octave does not take one from the line
// before). A bad line is reported with its number and handed on empty, so
// that output lines stay paired with input lines. Returns the exit status:
// usage error after a bad line, else success.
int ForEachInputChord(const std::function<void(const chord&)>& use);

#pragma once
// The chord-name search below FindFirstName and FindNextName: the same
// search, handing out each name as its parts instead of its text.

#include "core/theory/chord.h"
#include "core/theory/chord_name_parts.h"

// Prepares buf from c's notes, as FindFirstName does before its first name.
void StartChordNameSearch(const chord& c, CHORD_FIND_BUF& buf);

// The next name of the search in buf: 1 with its parts, else 0.
int NextChordName(CHORD_FIND_BUF& buf, ChordNameParts& parts);

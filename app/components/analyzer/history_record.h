#pragma once
// The Analyzer's history entries without their window: the record kept for a
// chord that arrived, the text of its history line, and its line in the
// studio file.

#include <string>

#include "core/theory/chord.h"

// The record kept for chord c: a copy whose key is the root of c's first name
// (unchanged when c has none).
chord HistoryRecordOf(const chord& c);

// In Chord mode (23008) the record's first chord name; in Notes mode (23007),
// or when the record has no name, its notes in slot order between « and »,
// each followed by a blank: "«C E G »".
std::string HistoryLineText(const chord& record, int mode);

// The record as a studio-file line (a hex record of its 84 bytes). 1 when it
// fits into out (capacity size), else 0 with out empty.
int WriteHistoryLine(const chord& record, char* out, int size);
// Reads a line written so, at most length characters of text. 1 with record
// set; 0, saying nothing, for anything else (a damaged or foreign line). What
// only meant something while the program ran (sounding count, device) is not
// taken over.
int ReadHistoryLine(const char* text, int length, chord& record);

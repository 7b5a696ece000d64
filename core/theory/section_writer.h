#pragma once
// Writing the [Chords] and [Tunings] sections back from the live lists, as
// the list editors do on OK: one entry per record, numbered from 1 in list
// order, padded into columns, and readable again by the entry parsers.

#include <cstddef>
#include <functional>
#include <string>

#include "core/theory/definition_records.h"

// The value of entry `key` for one chord type: blanks that bring key and
// blanks to three columns, the quoted name and description each padded to
// the longest (plus one blank), then each interval's name with '?' when
// optional, padded to three characters and always followed by a blank.
// Double quotes in the texts become apostrophes, line breaks blanks.
std::string ChordEntryValue(int key, const ChordNameTag& definition, std::size_t longestName,
                            std::size_t longestDescription);

// The value of entry `key` for one tuning: the quoted instrument and tuning
// names padded like the chord entries, then the strings from the first to
// the last, each a note with its octave and one blank.
std::string TuningEntryValue(int key, const TuningNameTag& tuning, const char* instrument,
                             std::size_t longestInstrument, std::size_t longestName);

// Rewrites the whole section of the settings file (GetINIFileName) from the
// live list, in one atomic rewrite that leaves the other sections as they
// are. False, with the file unchanged, when it could not be written.
// recordWritten, when given, is told how many records are done as they are.
using RecordsDone = std::function<void(long done)>;
bool WriteChordSection(const RecordsDone& recordWritten = {});
// Also turns double quotes in tuning names into apostrophes in the records.
bool WriteTuningSection(const RecordsDone& recordWritten = {});

// Characters of UTF-8 text (the columns it takes).
std::size_t TextColumns(const char* text);

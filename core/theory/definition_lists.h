#pragma once
// The four definition lists of cantrel.ini ([Chords], [Tunings], [Scales],
// [Keys]) and the instrument table. They are process-wide: loaded once after
// InitializeFileNames, released and loaded again after a list editor saves.
// Records handed out stay valid until their list is released.

#include "core/theory/definition_records.h"
#include "core/theory/list_data.h"

class chord;

// Load the section from the settings file (GetINIFileName), reading keys
// "count + 1", "count + 2", ... until the first missing or empty one. 1 when
// the list ended normally; 0 after a bad entry, which is reported (401, 403,
// 404 or 405 with its number) and ends the loading; entries before it stay.
int InitializeChordList();
int InitializeTuningList();
int InitializeScaleList();
int InitializeKeyList();

// Free every record; the list becomes empty.
void ReleaseChordList();
void ReleaseTuningList();
void ReleaseScaleList();
void ReleaseKeyList();

// Number of records loaded.
int CountChordDefinitions();
int CountTunings();
int CountScales();
int CountKeys();

// The i-th record from 0, or nullptr.
ChordNameTag* GetChordDefinition(int i);
TuningNameTag* GetTuning(int i);
ScaleNameTag* GetScale(int i);
KeyNameTag* GetKey(int i);

// A list editor's Add and Delete: link a new record (allocated with new)
// behind the i-th one, or unlink and free the i-th one. The first record is
// never deleted. False when there is no such record (the new one is then
// not taken). Naming sees a chord change at once.
bool InsertChordDefinition(int after, ChordNameTag* record);
bool DeleteChordDefinition(int i);
bool InsertTuning(int after, TuningNameTag* record);
bool DeleteTuning(int i);

// A list editor that changed chord records in place (intervals, flags, or
// the links) calls this so that naming sees the change at once. Loading and
// releasing the list do it themselves.
void ChordDefinitionsChanged();

// Position of the first scale whose name equals `name` exactly, or -1.
int FindScale(const char* name);

// Copies the string slots of the first tuning into c's notes (all -1 when
// there is none). Only the notes change.
void SetDefaultTuning(chord& c);

// Instrument table: number of the instrument named `name` (case ignored),
// adding a new name at the end; -1 when the table is full or name is null.
int InstrumentIndex(const char* name);
// Name of instrument i, or nullptr.
const char* GetInstrument(int i);
int CountInstruments();
void ReleaseInstruments();

// Appends "%-16s   %s" (instrument, tuning name) per tuning; the line of the
// tuning whose instrument and 12 strings equal c's is selected.
void FillTuningList(TComboBoxData& d, const chord& c);
// Empties d and adds the scales with `steps` steps (all when 0); the scale at
// list position `selected` is selected.
void FillScaleList(TComboBoxData& d, int selected, int steps);
// Empties d and adds "[No Key]", selected when `selected` is 0.
void FillKeyList(TListBoxData& d, int selected);

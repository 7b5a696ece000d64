#pragma once
// Parsers of one entry of each definition section (the text after "k=").
// Each fills a zeroed record and returns 1, or 0 when the entry cannot be
// understood; they are safe on any bytes. The loaders report the failure.

#include "core/theory/definition_records.h"

// "<name>","<description>", <degree>[?] ...
int ParseChordEntry(const char* text, ChordNameTag* record);
// "<instrument>","<tuning name>", <note> ... (adds the instrument to the
// table; reports 402 when the table is full).
int ParseTuningEntry(const char* text, TuningNameTag* record);
// "<name>", <step> ... in whole tones: 1..6, optionally with ½, or ½ alone.
int ParseScaleEntry(const char* text, ScaleNameTag* record);
// "<name>", <note> ... with + and - altering the letter.
int ParseKeyEntry(const char* text, KeyNameTag* record);

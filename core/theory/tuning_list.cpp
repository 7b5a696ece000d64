// The [Tunings] list: open strings of the string instruments.
#include "core/theory/chord.h"
#include "core/theory/definition_lists.h"
#include "core/theory/entry_parsers.h"
#include "core/theory/section_loader.h"

namespace {

constexpr int BadTuningMessage = 403;

RecordList<TuningNameTag> tunings;

}  // namespace

int InitializeTuningList() { return LoadSection(tunings, "Tunings", BadTuningMessage, ParseTuningEntry); }

void ReleaseTuningList() { tunings.Release(); }

bool InsertTuning(int after, TuningNameTag* record) { return tunings.InsertAfter(after, record); }

bool DeleteTuning(int i) { return tunings.RemoveAt(i); }

int CountTunings() { return tunings.count; }

TuningNameTag* GetTuning(int i) { return tunings.At(i); }

void SetDefaultTuning(chord& c)
{
    for (int i = 0; i < chord::Slots; ++i) c.notes[i] = tunings.head ? tunings.head->strings[i] : NoNote;
}

const char* chord::GetFirstTuningName() { return tunings.head ? tunings.head->name : nullptr; }

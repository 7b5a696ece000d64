// The [Chords] list: the chord types naming works from.
#include "core/theory/chord.h"
#include "core/theory/chord_definition_index.h"
#include "core/theory/definition_lists.h"
#include "core/theory/entry_parsers.h"
#include "core/theory/section_loader.h"

namespace {

constexpr int BadChordMessage = 401;

RecordList<ChordNameTag> chords;

}  // namespace

int InitializeChordList()
{
    const int result = LoadSection(chords, "Chords", BadChordMessage, ParseChordEntry);
    ChordDefinitionsChanged();
    return result;
}

void ReleaseChordList()
{
    chords.Release();
    ChordDefinitionsChanged();
}

bool InsertChordDefinition(int after, ChordNameTag* record)
{
    if (!chords.InsertAfter(after, record)) return false;
    ChordDefinitionsChanged();
    return true;
}

bool DeleteChordDefinition(int i)
{
    if (!chords.RemoveAt(i)) return false;
    ChordDefinitionsChanged();
    return true;
}

int CountChordDefinitions() { return chords.count; }

ChordNameTag* GetChordDefinition(int i) { return chords.At(i); }

const char* chord::GetFirstChordName() { return chords.head ? chords.head->name : nullptr; }

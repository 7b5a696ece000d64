// Filling the tuning, scale and key selectors of the dialogs.
#include <cstdio>

#include "core/theory/chord.h"
#include "core/theory/definition_lists.h"

namespace {

bool SameStrings(const TuningNameTag& t, const chord& c)
{
    if (t.instrument != c.instrument) return false;
    for (int i = 0; i < chord::Slots; ++i)
        if (t.strings[i] != c.notes[i]) return false;
    return true;
}

}  // namespace

void FillTuningList(TComboBoxData& d, const chord& c)
{
    for (const TuningNameTag* t = GetTuning(0); t; t = t->next) {
        const char* instrument = GetInstrument(t->instrument);
        char line[InstrumentNameSize + 3 + sizeof t->name + 16];
        std::snprintf(line, sizeof line, "%-16s   %s", instrument ? instrument : "", t->name);
        d.AddString(line, SameStrings(*t, c));
    }
}

void FillScaleList(TComboBoxData& d, int selected, int steps)
{
    d.Clear();
    int position = 0;
    for (const ScaleNameTag* s = GetScale(0); s; s = s->next, ++position)
        if (steps == 0 || s->count == steps) d.AddString(s->name, position == selected);
}

void FillKeyList(TListBoxData& d, int selected)
{
    d.Clear();
    d.AddString("[No Key]", selected == 0);
}

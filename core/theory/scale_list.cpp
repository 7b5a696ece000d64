// The [Scales] list.
#include <cstring>

#include "core/theory/chord.h"
#include "core/theory/definition_lists.h"
#include "core/theory/entry_parsers.h"
#include "core/theory/section_loader.h"

namespace {

constexpr int BadScaleMessage = 404;

RecordList<ScaleNameTag> scales;

}  // namespace

int InitializeScaleList() { return LoadSection(scales, "Scales", BadScaleMessage, ParseScaleEntry); }

void ReleaseScaleList() { scales.Release(); }

int CountScales() { return scales.count; }

ScaleNameTag* GetScale(int i) { return scales.At(i); }

int FindScale(const char* name)
{
    if (!name) return -1;
    int position = 0;
    for (const ScaleNameTag* s = scales.head; s; s = s->next, ++position)
        if (std::strcmp(s->name, name) == 0) return position;
    return -1;
}

const char* chord::GetFirstScaleName() { return scales.head ? scales.head->name : nullptr; }

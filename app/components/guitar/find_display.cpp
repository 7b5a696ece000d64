#include "app/components/guitar/find_display.h"

#include <QPainter>

#include <functional>

#include "app/components/guitar/fingerboard_geometry.h"
#include "app/components/guitar/fingerboard_state.h"
#include "app/components/shared/find_result_marker.h"
#include "app/components/shared/label_strips.h"
#include "core/theory/chord_spelling.h"

namespace {

// Calls visit with the pitch class and cell of every fret the display labels.
void ForEachCell(const FingerboardGeometry& g, const FingerboardState& state,
                 const std::function<void(int pc, const QRect& cell)>& visit)
{
    if (state.found.Empty() || !g.Drawable()) return;
    for (int s = 0; s < state.stringCount; ++s) {
        for (int f = state.capo; f < g.FretCount(); ++f) {
            const int pc = PitchClass(static_cast<NOTES>((static_cast<long long>(state.tuning->notes[s]) + f) % 12));
            if (state.found.Has(pc)) visit(pc, g.FindCellRect(s, f, state.capo));
        }
    }
}

}  // namespace

void PaintFound(QPainter& painter, const FingerboardGeometry& g, const FingerboardState& state, const QRect& update)
{
    if (state.found.Empty()) return;
    bool inChord[PitchClasses] = {};
    for (NOTES n : state.played->notes)
        if (n != NoNote) inChord[PitchClass(n)] = true;
    const int tonic = state.found.Root();
    const bool noteNames = LabelStrips::ShowScaleNotes();
    const SpellingContext spelling = PitchSetSpelling(tonic, state.found.Classes(), state.foundRootLetter);
    ForEachCell(g, state, [&](int pc, const QRect& cell) {
        if (!cell.intersects(update)) return;
        LabelStrips::DrawCell(painter, cell.topLeft(), LabelStrips::ChooseCell(pc, tonic, noteNames, inChord[pc], spelling));
        if (state.foundOptional.Has(pc)) DrawFindResultMarker(painter, cell.topLeft());
    });
}

QRegion FoundRegion(const FingerboardGeometry& g, const FingerboardState& state)
{
    QRegion region;
    ForEachCell(g, state, [&](int, const QRect& cell) { region += cell; });
    return region;
}

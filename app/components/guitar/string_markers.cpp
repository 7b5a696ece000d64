#include "app/components/guitar/string_markers.h"

#include "app/components/guitar/fingerboard_geometry.h"
#include "app/components/guitar/fingerboard_pictures.h"
#include "app/components/guitar/fingerboard_state.h"
#include "core/theory/notes.h"
#include "core/theory/string_assignment.h"

namespace {
constexpr int NotPlayedMark = 8;
}  // namespace

StringMarker MarkerOf(const FingerboardGeometry& geometry, const FingerboardState& state, int string)
{
    StringMarker marker;
    if (string < 0 || string >= state.stringCount) return marker;
    int marks[chord::Slots] = {};
    state.played->FindFingering(*state.tuning, marks, string + 1, state.capo);
    const int mark = marks[string];
    const NOTES n = state.played->notes[string];
    const NOTES open = state.tuning->notes[string];
    const bool playing = mark != NotPlayedMark;
    const long long fret = playing ? static_cast<long long>(n) - open : state.capo;
    const bool atCapo = !playing || static_cast<long long>(n) == static_cast<long long>(open) + state.capo;
    if (fret < 0 || fret >= MaxFretPositions) return marker;
    marker.rect = geometry.MarkerRect(string, static_cast<int>(fret), atCapo, state.capo);
    if (!playing && state.notesMode) return marker;  // the place still repaints
    marker.icon = FingerboardPicture::OpenMarker + mark;
    marker.findDot = !state.found.Empty() && (!playing || state.found.Has(PitchClass(n)));
    return marker;
}

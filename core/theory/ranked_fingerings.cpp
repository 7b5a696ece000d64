// Ranked fingerings in the terms of a chord and a tuning chord, and the
// text form of a fingering.
#include "core/theory/ranked_fingerings.h"

#include "core/theory/string_assignment.h"

PitchSet BassPitchSet(const chord& c)
{
    const NOTES bass = c.GetBass();
    if (bass == NoNote) return PitchSet();
    PitchSet set(PitchClass(bass), 0);
    for (NOTES n : c.notes)
        if (n != NoNote) set = set.With(PitchClass(n));
    return set;
}

std::vector<Fingering> RankedFingeringsFor(const chord& wanted, const chord& tuning, int fretPositions, int capo,
                                           int span, bool anyBass, std::size_t count)
{
    return RankedFingeringsForPitchSet(BassPitchSet(wanted), tuning, fretPositions, capo, span, anyBass, count);
}

std::vector<Fingering> RankedFingeringsForPitchSet(PitchSet pitchSet, const chord& tuning, int fretPositions, int capo,
                                                   int span, bool anyBass, std::size_t count)
{
    FingeringRequest request;
    request.pitchClasses = static_cast<std::uint16_t>(pitchSet.Classes());
    // The root's doubling is welcome also when any note may be the bass.
    request.root = pitchSet.Root();
    request.bass = anyBass ? NoPitchClass : request.root;
    request.openStrings.assign(tuning.notes, tuning.notes + CountStrings(tuning));
    request.frets = fretPositions - 1;
    request.capo = capo;
    request.span = span;
    return FindRankedFingerings(request, count);
}

void PlayFingering(const Fingering& fingering, const chord& tuning, chord& played)
{
    for (int s = 0; s < chord::Slots; ++s) {
        const bool sounds = s < fingering.strings && fingering.frets[s] != NotPlayedFret && tuning.notes[s] != NoNote;
        played.notes[s] = sounds ? tuning.notes[s] + fingering.frets[s] : NoNote;
    }
}

std::string FingeringText(const Fingering& fingering)
{
    std::string text;
    for (int s = fingering.strings - 1; s >= 0; --s) {
        if (!text.empty()) text += ' ';
        text += fingering.frets[s] == NotPlayedFret ? std::string("x") : std::to_string(fingering.frets[s]);
    }
    return text;
}

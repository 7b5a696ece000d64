// Ranked fingerings in the terms of a chord and a tuning chord, and the
// text form of a fingering.
#include "core/theory/ranked_fingerings.h"

std::vector<Fingering> RankedFingeringsFor(const chord& wanted, const chord& tuning, int fretPositions, int capo, int span,
                                           bool anyBass, std::size_t count)
{
    FingeringRequest request;
    for (NOTES n : wanted.notes)
        if (n != NoNote) request.pitchClasses |= static_cast<std::uint16_t>(1u << PitchClass(n));
    const NOTES bass = wanted.GetBass();
    if (bass == NoNote) return {};
    // The lowest note is the root whose doubling is welcome, also when any
    // note may be the bass.
    request.root = PitchClass(bass);
    request.bass = anyBass ? NoPitchClass : request.root;
    for (NOTES open : tuning.notes) {
        if (open == NoNote) break;
        request.openStrings.push_back(open);
    }
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

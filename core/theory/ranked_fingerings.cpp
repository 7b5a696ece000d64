// Ranked fingerings in the terms of a chord and a tuning chord, and the
// text form of a fingering.
#include "core/theory/ranked_fingerings.h"

namespace {

std::vector<Fingering> RankedOnTuning(unsigned pitchClasses, int root, const chord& tuning, int fretPositions,
                                      int capo, int span, bool anyBass, std::size_t count)
{
    FingeringRequest request;
    request.pitchClasses = static_cast<std::uint16_t>(pitchClasses & 0xFFF);
    // The root's doubling is welcome also when any note may be the bass.
    request.root = root;
    request.bass = anyBass ? NoPitchClass : root;
    for (NOTES open : tuning.notes) {
        if (open == NoNote) break;
        request.openStrings.push_back(open);
    }
    request.frets = fretPositions - 1;
    request.capo = capo;
    request.span = span;
    return FindRankedFingerings(request, count);
}

} // namespace

std::vector<Fingering> RankedFingeringsFor(const chord& wanted, const chord& tuning, int fretPositions, int capo,
                                           int span, bool anyBass, std::size_t count)
{
    unsigned pitchClasses = 0;
    for (NOTES n : wanted.notes)
        if (n != NoNote) pitchClasses |= 1u << PitchClass(n);
    const NOTES bass = wanted.GetBass();
    if (bass == NoNote) return {};
    return RankedOnTuning(pitchClasses, PitchClass(bass), tuning, fretPositions, capo, span, anyBass, count);
}

std::vector<Fingering> RankedFingeringsForPitchSet(unsigned pitchSet, const chord& tuning, int fretPositions,
                                                   int capo, int span, bool anyBass, std::size_t count)
{
    return RankedOnTuning(pitchSet >> 4, static_cast<int>(pitchSet & 0xF), tuning, fretPositions, capo, span,
                          anyBass, count);
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

// A song's chords: spans cut from what sounds, each named by the chord naming
// and, when asked, given its numeral in the piece's key.
#include "core/songs/song_chords.h"

#include <map>

#include "core/songs/pitch_class_names.h"
#include "core/songs/roman_numeral.h"
#include "core/songs/song_key.h"
#include "core/songs/span_cutting.h"
#include "core/theory/chord.h"
#include "core/theory/chord_spelling.h"

namespace {

struct ChordNames {
    std::vector<std::string> names;
    int root = -1;
    SpellingContext spelling;
};

// The bass, then the lowest key of each other pitch class of the chord.
std::vector<NOTES> ChordNotes(const SoundingStretch& span)
{
    const unsigned pitchClasses = span.ChordPitchClasses();
    std::vector<NOTES> notes;
    unsigned taken = 0;
    for (int key = 0; key < 128; ++key)
        if (span.keys[key] && (pitchClasses >> (key % 12) & 1) && !(taken >> (key % 12) & 1)) {
            notes.push_back(NoteOfMidiKey(key));
            taken |= 1u << (key % 12);
        }
    return notes;
}

ChordNames NameChord(const std::vector<NOTES>& notes)
{
    chord c;
    for (NOTES n : notes) c.AddNote(n);
    ChordNames named;
    CHORD_FIND_BUF search;
    char name[chord::ChordNameSize];
    if (!c.FindFirstName(name, search)) return named;
    named.root = PitchClassFromC(static_cast<NOTES>(search.bits & 0xF));
    do named.names.push_back(name);
    while (c.FindNextName(name, search));
    named.spelling = ChordSpelling(c);
    return named;
}

}  // namespace

std::vector<ChordSpan> ReadSongChords(const MidiSong& song, const ChordReadingOptions& options)
{
    const std::vector<SoundingStretch> stretches = SoundingStretches(song, options.channels);
    const std::vector<SoundingStretch> cut =
        options.cut == SpanCut::AtChange ? CutAtChanges(stretches, options.shortestSpanSeconds, song)
                                         : CutPerBeat(stretches, song, options.cut == SpanCut::PerBar);
    SongKey key;
    if (options.numerals) key = FindKey(SongPitchClassDurations(song, options.channels, 0, song.lengthTicks));

    // Songs repeat their chords: each is named once.
    std::map<std::vector<NOTES>, ChordNames> named;
    std::vector<ChordSpan> spans;
    spans.reserve(cut.size());
    for (const SoundingStretch& stretch : cut) {
        ChordSpan span;
        span.startTick = stretch.startTick;
        span.endTick = stretch.endTick;
        span.startSeconds = song.SecondsAt(stretch.startTick);
        span.endSeconds = song.SecondsAt(stretch.endTick);
        span.at = song.BarBeatAt(stretch.startTick);
        const unsigned pitchClasses = stretch.ChordPitchClasses();
        for (int k = 0; k < 128; ++k)
            if (stretch.keys[k] && (pitchClasses >> (k % 12) & 1)) span.notes.push_back(NoteOfMidiKey(k));
        const std::vector<NOTES> chordNotes = ChordNotes(stretch);
        auto found = named.find(chordNotes);
        if (found == named.end()) found = named.emplace(chordNotes, NameChord(chordNotes)).first;
        span.names = found->second.names;
        span.root = found->second.root;
        span.spelling = found->second.spelling;
        if (options.numerals && span.root >= 0) span.numeral = RomanNumeral(span.root, pitchClasses, key);
        spans.push_back(std::move(span));
    }
    return spans;
}

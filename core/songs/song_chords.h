#pragma once
// The chords of a song over time: the sounding notes of the chosen channels
// cut into spans where the set of pitches changes, each named by the same
// naming code as everything else.

#include <cstdint>
#include <string>
#include <vector>

#include "core/songs/midi_song.h"
#include "core/theory/notes.h"
#include "core/theory/shown_notes.h"

enum class SpanCut { AtChange, PerBeat, PerBar };

struct ChordReadingOptions {
    SpanCut cut = SpanCut::AtChange;
    std::uint16_t channels = 0xFFFF & ~(1u << 9);  // bit per channel; percussion left out
    double shortestSpanSeconds = 0.12;              // shorter spans merge into a neighbour
    bool numerals = false;                          // give each span its numeral in the piece's key
};

struct ChordSpan {
    std::int64_t startTick = 0;
    std::int64_t endTick = 0;
    double startSeconds = 0;
    double endSeconds = 0;
    BarBeat at;
    std::vector<NOTES> notes;         // sounding notes, lowest first (the engine's numbering)
    std::vector<std::string> names;   // every name; the first is the chosen one; empty when no chord
    std::string numeral;              // Roman numeral in the piece's key (I, ii, V7, bVII, V/V), when asked for
    int root = -1;                    // pitch class from C of the chosen name; -1 when no chord
    SpellingContext spelling;         // how the chosen name spells the notes
};

// Spans without a sounding note are left out.
std::vector<ChordSpan> ReadSongChords(const MidiSong& song, const ChordReadingOptions& options);

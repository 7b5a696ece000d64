#pragma once
// What a playing song does, moment by moment: notes starting and ending on
// their channels, channels moving a controller or the pitch wheel and
// changing instrument, and the chord spans beginning. At one moment notes end
// first, then controllers, wheels and instruments change (a bank before the
// program it chooses from), then notes start, then the chord that they form
// goes out.

#include <cstdint>
#include <vector>

#include "core/songs/midi_song.h"
#include "core/songs/song_chords.h"

struct TimelineEvent {
    enum Kind : std::uint8_t { NoteOff, Control, Bend, ProgramChange, NoteOn, ChordBegins };
    double seconds = 0;
    Kind kind = NoteOn;
    std::uint8_t channel = 0;
    std::uint8_t key = 0;
    std::uint8_t velocity = 0;  // of a NoteOn, as the song wrote it
    std::uint8_t program = 0;   // of a ProgramChange
    int span = -1;              // the chord span that begins
    std::uint8_t controller = 0;  // of a Control
    std::uint16_t value = 0;      // of a Control (0..127) or a Bend (0..16383)
};

TimelineEvent ControlEvent(double seconds, int channel, int controller, int value);
TimelineEvent BendEvent(double seconds, int channel, int value);
TimelineEvent ProgramEvent(double seconds, int channel, int program);

// Every melodic channel the song plays starts on its own instrument: the
// program the song sets at its start, or the General MIDI piano. The
// percussion channel keeps the drum kit the output has.
std::vector<TimelineEvent> BuildTimeline(const MidiSong& song, const std::vector<ChordSpan>& spans);

// The index of the first event at or after `seconds`.
std::size_t FirstEventAt(const std::vector<TimelineEvent>& events, double seconds);

// The span sounding at `seconds`: the last one begun by then, or -1 before the first.
int SpanAt(const std::vector<ChordSpan>& spans, double seconds);

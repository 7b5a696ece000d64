// Standard MIDI Files of any bytes: a song or a problem, never both, never a
// crash; what is read gives times, channel changes and chord spans in order.
#include <cstdint>
#include <cstdlib>

#include "core/songs/midi_song.h"
#include "core/songs/song_chords.h"
#include "fuzz/quiet_errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    DropErrorMessages();
    const MidiFileReading reading = ReadMidiSong(data, size);
    if (reading.song.has_value() == reading.problem.has_value()) std::abort();
    if (!reading.song) return 0;
    const MidiSong& song = *reading.song;
    for (const SongNote& note : song.notes)
        if (note.endTick < note.startTick || note.endSeconds < note.startSeconds || note.key > 127) std::abort();
    auto inOrder = [](const auto& changes) {
        for (std::size_t i = 1; i < changes.size(); ++i)
            if (changes[i].tick < changes[i - 1].tick || changes[i].seconds < changes[i - 1].seconds) return false;
        return true;
    };
    if (!inOrder(song.programs) || !inOrder(song.controls) || !inOrder(song.bends)) std::abort();
    for (const ControlChange& c : song.controls)
        if (c.channel > 15 || c.controller > 127 || c.value > 127) std::abort();
    for (const PitchBend& b : song.bends)
        if (b.channel > 15 || b.value < 0 || b.value > 16383) std::abort();
    for (SpanCut cut : {SpanCut::AtChange, SpanCut::PerBeat, SpanCut::PerBar}) {
        ChordReadingOptions options;
        options.cut = cut;
        options.numerals = true;
        std::int64_t last = -1;
        for (const ChordSpan& span : ReadSongChords(song, options)) {
            if (span.startTick < last || span.endTick <= span.startTick || span.at.bar < 1 || span.at.beat < 1)
                std::abort();
            last = span.endTick;
        }
    }
    return 0;
}

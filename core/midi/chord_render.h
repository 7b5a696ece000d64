#pragma once
// Renders a chord with the built-in synthesizer straight into a WAV file,
// as fast as the machine computes it; no audio device is involved.

#include <string>

#include "core/midi/midi_failure.h"

class chord;

struct ChordRender {
    int sampleRate = 0;
    long noteFrames = 0;     // while the notes are held: exactly ms of sound
    long releaseFrames = 0;  // after the note-offs, until the sound has died away
};

// The release is cut off after this long (pads and reverb fade for ages).
constexpr unsigned long MaxReleaseMs = 3000;

// Plays program `program`, then the notes of `c` at `velocity` on channel 0,
// held for `ms` milliseconds and then released. 16-bit stereo at 44.1 kHz.
// False with the reason in `status` (NoMap: no SoundFont; Other: the file).
bool RenderChordToWav(const std::string& path, const chord& c, int program, int velocity, unsigned long ms,
                      ChordRender& info, MidiStatus& status);

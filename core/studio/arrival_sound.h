#pragma once
// Whether a component sounds a chord arriving at its input. A source that
// already sounds its music (a Player playing a song) puts its chords out
// under a SoundedAtSource, so the components after it show and name them
// without doubling the song.

class SoundedAtSource {
public:
    SoundedAtSource();
    ~SoundedAtSource();
    SoundedAtSource(const SoundedAtSource&) = delete;
    SoundedAtSource& operator=(const SoundedAtSource&) = delete;
};

// False while a SoundedAtSource stands.
bool ArrivalsSound();

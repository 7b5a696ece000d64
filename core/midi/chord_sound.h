#pragma once
// Sounding chords (chord::SoundOn, SoundOff, TimedSound) and the table of
// timed chords waiting to be ended. The timers run on the thread that started
// them, from its event loop: the user-interface thread.

constexpr int MaxTimedChords = 50;

// Entries in the table of timed chords.
int PendingTimedSounds();
// Timer objects of timed chords that still exist; a withdrawn timer is
// stopped at once and deleted by the event loop.
int TimedSoundTimers();

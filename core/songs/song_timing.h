#pragma once
// The reader's last step: each tempo change learns when it takes effect in
// seconds, and each time signature the bar it starts.

#include "core/songs/midi_song.h"

void FillTempoSeconds(MidiSong& song);
void FillSignatureBars(MidiSong& song);

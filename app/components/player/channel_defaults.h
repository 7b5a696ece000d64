#pragma once
// What puts a channel back as a General MIDI output starts it, once a song
// has moved its controllers and wheel: whatever sounds on that channel next
// (a Keyboard, say) is heard at the usual volume, centred and unbent.
// Volume, pan, expression, modulation, the pedals and the bank each have a
// value to go back to; any other controller needs "reset all controllers",
// which by the recommended practice leaves volume, pan and the bank alone,
// so those follow it. Programs need nothing: every component sends its own
// before its notes.

#include <bitset>
#include <vector>

#include "app/components/player/song_timeline.h"

// Whether moving `controller` changes how the channel sounds from then on;
// the channel mode messages (sounds and notes cut off, resets) do not.
bool ChangesChannelSetting(int controller);

// The messages that put back a channel on which `changed` controllers were
// moved and, when `bent`, the wheel.
std::vector<TimelineEvent> ChannelDefaults(int channel, const std::bitset<128>& changed, bool bent);

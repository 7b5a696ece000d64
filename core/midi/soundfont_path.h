#pragma once
// Where the General MIDI sounds of the built-in synthesizer come from.

#include <string>
#include <vector>

// SoundFont files to try, best first: the one named by [Midi] "SoundFont",
// then the General MIDI SoundFonts that Debian packages install. Only files
// that exist are listed.
std::vector<std::string> SoundFontCandidates();

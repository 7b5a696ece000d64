#pragma once
// Plays a synthesizer through the first audio driver of this machine that
// opens. FluidSynth accepts any driver name and fails only when the driver is
// created, so each one it offers is tried in turn.

#include <string>
#include <vector>

#include <fluidsynth.h>

// The audio drivers worth trying here, best first.
std::vector<std::string> AudioDriverCandidates(fluid_settings_t* settings);

// Opens the driver called `name`; null with FluidSynth's complaint in `why`.
fluid_audio_driver_t* OpenAudioDriver(fluid_settings_t* settings, fluid_synth_t* synth, const std::string& name,
                                      std::string& why);

// The first candidate that opens, or null with `why` saying what was tried.
fluid_audio_driver_t* OpenAudioOutput(fluid_settings_t* settings, fluid_synth_t* synth, std::string& why);

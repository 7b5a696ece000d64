#pragma once
// FluidSynth loaded with a General MIDI SoundFont: the sound source behind
// output -1 and behind offline rendering.

#include <cstdint>
#include <memory>
#include <string>

#include <fluidsynth.h>

#include "core/midi/midi_failure.h"

class SynthEngine {
public:
    static constexpr double DefaultSampleRate = 44100.0;
    // FluidSynth's own default (0.2) is far quieter than other instruments.
    static constexpr double Gain = 0.7;

    // A synthesizer with the first SoundFont of SoundFontCandidates that
    // loads; null with the reason in `status` when there is none.
    static std::unique_ptr<SynthEngine> Create(MidiStatus& status, double sampleRate = DefaultSampleRate);
    ~SynthEngine();
    SynthEngine(const SynthEngine&) = delete;
    SynthEngine& operator=(const SynthEngine&) = delete;

    // Plays one short MIDI message.
    void Play(const std::uint8_t* bytes, int size);
    // All sound off, controllers and programs back to their start.
    void Reset();

    // Renders `frames` stereo frames as interleaved 16-bit samples.
    void Render(std::int16_t* interleaved, int frames);
    int ActiveVoices();
    double SampleRate() const { return sampleRate_; }
    const std::string& SoundFont() const { return soundFont_; }

    fluid_settings_t* Settings() { return settings_; }
    fluid_synth_t* Synth() { return synth_; }

private:
    SynthEngine() = default;

    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    double sampleRate_ = DefaultSampleRate;
    std::string soundFont_;
};

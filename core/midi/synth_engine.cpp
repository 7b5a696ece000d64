#include "core/midi/synth_engine.h"

#include "core/midi/fluid_log.h"
#include "core/midi/soundfont_path.h"

std::unique_ptr<SynthEngine> SynthEngine::Create(MidiStatus& status, double sampleRate)
{
    CaptureFluidLog();
    std::unique_ptr<SynthEngine> engine(new SynthEngine);
    engine->sampleRate_ = sampleRate;
    engine->settings_ = new_fluid_settings();
    if (!engine->settings_) {
        status = {MidiFailure::NoMemory, "no memory for the synthesizer"};
        return nullptr;
    }
    fluid_settings_setnum(engine->settings_, "synth.sample-rate", sampleRate);
    fluid_settings_setnum(engine->settings_, "synth.gain", Gain);
    engine->synth_ = new_fluid_synth(engine->settings_);
    if (!engine->synth_) {
        status = {MidiFailure::NotEnabled, TakeFluidError()};
        return nullptr;
    }
    for (const std::string& path : SoundFontCandidates()) {
        if (fluid_synth_sfload(engine->synth_, path.c_str(), 1) != FLUID_FAILED) {
            engine->soundFont_ = path;
            TakeFluidError();
            status = {};
            return engine;
        }
    }
    const std::string why = TakeFluidError();
    status = {MidiFailure::NoMap, why.empty() ? "no General MIDI SoundFont found" : why};
    return nullptr;
}

SynthEngine::~SynthEngine()
{
    if (synth_) delete_fluid_synth(synth_);
    if (settings_) delete_fluid_settings(settings_);
}

void SynthEngine::Play(const std::uint8_t* bytes, int size)
{
    if (size < 1) return;
    const int type = bytes[0] & 0xF0;
    const int channel = bytes[0] & 0x0F;
    const int d1 = size > 1 ? bytes[1] & 0x7F : 0;
    const int d2 = size > 2 ? bytes[2] & 0x7F : 0;
    switch (type) {
    case 0x80: fluid_synth_noteoff(synth_, channel, d1); break;
    case 0x90:
        if (d2 == 0)
            fluid_synth_noteoff(synth_, channel, d1);
        else
            fluid_synth_noteon(synth_, channel, d1, d2);
        break;
    case 0xA0: fluid_synth_key_pressure(synth_, channel, d1, d2); break;
    case 0xB0: fluid_synth_cc(synth_, channel, d1, d2); break;
    case 0xC0: fluid_synth_program_change(synth_, channel, d1); break;
    case 0xD0: fluid_synth_channel_pressure(synth_, channel, d1); break;
    case 0xE0: fluid_synth_pitch_bend(synth_, channel, d1 | (d2 << 7)); break;
    default: break;  // system messages mean nothing to a synthesizer
    }
}

void SynthEngine::Reset() { fluid_synth_system_reset(synth_); }

void SynthEngine::Render(std::int16_t* interleaved, int frames)
{
    fluid_synth_write_s16(synth_, frames, interleaved, 0, 2, interleaved, 1, 2);
}

int SynthEngine::ActiveVoices() { return fluid_synth_get_active_voice_count(synth_); }

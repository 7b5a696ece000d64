#include "core/midi/synth_output.h"

#include "core/midi/audio_output.h"
#include "core/midi/synth_engine.h"

namespace {

class SynthesizerOutput : public MidiOutputPort {
public:
    explicit SynthesizerOutput(std::unique_ptr<SynthEngine> engine) : engine_(std::move(engine)) {}
    ~SynthesizerOutput() override
    {
        // The driver pulls from the synthesizer: it goes first.
        if (driver_) delete_fluid_audio_driver(driver_);
    }

    void Attach(fluid_audio_driver_t* driver) { driver_ = driver; }
    SynthEngine& Engine() { return *engine_; }

    MidiFailure Send(const std::uint8_t* bytes, int size) override
    {
        engine_->Play(bytes, size);
        return MidiFailure::None;
    }
    void Reset() override { engine_->Reset(); }
    bool Silent() const override { return driver_ == nullptr; }

private:
    std::unique_ptr<SynthEngine> engine_;
    fluid_audio_driver_t* driver_ = nullptr;
};

}  // namespace

std::unique_ptr<MidiOutputPort> OpenSynthesizerOutput(MidiStatus& status)
{
    auto engine = SynthEngine::Create(status);
    if (!engine) return nullptr;
    auto output = std::make_unique<SynthesizerOutput>(std::move(engine));
    std::string why;
    output->Attach(OpenAudioOutput(output->Engine().Settings(), output->Engine().Synth(), why));
    if (output->Silent())
        status = {MidiFailure::NoDriver, why};
    else
        status = {};
    return output;
}

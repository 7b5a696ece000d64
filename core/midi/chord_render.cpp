#include "core/midi/chord_render.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/midi/synth_engine.h"
#include "core/midi/wav_writer.h"
#include "core/theory/chord.h"

namespace {

constexpr int Channels = 2;
constexpr long BlockFrames = 512;
// Below this peak (about -72 dB) the release counts as over.
constexpr int SilencePeak = 8;

std::uint8_t DataByte(int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 127)); }

void PlayNotes(SynthEngine& engine, const chord& c, int velocity, bool on)
{
    for (NOTES n : c.notes) {
        const int key = n - 3;
        if (n == NoNote || key < 0 || key > 127) continue;
        const std::uint8_t bytes[3] = {static_cast<std::uint8_t>(on ? 0x90 : 0x80), static_cast<std::uint8_t>(key),
                                       on ? DataByte(velocity) : std::uint8_t{0}};
        engine.Play(bytes, 3);
    }
}

int Peak(const std::vector<std::int16_t>& block, long frames)
{
    int peak = 0;
    for (long i = 0; i < frames * Channels; ++i) peak = std::max(peak, std::abs(int{block[i]}));
    return peak;
}

}  // namespace

bool RenderChordToWav(const std::string& path, const chord& c, int program, int velocity, unsigned long ms,
                      ChordRender& info, MidiStatus& status)
{
    auto engine = SynthEngine::Create(status);
    if (!engine) return false;
    const int rate = static_cast<int>(engine->SampleRate());
    WavWriter wav;
    if (!wav.Open(path, rate, Channels)) {
        status = {MidiFailure::Other, wav.Problem()};
        return false;
    }
    info = {};
    info.sampleRate = rate;

    const std::uint8_t programChange[2] = {0xC0, DataByte(program)};
    engine->Play(programChange, 2);
    PlayNotes(*engine, c, velocity, true);

    std::vector<std::int16_t> block(BlockFrames * Channels);
    const long noteFrames = static_cast<long>(static_cast<unsigned long long>(ms) * rate / 1000);
    for (long done = 0; done < noteFrames;) {
        const long frames = std::min(BlockFrames, noteFrames - done);
        engine->Render(block.data(), static_cast<int>(frames));
        if (!wav.Append(block.data(), frames)) {
            status = {MidiFailure::Other, wav.Problem()};
            return false;
        }
        done += frames;
    }
    info.noteFrames = noteFrames;

    PlayNotes(*engine, c, velocity, false);
    const long maxRelease = static_cast<long>(MaxReleaseMs * rate / 1000);
    while (info.releaseFrames < maxRelease) {
        const long frames = std::min(BlockFrames, maxRelease - info.releaseFrames);
        engine->Render(block.data(), static_cast<int>(frames));
        if (!wav.Append(block.data(), frames)) {
            status = {MidiFailure::Other, wav.Problem()};
            return false;
        }
        info.releaseFrames += frames;
        if (engine->ActiveVoices() == 0 && Peak(block, frames) < SilencePeak) break;
    }
    if (!wav.Finish()) {
        status = {MidiFailure::Other, wav.Problem()};
        return false;
    }
    status = {};
    return true;
}

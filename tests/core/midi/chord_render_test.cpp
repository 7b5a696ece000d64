#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "core/midi/chord_render.h"
#include "core/midi/soundfont_path.h"
#include "core/midi/synth_output.h"
#include "core/services/file_names.h"
#include "core/services/profile.h"
#include "core/theory/chord.h"
#include "support/scratch_dir.h"

namespace {

std::uint32_t LE(const std::string& bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i) value |= std::uint32_t(std::uint8_t(bytes[at + i])) << (8 * i);
    return value;
}

// Root-mean-square level of frames [from, to) of 16-bit stereo data.
double Rms(const std::string& data, long from, long to)
{
    double sum = 0;
    for (long i = from * 2; i < to * 2; ++i) {
        const double s = std::int16_t(LE(data, std::size_t(i) * 2, 2));
        sum += s * s;
    }
    return to > from ? std::sqrt(sum / double((to - from) * 2)) : 0;
}

TEST(ChordRender, ATriadRendersAudiblyForItsTimeAndItsRelease)
{
    ScratchDir scratch;
    chord c;
    for (NOTES n : {51, 55, 58}) c.AddNote(n);  // C5 E5 G5: MIDI 48, 52, 55
    ChordRender info;
    MidiStatus status;
    ASSERT_TRUE(RenderChordToWav(scratch.File("triad.wav"), c, 0, 64, 500, info, status)) << status.detail;

    const std::string wav = scratch.Read("triad.wav");
    ASSERT_GE(wav.size(), 44u);
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(LE(wav, 4, 4), wav.size() - 8);
    EXPECT_EQ(LE(wav, 20, 2), 1u);  // PCM
    EXPECT_EQ(LE(wav, 22, 2), 2u);  // stereo
    EXPECT_EQ(LE(wav, 24, 4), 44100u);
    EXPECT_EQ(LE(wav, 34, 2), 16u);
    EXPECT_EQ(wav.substr(36, 4), "data");
    const long frames = long(LE(wav, 40, 4) / 4);
    EXPECT_EQ(wav.size(), 44u + std::size_t(frames) * 4);

    EXPECT_EQ(info.sampleRate, 44100);
    EXPECT_EQ(info.noteFrames, 22050);  // exactly 500 ms
    EXPECT_GT(info.releaseFrames, 0);
    EXPECT_LE(info.releaseFrames, long(MaxReleaseMs) * 44100 / 1000);
    EXPECT_EQ(frames, info.noteFrames + info.releaseFrames);

    const std::string data = wav.substr(44);
    const double held = Rms(data, 0, info.noteFrames);
    const double tail = Rms(data, frames - 1024, frames);
    EXPECT_GT(held, 100.0);      // about -50 dBFS: plainly audible
    EXPECT_LT(tail, held / 20);  // and it dies away
}

TEST(ChordRender, AFileThatCannotBeWrittenIsReported)
{
    ScratchDir scratch;
    scratch.Write("plain", "x");
    chord c;
    c.AddNote(63);
    ChordRender info;
    MidiStatus status;
    EXPECT_FALSE(RenderChordToWav(scratch.File("plain/out.wav"), c, 0, 64, 100, info, status));
    EXPECT_EQ(status.failure, MidiFailure::Other);
    EXPECT_NE(status.detail.find("plain/out.wav"), std::string::npos);
}

TEST(ChordRender, ASoundFontNamedInTheSettingsComesFirstAndABadOneIsPassedOver)
{
    ScratchDir scratch;
    scratch.Write("broken.sf2", "not a SoundFont");
    UseINIFileName(scratch.Write("cantrel.ini", "[Midi]\nSoundFont=broken.sf2\n").c_str());
    const auto candidates = SoundFontCandidates();
    ASSERT_GE(candidates.size(), 2u);  // the installed General MIDI one follows
    EXPECT_EQ(candidates.front(), scratch.File("broken.sf2"));

    chord c;
    c.AddNote(63);
    ChordRender info;
    MidiStatus status;
    EXPECT_TRUE(RenderChordToWav(scratch.File("out.wav"), c, 0, 64, 50, info, status)) << status.detail;

    UseINIFileName(scratch.Write("cantrel.ini", "[Midi]\nSoundFont=/no/such.sf2\n").c_str());
    EXPECT_EQ(SoundFontCandidates().front().find("/no/such"), std::string::npos);
    ForgetProfiles();
}

TEST(SynthesizerOutput, OpensWithOrWithoutAnAudioOutput)
{
    MidiStatus status;
    auto port = OpenSynthesizerOutput(status);
    ASSERT_TRUE(port) << status.detail;
    // Silent only when no audio output opened, and then it says so.
    EXPECT_EQ(port->Silent(), status.failure == MidiFailure::NoDriver);
    if (port->Silent()) {
        EXPECT_FALSE(status.detail.empty());
    }
    const std::uint8_t on[3] = {0x90, 60, 100};
    EXPECT_EQ(port->Send(on, 3), MidiFailure::None);
    port->Reset();
}

}  // namespace

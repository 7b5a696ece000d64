#include "midi_test_fixture.h"

#include <chrono>
#include <thread>

#include "core/midi/chord_sound.h"
#include "core/theory/chord.h"

namespace {

class ChordSoundTest : public MidiTest {
protected:
    void SetUp() override
    {
        MidiTest::SetUp();
        new MidiDev();  // the primary: the synthesizer, -1
    }

    static chord Triad(int output = 0, int program = 0)
    {
        chord c;
        c.notes[0] = 63;  // C6, MIDI 60
        c.notes[2] = 67;  // slot 1 empty
        c.notes[3] = 70;
        c.midiOutput = static_cast<std::int16_t>(output);
        c.program = program;
        return c;
    }

    static const std::vector<Bytes>& TriadOn()
    {
        static const std::vector<Bytes> on{{0x90, 60, 64}, {0x90, 64, 64}, {0x90, 67, 64}};
        return on;
    }
    static const std::vector<Bytes>& TriadOff()
    {
        static const std::vector<Bytes> off{{0x80, 60, 0}, {0x80, 64, 0}, {0x80, 67, 0}};
        return off;
    }
};

std::vector<Bytes> Joined(std::vector<Bytes> a, const std::vector<Bytes>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST_F(ChordSoundTest, SoundOnSendsProgramThenNotesInSlotOrder)
{
    chord c = Triad(0, 24);
    c.SoundOn();
    EXPECT_EQ(Sent(-1), Joined({{0xC0, 24}}, TriadOn()));
    EXPECT_EQ(c.soundCount, 1);
}

TEST_F(ChordSoundTest, ADeviceNamedByTheChordOpensOnFirstUse)
{
    chord c = Triad(3);
    EXPECT_EQ(capture->OutputOpenCount(1), 0);
    c.SoundOn();
    c.SoundOff();
    EXPECT_EQ(capture->OutputOpenCount(1), 1);
    // Devices other than the primary play at velocity 127.
    EXPECT_EQ(Sent(1), Joined({{0xC0, 0}, {0x90, 60, 127}, {0x90, 64, 127}, {0x90, 67, 127}}, TriadOff()));
    EXPECT_TRUE(Sent(-1).empty());
}

TEST_F(ChordSoundTest, SoundOffSilencesWhateverTheCount)
{
    chord c = Triad();
    c.SoundOn();
    c.SoundOn();
    capture->ClearMessages();
    c.SoundOff();
    EXPECT_EQ(c.soundCount, 1);
    EXPECT_EQ(Sent(), TriadOff());
    c.SoundOff();
    c.SoundOff();
    EXPECT_EQ(c.soundCount, 0);
    EXPECT_EQ(Sent().size(), 9u);
}

TEST_F(ChordSoundTest, WithoutAPrimaryDeviceNothingSounds)
{
    MidiDev::ReleaseDevices();
    capture->ClearMessages();
    chord c = Triad(0);
    c.SoundOn();
    c.SoundOff();
    EXPECT_EQ(capture->MessageCount(), 0u);
}

TEST_F(ChordSoundTest, TimedSoundEndsAfterItsTime)
{
    chord c = Triad();
    const auto start = std::chrono::steady_clock::now();
    c.TimedSound(60);
    EXPECT_EQ(Sent(), Joined({{0xC0, 0}}, TriadOn()));
    EXPECT_EQ(PendingTimedSounds(), 1);
    RunEventsFor(200);
    EXPECT_EQ(PendingTimedSounds(), 0);
    EXPECT_EQ(TimedSoundTimers(), 0);
    EXPECT_EQ(c.soundCount, 0);
    const auto messages = capture->Messages();
    ASSERT_EQ(messages.size(), 7u);
    EXPECT_EQ(Sent(), Joined(Joined({{0xC0, 0}}, TriadOn()), TriadOff()));
    EXPECT_GE(messages[4].time - start, std::chrono::milliseconds(60));
}

TEST_F(ChordSoundTest, TheFiftyFirstTimedChordIsRefused)
{
    std::vector<chord> chords(MaxTimedChords + 1, Triad());
    for (int i = 0; i < MaxTimedChords; ++i) chords[i].TimedSound(30);
    EXPECT_EQ(PendingTimedSounds(), MaxTimedChords);
    capture->ClearMessages();
    chords.back().TimedSound(30);
    ASSERT_EQ(errors.reports.size(), 1u);  // 33140 has no text of its own
    EXPECT_EQ(errors.reports[0].text, "Internal error : 8174.  Please contact customer support.");
    EXPECT_EQ(capture->MessageCount(), 0u);
    EXPECT_EQ(chords.back().soundCount, 0);

    RunEventsFor(120);
    EXPECT_EQ(PendingTimedSounds(), 0);
    EXPECT_EQ(Sent().size(), 3u * MaxTimedChords);  // every note-off, nothing else
    chords.back().TimedSound(30);
    EXPECT_EQ(PendingTimedSounds(), 1);
    RunEventsFor(80);
}

TEST_F(ChordSoundTest, ADestroyedPendingChordLeavesNoTimer)
{
    {
        chord c = Triad();
        c.TimedSound(40);
        chord untouched = Triad(3);
        untouched.TimedSound(40);
        EXPECT_EQ(TimedSoundTimers(), 2);
        capture->ClearMessages();
    }
    EXPECT_EQ(PendingTimedSounds(), 0);
    RunEventsFor(120);
    EXPECT_EQ(TimedSoundTimers(), 0);
    EXPECT_EQ(capture->MessageCount(), 0u);  // never sounded off
}

TEST_F(ChordSoundTest, AChordTimedTwiceEndsOnceAndLeavesNoTimer)
{
    chord c = Triad();
    c.TimedSound(30);
    c.TimedSound(300);
    EXPECT_EQ(c.soundCount, 2);
    capture->ClearMessages();
    RunEventsFor(100);
    EXPECT_EQ(Sent(), TriadOff());
    EXPECT_EQ(c.soundCount, 1);
    EXPECT_EQ(PendingTimedSounds(), 0);
    EXPECT_EQ(TimedSoundTimers(), 0);
}

TEST_F(ChordSoundTest, NoTimerWithoutAnEventLoop)
{
    chord c = Triad();
    std::thread([&c] { c.TimedSound(30); }).join();
    ASSERT_EQ(errors.reports.size(), 1u);
    EXPECT_EQ(errors.reports[0].text, "Internal error : 8175.  Please contact customer support.");
    EXPECT_EQ(capture->MessageCount(), 0u);
    EXPECT_EQ(PendingTimedSounds(), 0);
}

}  // namespace

#include "midi_listener.h"
#include "midi_test_fixture.h"

#include <QObject>

#include <atomic>
#include <thread>

#include "core/midi/midi_event_queue.h"
#include "core/midi/midi_input.h"

namespace {

std::uint32_t Packed(std::uint8_t status, std::uint8_t d1 = 0, std::uint8_t d2 = 0)
{
    return status | (d1 << 8) | (d2 << 16);
}

std::string Line(std::uint32_t message, std::int32_t status = 0)
{
    event_tag ev{status, 0, 0, message};
    char out[DisplayTextSize];
    GetDisplayText(out, &ev);
    return out;
}

class MidiInputTest : public MidiTest {
protected:
    void TearDown() override
    {
        for (Listener* l : {&a, &b}) UninitializeMidiInput(l);
        MidiTest::TearDown();
    }

    // Feeds `count` note-ons numbered through their data bytes, from a second
    // thread as a device would.
    void FeedFromThread(int device, int count, int first = 0)
    {
        std::thread([=, this] {
            for (int i = first; i < first + count; ++i)
                capture->Feed(device, {Packed(0x90, i & 0x7F, (i >> 7) & 0x7F), std::uint32_t(i), false});
        }).join();
    }

    Listener a;
    Listener b;
};

TEST(MidiDisplayText, LinesWordForWord)
{
    EXPECT_EQ(Line(Packed(0x93, 60, 0)), "Note Off             \tNote=60\tVelocity=0\tChannel=3\t");
    EXPECT_EQ(Line(Packed(0x90, 64, 100)), "Note On              \tNote=64\tVelocity=100\tChannel=0\t");
    EXPECT_EQ(Line(Packed(0x8F, 1, 2)), "Note Off             \tNote=1\tVelocity=2\tChannel=15\t");
    EXPECT_EQ(Line(Packed(0xB1, 7, 127)), "Control Change       \t7\t127\tChannel=1\t");
    EXPECT_EQ(Line(Packed(0xA2, 5, 6)), "Key Aftertouch       \t5\t6\tChannel=2\t");
    EXPECT_EQ(Line(Packed(0xE0, 0, 64)), "Pitch Bend           \t0\t64\tChannel=0\t");
    EXPECT_EQ(Line(Packed(0xC4, 24, 99)), "Program Change       \t24\t\tChannel=4\t");
    EXPECT_EQ(Line(Packed(0xD0, 9)), "Channel Aftertouch   \t9\t\tChannel=0\t");
    EXPECT_EQ(Line(Packed(0xF1, 3)), "MTC Quarter Frame    \t3\t\t\t");
    EXPECT_EQ(Line(Packed(0xF3, 2)), "Song Select          \t2\t\t\t");
    EXPECT_EQ(Line(Packed(0xF2, 1, 2)), "Song Position Pointer\t1\t2\t\t");
    EXPECT_EQ(Line(Packed(0xF8)), "Timing Clock         \t\t\t\t");
    EXPECT_EQ(Line(Packed(0xFD)), "Undefined            \t\t\t\t");
    EXPECT_EQ(Line(Packed(0xFF)), "System Reset         \t\t\t\t");
    EXPECT_EQ(Line(Packed(0x40, 1, 2)), "Unknown Event        \t1\t2\t\t");
    EXPECT_EQ(Line(Packed(0xFE), EventOutOfSync), "Active Sensing       \t\t\t\t(Out of sync)");
}

TEST_F(MidiInputTest, EventsArriveInOrderOnTheListenersThread)
{
    ASSERT_EQ(InitializeMidiInput(2, &a), 1);
    std::thread([this] {
        capture->Feed(2, {Packed(0x90, 60, 64), 5, false});
        capture->Feed(2, {Packed(0xFE), 9, true});
        capture->Feed(2, {Packed(0x80, 60, 0), 12, false});
    }).join();
    EXPECT_TRUE(a.received.empty());  // nothing until the loop runs
    RunEventsFor(0);
    ASSERT_EQ(a.received.size(), 3u);
    EXPECT_EQ(a.received[0].message, Packed(0x90, 60, 64));
    EXPECT_EQ(a.received[0].device, 2);
    EXPECT_EQ(a.received[0].time, 5u);
    EXPECT_EQ(a.received[0].status, 0);
    EXPECT_EQ(a.received[1].status, EventOutOfSync);
    EXPECT_EQ(a.received[2].time, 12u);
}

TEST_F(MidiInputTest, TwoListenersShareOneDevice)
{
    ASSERT_EQ(InitializeMidiInput(0, &a), 1);
    ASSERT_EQ(InitializeMidiInput(0, &b), 1);
    EXPECT_EQ(capture->OpenInputs(), 1);
    FeedFromThread(0, 5);
    RunEventsFor(0);
    EXPECT_EQ(a.received.size(), 5u);
    EXPECT_EQ(b.received.size(), 5u);

    UninitializeMidiInput(&a);
    EXPECT_EQ(capture->OpenInputs(), 1);
    FeedFromThread(0, 2, 5);
    RunEventsFor(0);
    EXPECT_EQ(a.received.size(), 5u);
    ASSERT_EQ(b.received.size(), 7u);
    EXPECT_EQ(b.received[6].time, 6u);

    UninitializeMidiInput(&b);
    EXPECT_EQ(capture->OpenInputs(), 0);
    EXPECT_FALSE(capture->Feed(0, {Packed(0x90, 1, 1), 0, false}));
}

TEST_F(MidiInputTest, AFullQueueDropsOnlyItsOwnEvents)
{
    Listener idle(false);
    ASSERT_EQ(InitializeMidiInput(0, &idle), 1);
    ASSERT_EQ(InitializeMidiInput(0, &a), 1);
    FeedFromThread(0, 3200);
    RunEventsFor(0);  // a reads its events; idle leaves them queued
    EXPECT_EQ(PendingMidiEvents(&idle), 3200);
    EXPECT_FALSE(MidiEventsLost(&idle));

    FeedFromThread(0, 10, 3200);
    RunEventsFor(0);
    EXPECT_EQ(PendingMidiEvents(&idle), 3200);
    EXPECT_TRUE(MidiEventsLost(&idle));
    ASSERT_EQ(a.received.size(), 3210u);
    EXPECT_FALSE(MidiEventsLost(&a));
    for (std::size_t i = 0; i < a.received.size(); ++i) ASSERT_EQ(a.received[i].time, i);
    UninitializeMidiInput(&idle);
}

TEST_F(MidiInputTest, NothingIsLostWhileBothSidesRun)
{
    ASSERT_EQ(InitializeMidiInput(1, &a), 1);
    constexpr int Total = 20000;
    std::atomic<bool> done{false};
    std::thread producer([&] {
        for (int i = 0; i < Total; ++i) {
            // Stays within the ring so that every event must come through.
            while (i - a.taken >= MidiEventQueue::Capacity / 2) std::this_thread::yield();
            capture->Feed(1, {Packed(0xB0, i & 0x7F, (i >> 7) & 0x7F), std::uint32_t(i), false});
        }
        done = true;
    });
    while (!done) QCoreApplication::processEvents();
    producer.join();
    RunEventsFor(0);
    ASSERT_FALSE(MidiEventsLost(&a));
    ASSERT_EQ(a.received.size(), std::size_t(Total));
    for (int i = 0; i < Total; ++i) ASSERT_EQ(a.received[i].message, Packed(0xB0, i & 0x7F, (i >> 7) & 0x7F));
}

TEST_F(MidiInputTest, EventsPostedBeforeUnregisteringAreNotDelivered)
{
    ASSERT_EQ(InitializeMidiInput(0, &a), 1);
    FeedFromThread(0, 3);
    UninitializeMidiInput(&a);
    RunEventsFor(0);
    EXPECT_EQ(a.posted, 0);
    event_tag ev{};
    EXPECT_EQ(GetMidiEvent(0, 12345, &ev), 0);  // no such queue
}

TEST_F(MidiInputTest, ANinthListenerIsRefused)
{
    std::vector<std::unique_ptr<Listener>> listeners;
    for (int i = 0; i < MaxMidiListeners; ++i) {
        listeners.push_back(std::make_unique<Listener>());
        ASSERT_EQ(InitializeMidiInput(i % 4, listeners.back().get()), 1);
    }
    EXPECT_EQ(InitializeMidiInput(0, &a), 0);
    EXPECT_EQ(errors.Numbers(), std::vector<int>{450});
    UninitializeMidiInput(listeners[0].get());
    EXPECT_EQ(InitializeMidiInput(0, &a), 1);
    for (auto& l : listeners) UninitializeMidiInput(l.get());
    EXPECT_EQ(capture->OpenInputs(), 1);
}

TEST_F(MidiInputTest, AnInputThatWillNotOpenIsReported)
{
    capture->SetInputNames({"Keys 24:0"});
    capture->FailInputOpen(0, {MidiFailure::Allocated, "port busy"});
    EXPECT_EQ(InitializeMidiInput(0, &a), 0);
    EXPECT_EQ(InitializeMidiInput(5, &a), 0);
    ASSERT_EQ(errors.Numbers(), (std::vector<int>{451, 451}));
    EXPECT_EQ(errors.reports[0].text, "There was an error opening the MIDI device (Keys 24:0) for input: port busy");
    EXPECT_NE(errors.reports[1].text.find("(Input 5)"), std::string::npos);
    EXPECT_EQ(capture->OpenInputs(), 0);
}

}  // namespace

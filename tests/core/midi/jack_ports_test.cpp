// Real MIDI ports: a private JACK server on the dummy driver stands in for
// the machine's MIDI system, and test programs on it for the keyboards and
// sound modules a user plugs in. Skipped when jackd is not installed.
#include "midi_listener.h"
#include "midi_port_peer.h"
#include "midi_test_fixture.h"

#include <gmock/gmock.h>

#include <QElapsedTimer>

#include <algorithm>
#include <functional>
#include <mutex>
#include <thread>

#include "core/midi/audio_output.h"
#include "core/midi/synth_engine.h"
#include "core/midi/system_backend.h"
#include "core/theory/chord.h"
#include "jack_server.h"

namespace {

using ::testing::HasSubstr;

void Ignore(void*, const MidiInputMessage&) {}

int IndexOf(const std::vector<std::string>& names, const std::string& name)
{
    const auto at = std::find(names.begin(), names.end(), name);
    return at == names.end() ? -1 : static_cast<int>(at - names.begin());
}

// The bytes of a received event, as many as its status byte calls for.
Bytes BytesOf(const event_tag& ev)
{
    const std::uint8_t status = ev.message & 0xFF;
    const int size = (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 2 : 3;
    Bytes bytes;
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<std::uint8_t>(ev.message >> (8 * i)));
    return bytes;
}

std::vector<Bytes> BytesOf(const std::vector<event_tag>& events)
{
    std::vector<Bytes> all;
    for (const auto& ev : events) all.push_back(BytesOf(ev));
    return all;
}

// Equal lists, or the first message that differs.
testing::AssertionResult SameMessages(const std::vector<Bytes>& got, const std::vector<Bytes>& sent)
{
    if (got.size() != sent.size())
        return testing::AssertionFailure() << got.size() << " messages came, " << sent.size() << " were sent";
    const auto differ = std::mismatch(got.begin(), got.end(), sent.begin());
    if (differ.first == got.end()) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "message " << (differ.first - got.begin()) << " is "
                                       << testing::PrintToString(*differ.first) << ", sent "
                                       << testing::PrintToString(*differ.second);
}

class JackPortsTest : public MidiTest {
protected:
    static void SetUpTestSuite()
    {
        server = new JackServer;
        server->Start();
    }
    static void TearDownTestSuite()
    {
        delete server;
        server = nullptr;
    }

    void SetUp() override
    {
        MidiTest::SetUp();
        if (!server->Running()) GTEST_SKIP() << "no JACK server for real MIDI ports: " << server->Why();
        capture = nullptr;
        SetMidiBackend(std::make_unique<SystemBackend>(MidiPortSystem::Jack));
    }
    void TearDown() override
    {
        UninitializeMidiInput(&listener);
        MidiTest::TearDown();
    }

    static int OutputOf(const MidiPortPeer& peer)
    {
        return IndexOf(CurrentMidiBackend().OutputNames(), peer.SinkName());
    }
    static int InputOf(const MidiPortPeer& peer)
    {
        return IndexOf(CurrentMidiBackend().InputNames(), peer.SourceName());
    }

    // Runs the event loop until `l` has taken `count` events (ArrivalLimit at most).
    static bool WaitForEvents(const Listener& l, std::size_t count)
    {
        QElapsedTimer clock;
        clock.start();
        while (l.received.size() < count && clock.elapsed() < ArrivalLimit.count())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        return l.received.size() >= count;
    }

    // JACK makes a new connection live at a cycle of its own choosing, so
    // probes numbered 0, 1, ... are sent every 20 ms until the listeners hear
    // one (ArrivalLimit at most). What comes through arrives in order: once the last
    // probe sent is heard, no more are on their way, and all are forgotten.
    static bool WaitUntilConnected(const std::function<void(std::uint8_t)>& probe,
                                   std::initializer_list<Listener*> listeners)
    {
        Listener& first = **listeners.begin();
        QElapsedTimer clock;
        clock.start();
        std::uint8_t sent = 0;
        while (first.received.empty() && clock.elapsed() < ArrivalLimit.count()) {
            probe(sent++ & 0x7F);
            QElapsedTimer pause;
            pause.start();
            while (first.received.empty() && pause.elapsed() < 20)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        const std::uint32_t last = (sent - 1) & 0x7F;
        auto allHeard = [&listeners, last] {
            return std::all_of(listeners.begin(), listeners.end(), [last](const Listener* l) {
                return !l->received.empty() && ((l->received.back().message >> 8) & 0x7F) == last;
            });
        };
        while (!allHeard() && clock.elapsed() < 2 * ArrivalLimit.count()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        const bool heard = allHeard();
        for (Listener* l : listeners) l->received.clear();
        return heard;
    }

    static JackServer* server;
    Listener listener;
};

JackServer* JackPortsTest::server = nullptr;

TEST_F(JackPortsTest, ListsTheOtherProgramsPortsButNeverOurOwn)
{
    MidiPortPeer keys("Cantrel Test Keys");
    MidiBackend& backend = CurrentMidiBackend();
    const MidiStatus ports = backend.PortStatus();
    EXPECT_TRUE(ports.Ok()) << ports.detail;
    const auto outputs = backend.OutputNames();
    const auto inputs = backend.InputNames();
    const int out = IndexOf(outputs, keys.SinkName());
    const int in = IndexOf(inputs, keys.SourceName());
    ASSERT_GE(out, 0) << testing::PrintToString(outputs);
    ASSERT_GE(in, 0) << testing::PrintToString(inputs);

    // Our open ports are on the server too, under client names JACK numbers.
    MidiStatus status;
    auto output = backend.OpenOutput(out, status);
    ASSERT_TRUE(output) << status.detail;
    auto input = backend.OpenInput(in, Ignore, nullptr, status);
    ASSERT_TRUE(input) << status.detail;
    EXPECT_EQ(backend.OutputNames(), outputs);
    EXPECT_EQ(backend.InputNames(), inputs);

    // The dialogs' lists: the synthesizer, then the ports by their numbers.
    TComboBoxData list;
    MidiDev::FillMidiDevList(list, 0, true);
    std::vector<std::string> expected{"[Default]", SynthesizerName};
    expected.insert(expected.end(), outputs.begin(), outputs.end());
    EXPECT_EQ(list.strings, expected);
    list.Clear();
    MidiDev::FillMidiDevList(list, 1, false);
    expected = {"[None]"};
    expected.insert(expected.end(), inputs.begin(), inputs.end());
    EXPECT_EQ(list.strings, expected);
}

// Out through our output port, through a thru box, back in through our
// input port, to the listener on the user-interface thread.
TEST_F(JackPortsTest, AChordSoundedOnAPortComesBackByteForByteThroughOurInput)
{
    WriteIni("[Midi]\nVelocity=100\n");
    MidiPortPeer thru("Cantrel Test Thru", true);
    const int out = OutputOf(thru);
    const int in = InputOf(thru);
    ASSERT_GE(out, 0);
    ASSERT_GE(in, 0);
    ASSERT_EQ(InitializeMidiInput(in, &listener), 1);
    MidiDev* device = MidiDev::MidiOut(out);
    ASSERT_TRUE(device && device->handle);
    ASSERT_TRUE(WaitUntilConnected([device](std::uint8_t i) { device->Note(15, 3 + i, 0); }, {&listener}));
    thru.Clear();

    chord c;
    c.notes[0] = 63;  // MIDI 60
    c.notes[2] = 67;
    c.notes[5] = 70;
    c.midiOutput = static_cast<std::int16_t>(out + 2);
    c.program = 24;
    c.SoundOn();
    c.SoundOff();

    const std::vector<Bytes> expected{{0xC0, 24},    {0x90, 60, 100}, {0x90, 64, 100}, {0x90, 67, 100},
                                      {0x80, 60, 0}, {0x80, 64, 0},   {0x80, 67, 0}};
    EXPECT_EQ(thru.WaitForReceived(expected.size()), expected);
    ASSERT_TRUE(WaitForEvents(listener, expected.size())) << listener.received.size() << " events";
    EXPECT_EQ(BytesOf(listener.received), expected);
    for (std::size_t i = 0; i < listener.received.size(); ++i) {
        EXPECT_EQ(listener.received[i].device, in);
        EXPECT_EQ(listener.received[i].status, 0);
        if (i > 0) {
            EXPECT_GE(listener.received[i].time, listener.received[i - 1].time);
        }
    }
    char text[DisplayTextSize];
    GetDisplayText(text, &listener.received[1]);
    EXPECT_STREQ(text, "Note On              \tNote=60\tVelocity=100\tChannel=0\t");
    EXPECT_TRUE(errors.Empty());
    EXPECT_EQ(beeps, 0);
}

TEST_F(JackPortsTest, ClosingADeviceSilencesItBeforeThePortGoes)
{
    MidiPortPeer keys("Cantrel Test Keys");
    const int out = OutputOf(keys);
    ASSERT_GE(out, 0);
    MidiDev* device = MidiDev::MidiOut(out);
    ASSERT_TRUE(device && device->handle);
    device->Note(0, 63, 1);
    MidiDev::ReleaseDevices();

    // The note, note-off for MIDI notes 0-124, then three controllers
    // (all sound off, reset, all notes off) on each of the 16 channels.
    const std::size_t sweep = 1 + 125 + 16 * 3;
    const auto received = keys.WaitForReceived(sweep);
    ASSERT_EQ(received.size(), sweep);
    EXPECT_EQ(received[0], (Bytes{0x90, 60, 127}));
    EXPECT_EQ(received[1], (Bytes{0x80, 0, 0}));
    EXPECT_EQ(received[125], (Bytes{0x80, 124, 0}));
    EXPECT_EQ(received[126], (Bytes{0xB0, 120, 0}));
    EXPECT_EQ(received.back(), (Bytes{0xBF, 123, 0}));
}

TEST_F(JackPortsTest, TwoListenersOfOnePortEachGetEveryEventOfABurstInOrder)
{
    MidiPortPeer keys("Cantrel Test Keys");
    const int in = InputOf(keys);
    ASSERT_GE(in, 0);
    Listener second;
    ASSERT_EQ(InitializeMidiInput(in, &listener), 1);
    ASSERT_EQ(InitializeMidiInput(in, &second), 1);
    ASSERT_TRUE(WaitUntilConnected([&keys](std::uint8_t i) { keys.Send({0x8F, i, 0}); }, {&listener, &second}));

    constexpr int Burst = 300;
    std::vector<Bytes> sent;
    for (int i = 0; i < Burst; ++i) {
        sent.push_back({0x90, static_cast<std::uint8_t>(i & 0x7F), static_cast<std::uint8_t>(1 + (i >> 7))});
        keys.Send(sent.back());
    }
    EXPECT_TRUE(WaitForEvents(listener, Burst));
    EXPECT_TRUE(WaitForEvents(second, Burst));
    EXPECT_TRUE(SameMessages(BytesOf(listener.received), sent));
    EXPECT_TRUE(SameMessages(BytesOf(second.received), sent));
    EXPECT_FALSE(MidiEventsLost(&listener));
    UninitializeMidiInput(&second);
}

// JACK hands input over inside its process cycle; a handler slower than the
// cycle (posting to a busy user-interface thread) must still get every event.
TEST_F(JackPortsTest, ASlowHandlerStillGetsEveryEventOfABurst)
{
    struct Slow {
        std::mutex mutex;
        std::vector<Bytes> got;
        static void Handle(void* self, const MidiInputMessage& m)
        {
            std::this_thread::sleep_for(std::chrono::microseconds(100));
            auto* slow = static_cast<Slow*>(self);
            std::lock_guard lock(slow->mutex);
            slow->got.push_back(BytesOf(event_tag{0, 0, m.time, m.message}));
        }
        std::size_t Count()
        {
            std::lock_guard lock(mutex);
            return got.size();
        }
    } slow;
    MidiPortPeer keys("Cantrel Test Keys");
    const int in = InputOf(keys);
    ASSERT_GE(in, 0);
    MidiStatus status;
    auto input = CurrentMidiBackend().OpenInput(in, &Slow::Handle, &slow, status);
    ASSERT_TRUE(input) << status.detail;
    input->Start();

    // Numbered probes until the connection is live, as WaitUntilConnected.
    QElapsedTimer clock;
    clock.start();
    std::uint8_t probe = 0;
    while (slow.Count() == 0 && clock.elapsed() < ArrivalLimit.count()) {
        keys.Send({0x8F, probe++, 0});
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    auto lastHeard = [&slow, last = Bytes{0x8F, static_cast<std::uint8_t>(probe - 1), 0}] {
        std::lock_guard lock(slow.mutex);
        return !slow.got.empty() && slow.got.back() == last;
    };
    while (!lastHeard() && clock.elapsed() < 2 * ArrivalLimit.count()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_TRUE(lastHeard());
    const std::size_t probes = slow.Count();

    constexpr int Burst = 200;
    std::vector<Bytes> sent;
    for (int i = 0; i < Burst; ++i) {
        sent.push_back({0xB0, 7, static_cast<std::uint8_t>(i & 0x7F)});
        keys.Send(sent.back());
    }
    clock.restart();
    while (slow.Count() < probes + Burst && clock.elapsed() < ArrivalLimit.count())
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    input.reset();
    EXPECT_TRUE(SameMessages({slow.got.begin() + probes, slow.got.end()}, sent));
}

TEST_F(JackPortsTest, ThePrimaryDeviceFindsItsPortByNameWhenTheNumberHasMoved)
{
    MidiPortPeer keys("Cantrel Test Keys");
    MidiPortPeer organ("Cantrel Test Organ");
    const int keysAt = OutputOf(keys);
    const int organAt = OutputOf(organ);
    ASSERT_GE(keysAt, 0);
    ASSERT_GE(organAt, 0);

    // The number now belongs to the organ; the name says the keys.
    WriteIni("[Midi]\nOutDeviceID=" + std::to_string(organAt) + "\nOutDeviceName=" + keys.SinkName() + "\n");
    auto* primary = new MidiDev();
    ASSERT_TRUE(primary->handle);
    EXPECT_EQ(primary->deviceId, keysAt);
    primary->Note(0, 63, 1);
    EXPECT_EQ(keys.WaitForReceived(1), (std::vector<Bytes>{{0x90, 60, 64}}));
    EXPECT_TRUE(organ.Received().empty());
    EXPECT_TRUE(errors.Empty());

    // Choosing ports in the preferences keeps their names with their numbers.
    const int organInAt = InputOf(organ);
    ASSERT_GE(organInAt, 0);
    MidiDev::SetMidiSettings(organInAt, organAt, 0, 64);
    EXPECT_THAT(IniText(), HasSubstr("OutDeviceName=" + organ.SinkName()));
    EXPECT_THAT(IniText(), HasSubstr("InDeviceName=" + organ.SourceName()));
    int in = 0, outId = 0, names = 0, velocity = 0;
    MidiDev::GetMidiSettings(in, outId, names, velocity);
    EXPECT_EQ(outId, organAt);
    EXPECT_EQ(in, organInAt);
}

TEST_F(JackPortsTest, TheInputSettingFindsItsPortByNameWhenTheNumberHasMoved)
{
    MidiPortPeer keys("Cantrel Test Keys");
    MidiPortPeer organ("Cantrel Test Organ");
    const int keysAt = InputOf(keys);
    const int organAt = InputOf(organ);
    ASSERT_GE(keysAt, 0);
    ASSERT_GE(organAt, 0);
    WriteIni("[Midi]\nInDeviceID=" + std::to_string(organAt) + "\nInDeviceName=" + keys.SourceName() + "\n");
    int in = 0, out = 0, names = 0, velocity = 0;
    MidiDev::GetMidiSettings(in, out, names, velocity);
    EXPECT_EQ(in, keysAt);

    // A remembered port that is not there leaves the number as it was.
    WriteIni("[Midi]\nInDeviceID=" + std::to_string(organAt) + "\nInDeviceName=Cantrel Test Gone:out\n");
    MidiDev::GetMidiSettings(in, out, names, velocity);
    EXPECT_EQ(in, organAt);
}

// A keyboard unplugged while we use it: its ports leave the lists, sending
// to where it was goes nowhere, and closing is clean.
TEST_F(JackPortsTest, APeerThatGoesAwayWhilePortsAreOpenLeavesUsRunning)
{
    auto keys = std::make_unique<MidiPortPeer>("Cantrel Test Keys");
    const std::string sinkName = keys->SinkName();
    const int out = OutputOf(*keys);
    const int in = InputOf(*keys);
    ASSERT_GE(out, 0);
    ASSERT_GE(in, 0);
    MidiDev* device = MidiDev::MidiOut(out);
    ASSERT_TRUE(device && device->handle);
    ASSERT_EQ(InitializeMidiInput(in, &listener), 1);

    keys.reset();
    EXPECT_EQ(IndexOf(CurrentMidiBackend().OutputNames(), sinkName), -1);
    EXPECT_EQ(device->Note(0, 63, 1), 0);
    EXPECT_EQ(device->Note(0, 63, 0), 0);
    EXPECT_EQ(UninitializeMidiInput(&listener), 1);
    MidiDev::ReleaseDevices();
    EXPECT_TRUE(errors.Empty());
    EXPECT_EQ(beeps, 0);
}

TEST_F(JackPortsTest, APrimaryWhosePortIsGoneSaysSoAndPlaysNoOtherPort)
{
    MidiPortPeer organ("Cantrel Test Organ");
    const int organAt = OutputOf(organ);
    ASSERT_GE(organAt, 0);
    WriteIni("[Midi]\nOutDeviceID=" + std::to_string(organAt) + "\nOutDeviceName=Cantrel Test Gone:in\n");
    auto* primary = new MidiDev();
    EXPECT_FALSE(primary->handle);
    EXPECT_EQ(errors.Numbers(), std::vector<int>{415});
    EXPECT_EQ(primary->Note(0, 63, 1), 1);
    EXPECT_TRUE(organ.WaitForReceived(1, std::chrono::milliseconds(100)).empty());
}

TEST_F(JackPortsTest, TheSynthesizerPlaysThroughJackAudio)
{
    MidiStatus status;
    auto engine = SynthEngine::Create(status);
    ASSERT_TRUE(engine) << status.detail;
    std::string why;
    fluid_audio_driver_t* driver = OpenAudioDriver(engine->Settings(), engine->Synth(), "jack", why);
    ASSERT_NE(driver, nullptr) << why;
    // A closed hi-hat dies away within a fraction of a second, but only
    // while the server pulls the synthesizer's sound.
    const std::uint8_t hiHat[3] = {0x99, 42, 100};
    engine->Play(hiHat, 3);
    EXPECT_GT(engine->ActiveVoices(), 0);
    QElapsedTimer clock;
    clock.start();
    while (engine->ActiveVoices() > 0 && clock.elapsed() < ArrivalLimit.count())
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(engine->ActiveVoices(), 0);
    delete_fluid_audio_driver(driver);

    // Output -1 as a user gets it: some audio output opens, so no message.
    auto synth = CurrentMidiBackend().OpenOutput(MidiDev::Mapper, status);
    ASSERT_TRUE(synth) << status.detail;
    EXPECT_TRUE(status.Ok()) << status.detail;
    EXPECT_FALSE(synth->Silent());
}

}  // namespace

namespace {

// Another program connecting to ports it finds by name, as a patch bay would.
class ConnectingProgram {
public:
    ConnectingProgram()
        : out_(RtMidi::UNIX_JACK, "Cantrel Test Player"), in_(RtMidi::UNIX_JACK, "Cantrel Test Recorder")
    {
        in_.setCallback(
            [](double, std::vector<unsigned char>* m, void* self) {
                auto* me = static_cast<ConnectingProgram*>(self);
                std::lock_guard lock(me->mutex_);
                me->received_.emplace_back(m->begin(), m->end());
            },
            this);
    }
    static bool Connect(RtMidi& client, const std::string& name)
    {
        for (unsigned i = 0; i < client.getPortCount(); ++i)
            if (client.getPortName(i) == name) {
                client.openPort(i);
                return true;
            }
        return false;
    }
    bool SendTo(const std::string& name) { return Connect(out_, name); }
    bool ListenTo(const std::string& name) { return Connect(in_, name); }
    void Send(const Bytes& m) { out_.sendMessage(&m); }
    std::vector<Bytes> Received()
    {
        std::lock_guard lock(mutex_);
        return received_;
    }

private:
    std::mutex mutex_;
    std::vector<Bytes> received_;
    RtMidiOut out_;
    RtMidiIn in_;
};

std::string Named(const std::vector<std::string>& names, const std::string& port)
{
    for (const auto& n : names)
        if (n.size() > port.size() && n.compare(n.size() - port.size(), port.size(), port) == 0) return n;
    return {};
}

// Our own input and output: other programs connect to them; we list them
// last, so the preferences can choose them like any port.
TEST_F(JackPortsTest, OurOwnPortsTakeConnectionsFromOtherPrograms)
{
    MidiBackend& backend = CurrentMidiBackend();
    const MidiStatus offered = backend.OfferOwnPorts();
    ASSERT_TRUE(offered.Ok()) << offered.detail;
    const auto inputs = backend.InputNames();
    const auto outputs = backend.OutputNames();
    ASSERT_FALSE(inputs.empty());
    ASSERT_FALSE(outputs.empty());
    EXPECT_EQ(inputs.back(), "Cantrel Studio:In");
    EXPECT_EQ(outputs.back(), "Cantrel Studio:Out");
    const auto onServer = backend.OwnPortsOnTheSystem();
    const std::string ownIn = Named(onServer, ":In");
    const std::string ownOut = Named(onServer, ":Out");
    EXPECT_EQ(ownOut, "Cantrel Studio:Out") << "the first of our clients has the plain name";
    EXPECT_THAT(ownIn, testing::StartsWith("Cantrel Studio"));
    EXPECT_EQ(onServer.size(), 2u) << testing::PrintToString(onServer);

    ConnectingProgram player;
    ASSERT_TRUE(player.SendTo(ownIn));
    ASSERT_TRUE(player.ListenTo(ownOut));
    ASSERT_EQ(InitializeMidiInput(static_cast<int>(inputs.size()) - 1, &listener), 1);
    ASSERT_TRUE(WaitUntilConnected([&player](std::uint8_t i) { player.Send({0x8F, i, 0}); }, {&listener}));
    player.Send({0x90, 60, 100});
    ASSERT_TRUE(WaitForEvents(listener, 1));
    EXPECT_EQ(BytesOf(listener.received), (std::vector<Bytes>{{0x90, 60, 100}}));

    MidiDev* device = MidiDev::MidiOut(static_cast<int>(outputs.size()) - 1);
    ASSERT_TRUE(device && device->handle);
    QElapsedTimer clock;
    clock.start();
    while (player.Received().empty() && clock.elapsed() < ArrivalLimit.count()) {
        device->Note(0, 63, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_FALSE(player.Received().empty());
    EXPECT_EQ(player.Received().front(), (Bytes{0x80, 60, 0}));
    EXPECT_TRUE(errors.Empty());
}

}  // namespace

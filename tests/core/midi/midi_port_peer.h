#pragma once
// Another program on the JACK server, played by a test: a sink port that
// records what reaches it and a source port the test sends from. In thru
// mode the sink passes everything on to the source, as a MIDI thru box does,
// so that what our output sends comes back through our input.

#include <rtmidi/RtMidi.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// How long a message may take through the server before a test gives up;
// waits end as soon as it comes, so only a loaded machine ever uses it all.
constexpr std::chrono::milliseconds ArrivalLimit{10000};

class MidiPortPeer {
public:
    using Bytes = std::vector<std::uint8_t>;

    // Two JACK clients, "<name>" with port "in" and "<name> Source" with
    // port "out".
    explicit MidiPortPeer(const std::string& name, bool thru = false);
    ~MidiPortPeer();
    MidiPortPeer(const MidiPortPeer&) = delete;
    MidiPortPeer& operator=(const MidiPortPeer&) = delete;

    // The names our backend lists them by.
    std::string SinkName() const { return name_ + ":in"; }
    std::string SourceName() const { return name_ + " Source:out"; }

    void Send(const Bytes& message);
    // Waits up to `limit` for `count` messages; returns what arrived.
    std::vector<Bytes> WaitForReceived(std::size_t count, std::chrono::milliseconds limit = ArrivalLimit);
    std::vector<Bytes> Received();
    void Clear();

private:
    static void Receive(double, std::vector<unsigned char>* message, void* self);

    std::string name_;
    bool thru_;
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<Bytes> received_;
    std::unique_ptr<RtMidiOut> source_;
    std::unique_ptr<RtMidiIn> sink_;  // goes first: its callback uses the rest
};

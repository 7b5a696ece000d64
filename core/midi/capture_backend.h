#pragma once
// A MIDI backend that plays nothing and records everything, so that tests
// and benchmarks can check the exact bytes sent, their order and their time,
// and feed input as a device would (from any thread).

#include <chrono>
#include <cstdint>
#include <map>
#include <mutex>
#include <vector>

#include "core/midi/midi_backend.h"

struct CapturedMessage {
    enum Kind { Short, Reset };
    int device = 0;  // output identifier (-1 and up)
    Kind kind = Short;
    std::uint8_t bytes[3] = {};
    int size = 0;
    std::chrono::steady_clock::time_point time;
};

class CaptureBackend : public MidiBackend {
public:
    CaptureBackend(int outputs = 4, int inputs = 4);
    ~CaptureBackend() override;

    std::vector<std::string> OutputNames() override;
    std::string MapperName() override;
    std::vector<std::string> InputNames() override;
    std::unique_ptr<MidiOutputPort> OpenOutput(int id, MidiStatus& status) override;
    std::unique_ptr<MidiInputPort> OpenInput(int id, MidiInputHandler handler, void* context,
                                             MidiStatus& status) override;

    // What was sent, in order.
    std::vector<CapturedMessage> Messages() const;
    std::size_t MessageCount() const;
    void ClearMessages();

    // How often each output or input was opened, and how many are open now.
    int OutputOpenCount(int id) const;
    int OpenOutputs() const;
    int OpenInputs() const;

    // Names the devices; a renamed port keeps its number.
    void SetOutputNames(std::vector<std::string> names);
    void SetInputNames(std::vector<std::string> names);
    // The next opens of device `id` fail with `status` (None clears it).
    void FailOutputOpen(int id, MidiStatus status);
    void FailInputOpen(int id, MidiStatus status);
    // Every send fails with `failure` (None: sends succeed again).
    void FailSends(MidiFailure failure);

    // Delivers a message as input device `id` would, on the calling thread.
    // False when no started port of that device is open.
    bool Feed(int id, const MidiInputMessage& message);

    // The active backend when it is a capture backend, else null.
    static CaptureBackend* Active();

private:
    class Output;
    class Input;
    friend class Output;
    friend class Input;

    mutable std::mutex mutex_;
    std::vector<std::string> outputNames_;
    std::vector<std::string> inputNames_;
    std::vector<CapturedMessage> messages_;
    std::map<int, int> outputOpens_;
    std::map<int, MidiStatus> outputFailures_;
    std::map<int, MidiStatus> inputFailures_;
    MidiFailure sendFailure_ = MidiFailure::None;
    int openOutputs_ = 0;
    std::vector<Input*> inputs_;
};

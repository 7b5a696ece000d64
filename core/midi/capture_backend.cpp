#include "core/midi/capture_backend.h"

#include <algorithm>
#include <string>

class CaptureBackend::Output : public MidiOutputPort {
public:
    Output(CaptureBackend& backend, int id) : backend_(backend), id_(id) {}
    ~Output() override
    {
        std::lock_guard lock(backend_.mutex_);
        --backend_.openOutputs_;
    }

    MidiFailure Send(const std::uint8_t* bytes, int size) override
    {
        CapturedMessage m;
        m.time = std::chrono::steady_clock::now();
        m.device = id_;
        m.size = std::clamp(size, 0, 3);
        std::copy(bytes, bytes + m.size, m.bytes);
        std::lock_guard lock(backend_.mutex_);
        if (backend_.sendFailure_ != MidiFailure::None) return backend_.sendFailure_;
        backend_.messages_.push_back(m);
        return MidiFailure::None;
    }

    void Reset() override
    {
        CapturedMessage m;
        m.time = std::chrono::steady_clock::now();
        m.device = id_;
        m.kind = CapturedMessage::Reset;
        std::lock_guard lock(backend_.mutex_);
        backend_.messages_.push_back(m);
    }

private:
    CaptureBackend& backend_;
    int id_;
};

class CaptureBackend::Input : public MidiInputPort {
public:
    Input(CaptureBackend& backend, int id, MidiInputHandler handler, void* context)
        : backend_(backend), id_(id), handler_(handler), context_(context)
    {
    }
    ~Input() override
    {
        // Waits for a Feed in progress: it holds the mutex while it delivers.
        std::lock_guard lock(backend_.mutex_);
        auto& list = backend_.inputs_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }

    void Start() override
    {
        std::lock_guard lock(backend_.mutex_);
        started_ = true;
    }

    CaptureBackend& backend_;
    int id_;
    MidiInputHandler handler_;
    void* context_;
    bool started_ = false;
};

namespace {

std::vector<std::string> NumberedNames(const char* stem, int count)
{
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) names.push_back(stem + std::to_string(i));
    return names;
}

}  // namespace

CaptureBackend::CaptureBackend(int outputs, int inputs)
    : outputNames_(NumberedNames("Capture Output ", outputs)), inputNames_(NumberedNames("Capture Input ", inputs))
{
}

CaptureBackend::~CaptureBackend() = default;

std::vector<std::string> CaptureBackend::OutputNames()
{
    std::lock_guard lock(mutex_);
    return outputNames_;
}

std::string CaptureBackend::MapperName() { return SynthesizerName; }

std::vector<std::string> CaptureBackend::InputNames()
{
    std::lock_guard lock(mutex_);
    return inputNames_;
}

std::unique_ptr<MidiOutputPort> CaptureBackend::OpenOutput(int id, MidiStatus& status)
{
    std::lock_guard lock(mutex_);
    if (auto failure = outputFailures_.find(id); failure != outputFailures_.end()) {
        status = failure->second;
        return nullptr;
    }
    if (id < -1 || id >= static_cast<int>(outputNames_.size())) {
        status = {MidiFailure::BadDeviceId, "no such output"};
        return nullptr;
    }
    status = {};
    ++outputOpens_[id];
    ++openOutputs_;
    return std::make_unique<Output>(*this, id);
}

std::unique_ptr<MidiInputPort> CaptureBackend::OpenInput(int id, MidiInputHandler handler, void* context,
                                                         MidiStatus& status)
{
    std::lock_guard lock(mutex_);
    if (auto failure = inputFailures_.find(id); failure != inputFailures_.end()) {
        status = failure->second;
        return nullptr;
    }
    if (id < 0 || id >= static_cast<int>(inputNames_.size())) {
        status = {MidiFailure::BadDeviceId, "no such input"};
        return nullptr;
    }
    status = {};
    auto port = std::make_unique<Input>(*this, id, handler, context);
    inputs_.push_back(port.get());
    return port;
}

std::vector<CapturedMessage> CaptureBackend::Messages() const
{
    std::lock_guard lock(mutex_);
    return messages_;
}

std::size_t CaptureBackend::MessageCount() const
{
    std::lock_guard lock(mutex_);
    return messages_.size();
}

void CaptureBackend::ClearMessages()
{
    std::lock_guard lock(mutex_);
    messages_.clear();
}

int CaptureBackend::OutputOpenCount(int id) const
{
    std::lock_guard lock(mutex_);
    auto it = outputOpens_.find(id);
    return it == outputOpens_.end() ? 0 : it->second;
}

int CaptureBackend::OpenOutputs() const
{
    std::lock_guard lock(mutex_);
    return openOutputs_;
}

int CaptureBackend::OpenInputs() const
{
    std::lock_guard lock(mutex_);
    return static_cast<int>(inputs_.size());
}

void CaptureBackend::SetOutputNames(std::vector<std::string> names)
{
    std::lock_guard lock(mutex_);
    outputNames_ = std::move(names);
}

void CaptureBackend::SetInputNames(std::vector<std::string> names)
{
    std::lock_guard lock(mutex_);
    inputNames_ = std::move(names);
}

void CaptureBackend::FailOutputOpen(int id, MidiStatus status)
{
    std::lock_guard lock(mutex_);
    if (status.Ok())
        outputFailures_.erase(id);
    else
        outputFailures_[id] = std::move(status);
}

void CaptureBackend::FailInputOpen(int id, MidiStatus status)
{
    std::lock_guard lock(mutex_);
    if (status.Ok())
        inputFailures_.erase(id);
    else
        inputFailures_[id] = std::move(status);
}

void CaptureBackend::FailSends(MidiFailure failure)
{
    std::lock_guard lock(mutex_);
    sendFailure_ = failure;
}

bool CaptureBackend::Feed(int id, const MidiInputMessage& message)
{
    std::lock_guard lock(mutex_);
    bool delivered = false;
    for (Input* input : inputs_) {
        if (input->id_ != id || !input->started_) continue;
        input->handler_(input->context_, message);
        delivered = true;
    }
    return delivered;
}

CaptureBackend* CaptureBackend::Active() { return dynamic_cast<CaptureBackend*>(&CurrentMidiBackend()); }

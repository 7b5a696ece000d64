#include "midi_port_peer.h"

MidiPortPeer::MidiPortPeer(const std::string& name, bool thru) : name_(name), thru_(thru)
{
    source_ = std::make_unique<RtMidiOut>(RtMidi::UNIX_JACK, name + " Source");
    source_->openVirtualPort("out");
    sink_ = std::make_unique<RtMidiIn>(RtMidi::UNIX_JACK, name);
    sink_->setCallback(&MidiPortPeer::Receive, this);
    sink_->openVirtualPort("in");
}

MidiPortPeer::~MidiPortPeer()
{
    sink_.reset();
    source_.reset();
}

void MidiPortPeer::Send(const Bytes& message) { source_->sendMessage(message.data(), message.size()); }

void MidiPortPeer::Receive(double, std::vector<unsigned char>* message, void* data)
{
    auto* self = static_cast<MidiPortPeer*>(data);
    if (self->thru_) self->source_->sendMessage(message);
    {
        std::lock_guard lock(self->mutex_);
        self->received_.emplace_back(message->begin(), message->end());
    }
    self->arrived_.notify_all();
}

std::vector<MidiPortPeer::Bytes> MidiPortPeer::WaitForReceived(std::size_t count, std::chrono::milliseconds limit)
{
    std::unique_lock lock(mutex_);
    arrived_.wait_for(lock, limit, [&] { return received_.size() >= count; });
    return received_;
}

std::vector<MidiPortPeer::Bytes> MidiPortPeer::Received()
{
    std::lock_guard lock(mutex_);
    return received_;
}

void MidiPortPeer::Clear()
{
    std::lock_guard lock(mutex_);
    received_.clear();
}

#include "core/midi/rtmidi_ports.h"

#include <rtmidi/RtMidi.h>

#include "core/midi/own_midi_ports.h"
#include "core/midi/rtmidi_api_choice.h"
#include "core/midi/rtmidi_clients.h"
#include "core/midi/rtmidi_port_input.h"
#include "core/midi/rtmidi_port_listing.h"
#include "core/midi/rtmidi_port_output.h"

using namespace RtMidiBridge;

const char* const MidiClientName = "Cantrel Studio";
const char* const OwnInputPortName = "In";
const char* const OwnOutputPortName = "Out";

std::string OwnPortName(const char* port) { return std::string(MidiClientName) + ":" + port; }

// One client of each direction kept for listing the ports.
struct RtMidiPorts::Listing {
    MidiPortSystem system = MidiPortSystem::Automatic;
    RtMidi::Api api = RtMidi::UNSPECIFIED;
    MidiStatus status;
    std::unique_ptr<RtMidiOut> out;
    std::unique_ptr<RtMidiIn> in;
    ErrorSlot errors;                   // listing problems are seen as no ports
    std::unique_ptr<OwnMidiPorts> own;  // once offered

    bool Ready()
    {
        if (out && in) return true;
        status = {};
        api = ChooseApi(system, status);
        if (api == RtMidi::UNSPECIFIED) return false;
        try {
            NewWatchedPair(api, out, in, errors);
        } catch (const RtMidiError& e) {
            out.reset();
            in.reset();
            status = {FailureOf(e.getType(), false), Trimmed(e.getMessage())};
            return false;
        }
        return true;
    }
};

RtMidiPorts::RtMidiPorts(MidiPortSystem system) : listing_(std::make_unique<Listing>()) { listing_->system = system; }
RtMidiPorts::~RtMidiPorts() = default;

namespace {

std::vector<std::string> NamesOf(const std::vector<PortEntry>& ports)
{
    std::vector<std::string> names;
    for (const auto& p : ports) names.push_back(p.name);
    return names;
}

}  // namespace

std::vector<std::string> RtMidiPorts::OutputNames()
{
    if (!listing_->Ready()) return {};
    auto names = NamesOf(ForeignPorts(*listing_->out));
    if (listing_->own) names.push_back(OwnPortName(OwnOutputPortName));
    return names;
}

std::vector<std::string> RtMidiPorts::InputNames()
{
    if (!listing_->Ready()) return {};
    auto names = NamesOf(ForeignPorts(*listing_->in));
    if (listing_->own) names.push_back(OwnPortName(OwnInputPortName));
    return names;
}

MidiStatus RtMidiPorts::OfferOwnPorts()
{
    if (listing_->own) return {};
    // Before the listing clients when possible: JACK gives the first client
    // of a name the plain name and numbers the others.
    MidiStatus status;
    const RtMidi::Api api = listing_->api != RtMidi::UNSPECIFIED ? listing_->api : ChooseApi(listing_->system, status);
    if (api == RtMidi::UNSPECIFIED) return status;
    auto own = std::make_unique<OwnMidiPorts>();
    status = own->Open(api);
    if (!status.Ok()) return status;
    listing_->own = std::move(own);
    if (!listing_->Ready()) return listing_->status;
    return {};
}

bool RtMidiPorts::OwnPortsOffered() const { return listing_->own != nullptr; }

std::vector<std::string> RtMidiPorts::OwnPortsOnTheSystem()
{
    std::vector<std::string> names;
    if (!listing_->Ready()) return names;
    for (RtMidi* client : {static_cast<RtMidi*>(listing_->in.get()), static_cast<RtMidi*>(listing_->out.get())}) {
        const unsigned count = client->getPortCount();
        for (unsigned i = 0; i < count; ++i) {
            const std::string name = client->getPortName(i);
            if (IsOwnPort(name) && IsOfferedPort(name)) names.push_back(name);
        }
    }
    return names;
}

MidiStatus RtMidiPorts::Status()
{
    listing_->Ready();
    return listing_->status;
}

std::unique_ptr<MidiOutputPort> RtMidiPorts::OpenOutput(int id, MidiStatus& status)
{
    if (!listing_->Ready()) {
        status = listing_->status;
        return nullptr;
    }
    if (listing_->own && id == static_cast<int>(ForeignPorts(*listing_->out).size()))
        return std::make_unique<PortOutput>(listing_->own->Output());
    const unsigned index = RtIndexOf(*listing_->out, id);
    if (index == NoPort) {
        status = {MidiFailure::BadDeviceId, "no output port " + std::to_string(id)};
        return nullptr;
    }
    try {
        std::string warning;
        auto port = std::make_unique<PortOutput>(NewClient<RtMidiOut>(listing_->api, warning));
        status = port->Open(index);
        if (status.Ok()) return port;
    } catch (const RtMidiError& e) {
        status = {FailureOf(e.getType(), false), Trimmed(e.getMessage())};
    } catch (const std::exception& e) {
        status = {MidiFailure::Other, e.what()};
    }
    return nullptr;
}

std::unique_ptr<MidiInputPort> RtMidiPorts::OpenInput(int id, MidiInputHandler handler, void* context,
                                                      MidiStatus& status)
{
    if (!listing_->Ready()) {
        status = listing_->status;
        return nullptr;
    }
    if (listing_->own && id == static_cast<int>(ForeignPorts(*listing_->in).size()))
        return listing_->own->Tap(handler, context);
    const unsigned index = RtIndexOf(*listing_->in, id);
    if (index == NoPort) {
        status = {MidiFailure::BadDeviceId, "no input port " + std::to_string(id)};
        return nullptr;
    }
    auto port = std::make_unique<PortInput>(handler, context);
    try {
        std::string warning;
        status = port->Open(NewClient<RtMidiIn>(listing_->api, warning), index);
        if (status.Ok()) return port;
    } catch (const RtMidiError& e) {
        status = {FailureOf(e.getType(), false), Trimmed(e.getMessage())};
    } catch (const std::exception& e) {
        status = {MidiFailure::Other, e.what()};
    }
    return nullptr;
}

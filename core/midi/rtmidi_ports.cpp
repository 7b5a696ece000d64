#include "core/midi/rtmidi_ports.h"

#include <rtmidi/RtMidi.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <mutex>
#include <sstream>

#include "core/midi/input_relay.h"
#include "core/midi/jack_log.h"
#include "core/midi/port_names.h"

const char* const MidiClientName = "Cantrel Studio";
const char* const OwnInputPortName = "In";
const char* const OwnOutputPortName = "Out";

std::string OwnPortName(const char* port) { return std::string(MidiClientName) + ":" + port; }

namespace {

constexpr unsigned NoPort = ~0u;

MidiFailure FailureOf(RtMidiError::Type type, bool opening)
{
    switch (type) {
    case RtMidiError::NO_DEVICES_FOUND:
    case RtMidiError::INVALID_DEVICE:
    case RtMidiError::INVALID_PARAMETER: return MidiFailure::BadDeviceId;
    case RtMidiError::MEMORY_ERROR: return MidiFailure::NoMemory;
    // Creating the client fails when there is no sequencer; connecting to a
    // port fails when someone else holds it.
    case RtMidiError::DRIVER_ERROR: return opening ? MidiFailure::Allocated : MidiFailure::NoDriver;
    default: return MidiFailure::Other;
    }
}

// RtMidi prints its warnings to std::cerr before the caller can install an
// error callback; while a client is created they are kept here instead.
class QuietCerr {
public:
    QuietCerr() : old_(std::cerr.rdbuf(kept_.rdbuf())) {}
    ~QuietCerr() { std::cerr.rdbuf(old_); }
    std::string Kept() const { return kept_.str(); }

private:
    std::ostringstream kept_;
    std::streambuf* old_;
};

std::string Trimmed(std::string text)
{
    const auto first = text.find_first_not_of(" \n\t");
    const auto last = text.find_last_not_of(" \n\t");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

// Once a client has an error callback, RtMidi reports there instead of
// printing and throwing; the slot keeps the last report.
class ErrorSlot {
public:
    static void Catch(RtMidiError::Type type, const std::string& text, void* data)
    {
        auto* slot = static_cast<ErrorSlot*>(data);
        std::lock_guard lock(slot->mutex_);
        slot->failed_ = true;
        slot->type_ = type;
        slot->text_ = text;
    }
    void Watch(RtMidi& client) { client.setErrorCallback(&ErrorSlot::Catch, this); }
    // The report since the last call, if any.
    bool Take(RtMidiError::Type& type, std::string& text)
    {
        std::lock_guard lock(mutex_);
        if (!failed_) return false;
        failed_ = false;
        type = type_;
        text = std::move(text_);
        return true;
    }

private:
    std::mutex mutex_;
    bool failed_ = false;
    RtMidiError::Type type_ = RtMidiError::UNSPECIFIED;
    std::string text_;
};

// Connects a watched client to port `index`.
MidiStatus OpenPort(RtMidi& client, ErrorSlot& errors, unsigned index, const char* name)
{
    try {
        client.openPort(index, name);
    } catch (const std::exception& e) {
        return {MidiFailure::Other, Trimmed(e.what())};
    }
    RtMidiError::Type type;
    std::string text;
    if (errors.Take(type, text)) return {FailureOf(type, true), Trimmed(text)};
    return {};
}

// A client of the API that works on this machine, with warnings muted. Throws
// what RtMidi throws.
template <class Client>
std::unique_ptr<Client> NewClient(RtMidi::Api api, std::string& warning)
{
    if (api == RtMidi::UNIX_JACK) QuietJackLog();
    QuietCerr quiet;
    auto client = std::make_unique<Client>(api, MidiClientName);
    warning = Trimmed(quiet.Kept());
    return client;
}

// A client of each direction, both reporting to `errors`. Throws what
// RtMidi throws.
void NewWatchedPair(RtMidi::Api api, std::unique_ptr<RtMidiOut>& out, std::unique_ptr<RtMidiIn>& in,
                    ErrorSlot& errors)
{
    std::string warning;
    out = NewClient<RtMidiOut>(api, warning);
    in = NewClient<RtMidiIn>(api, warning);
    errors.Watch(*out);
    errors.Watch(*in);
}

bool HasAlsaSequencer() { return access("/dev/snd/seq", F_OK) == 0; }

bool Compiled(RtMidi::Api api)
{
    std::vector<RtMidi::Api> compiled;
    RtMidi::getCompiledApi(compiled);
    for (auto a : compiled)
        if (a == api) return true;
    return false;
}

// Whether a client of `api` can be made here; `reason` says why not.
bool Works(RtMidi::Api api, std::string& reason)
{
    const bool jack = api == RtMidi::UNIX_JACK;
    if (!Compiled(api)) {
        reason = jack ? "no JACK support in RtMidi" : "no ALSA support in RtMidi";
        return false;
    }
    if (!jack && !HasAlsaSequencer()) {
        reason = "no ALSA sequencer (/dev/snd/seq)";
        return false;
    }
    // A JACK client must not start a server of its own.
    if (jack) setenv("JACK_NO_START_SERVER", "1", 0);
    try {
        std::string warning;
        NewClient<RtMidiOut>(api, warning);
        // Without a server RtMidi's JACK client only warns.
        if (!jack || warning.empty()) return true;
        reason = "no JACK server";
    } catch (const RtMidiError& e) {
        reason = Trimmed(e.getMessage());
    }
    return false;
}

// The API of `system` when it works here; UNSPECIFIED with the reasons in
// `status` when it does not.
RtMidi::Api ChooseApi(MidiPortSystem system, MidiStatus& status)
{
    std::string reasons;
    auto works = [&reasons](RtMidi::Api api) {
        std::string reason;
        if (Works(api, reason)) return true;
        reasons += (reasons.empty() ? "" : ", ") + reason;
        return false;
    };
    switch (system) {
    case MidiPortSystem::Alsa:
        if (works(RtMidi::LINUX_ALSA)) return RtMidi::LINUX_ALSA;
        break;
    case MidiPortSystem::Jack:
        if (works(RtMidi::UNIX_JACK)) return RtMidi::UNIX_JACK;
        break;
    case MidiPortSystem::Automatic: {
        // Once one works it stays the choice of the process.
        static RtMidi::Api chosen = RtMidi::UNSPECIFIED;
        if (chosen != RtMidi::UNSPECIFIED) return chosen;
        for (auto api : {RtMidi::LINUX_ALSA, RtMidi::UNIX_JACK})
            if (works(api)) return chosen = api;
        break;
    }
    }
    status = {MidiFailure::NoDriver, reasons.empty() ? "no MIDI system" : reasons};
    return RtMidi::UNSPECIFIED;
}

// Whether a port belongs to one of our own clients. ALSA gives them all our
// name; JACK gives every one after the first a "-NN" suffix ("Cantrel
// Studio-02:Output").
bool IsOwnPort(const std::string& name)
{
    const std::string own = MidiClientName;
    if (name.compare(0, own.size(), own) != 0) return false;
    std::size_t at = own.size();
    if (at < name.size() && name[at] == '-') {
        const std::size_t digits = ++at;
        while (at < name.size() && std::isdigit(static_cast<unsigned char>(name[at]))) ++at;
        if (at == digits) return false;
    }
    return at < name.size() && name[at] == ':';
}

// Whether one of our ports is a program's own input or output rather than
// a connection it made to another program's port ("Input", "Output").
bool IsOfferedPort(const std::string& name)
{
    const std::string stable = StablePortName(name);
    const auto colon = stable.find(':');
    if (colon == std::string::npos) return false;
    const std::string port = stable.substr(colon + 1);
    return port == OwnInputPortName || port == OwnOutputPortName;
}

struct PortEntry {
    unsigned rtIndex;
    std::string name;
};

// The ports of a client other than our own, in RtMidi's order.
std::vector<PortEntry> ForeignPorts(RtMidi& client)
{
    std::vector<PortEntry> ports;
    const unsigned count = client.getPortCount();
    for (unsigned i = 0; i < count; ++i) {
        std::string name = client.getPortName(i);
        if (name.empty() || IsOwnPort(name)) continue;
        ports.push_back({i, std::move(name)});
    }
    return ports;
}

unsigned RtIndexOf(RtMidi& client, int id)
{
    const auto ports = ForeignPorts(client);
    if (id < 0 || id >= static_cast<int>(ports.size())) return NoPort;
    return ports[id].rtIndex;
}

class PortOutput : public MidiOutputPort {
public:
    explicit PortOutput(std::unique_ptr<RtMidiOut> out) : owned_(std::move(out)), out_(owned_.get())
    {
        errors_.Watch(*out_);
    }
    // Sends through a client that lives on after this port (our own port).
    explicit PortOutput(RtMidiOut& out) : out_(&out) { errors_.Watch(*out_); }

    MidiStatus Open(unsigned index) { return OpenPort(*out_, errors_, index, "Output"); }

    MidiFailure Send(const std::uint8_t* bytes, int size) override
    {
        try {
            out_->sendMessage(bytes, static_cast<std::size_t>(size));
        } catch (const std::exception&) {
            return MidiFailure::Other;
        }
        RtMidiError::Type type;
        std::string text;
        if (!errors_.Take(type, text)) return MidiFailure::None;
        return type == RtMidiError::INVALID_USE ? MidiFailure::InvalidHandle : MidiFailure::Other;
    }

    void Reset() override
    {
        // All sound off, reset controllers, all notes off on every channel.
        for (std::uint8_t channel = 0; channel < 16; ++channel) {
            for (std::uint8_t controller : {120, 121, 123}) {
                const std::uint8_t message[3] = {static_cast<std::uint8_t>(0xB0 | channel),
                                                 controller, 0};
                Send(message, 3);
            }
        }
    }

private:
    ErrorSlot errors_;  // outlives the client that reports to it
    std::unique_ptr<RtMidiOut> owned_;
    RtMidiOut* out_;
};

// Bytes a message with this status byte has; 0 for long data (system
// exclusive) and for bytes that are no status.
int ShortMessageLength(std::uint8_t status)
{
    if (status < 0x80) return 0;
    switch (status & 0xF0) {
    case 0xC0:
    case 0xD0: return 2;
    case 0xF0: break;
    default: return 3;
    }
    switch (status) {
    case 0xF0: return 0;
    case 0xF1:
    case 0xF3: return 2;
    case 0xF2: return 3;
    default: return 1;
    }
}

// One short message of RtMidi's as our input delivers it; false for long
// data and empty messages.
bool ReadShortMessage(const std::vector<unsigned char>* bytes, std::chrono::steady_clock::time_point start,
                      MidiInputMessage& m)
{
    if (!bytes || bytes->empty()) return false;
    const std::uint8_t status = (*bytes)[0];
    const int expected = ShortMessageLength(status);
    if (bytes->size() > 3 || (status >= 0x80 && expected == 0)) return false;  // long data
    m = {};
    for (std::size_t i = 0; i < bytes->size(); ++i) m.message |= static_cast<std::uint32_t>((*bytes)[i]) << (8 * i);
    m.invalid = expected != static_cast<int>(bytes->size());
    m.time = static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
    return true;
}

class PortInput : public MidiInputPort {
public:
    PortInput(MidiInputHandler handler, void* context) : relay_(handler, context) {}
    ~PortInput() override
    {
        // Stops RtMidi's thread before anything it could call goes; the
        // relay's thread stops after it.
        started_ = false;
        try {
            if (in_) in_->closePort();
        } catch (const std::exception&) {
        }
        in_.reset();
    }

    MidiStatus Open(std::unique_ptr<RtMidiIn> in, unsigned index)
    {
        in_ = std::move(in);
        errors_.Watch(*in_);
        in_->ignoreTypes(true, false, false);  // system exclusive stays out
        in_->setCallback(&PortInput::Receive, this);
        return OpenPort(*in_, errors_, index, "Input");
    }

    void Start() override
    {
        start_ = std::chrono::steady_clock::now();
        started_ = true;
    }

private:
    // Runs on RtMidi's thread (JACK's process cycle): no waiting here.
    static void Receive(double, std::vector<unsigned char>* bytes, void* data)
    {
        auto* self = static_cast<PortInput*>(data);
        MidiInputMessage m;
        if (self->started_ && ReadShortMessage(bytes, self->start_, m)) self->relay_.Pass(m);
    }

    MidiInputRelay relay_;
    ErrorSlot errors_;
    std::atomic<bool> started_{false};
    std::chrono::steady_clock::time_point start_;
    std::unique_ptr<RtMidiIn> in_;
};

} // namespace

// The program's own ports, "Cantrel Studio:In" and "Cantrel Studio:Out",
// there for as long as the backend lives, whether anyone listens or not, so
// that connections other programs make to them stay.
class OwnMidiPorts {
public:
    class InputTap;

    ~OwnMidiPorts()
    {
        // No callback runs once the input is gone.
        try {
            if (in_) in_->closePort();
        } catch (const std::exception&) {
        }
        in_.reset();
    }

    MidiStatus Open(RtMidi::Api api)
    {
        try {
            NewWatchedPair(api, out_, in_, errors_);
            in_->ignoreTypes(true, false, false);
            in_->setCallback(&OwnMidiPorts::Receive, this);
            start_ = std::chrono::steady_clock::now();
            out_->openVirtualPort(OwnOutputPortName);
            in_->openVirtualPort(OwnInputPortName);
        } catch (const RtMidiError& e) {
            in_.reset();
            out_.reset();
            return {FailureOf(e.getType(), true), Trimmed(e.getMessage())};
        }
        RtMidiError::Type type;
        std::string text;
        if (errors_.Take(type, text)) {
            in_.reset();
            out_.reset();
            return {FailureOf(type, true), Trimmed(text)};
        }
        return {};
    }

    RtMidiOut& Output() { return *out_; }
    std::unique_ptr<MidiInputPort> Tap(MidiInputHandler handler, void* context);

private:
    friend class InputTap;
    static void Receive(double, std::vector<unsigned char>* bytes, void* data);

    ErrorSlot errors_;
    std::mutex mutex_;  // the taps, against the input's thread
    std::vector<InputTap*> taps_;
    std::chrono::steady_clock::time_point start_;
    std::unique_ptr<RtMidiOut> out_;
    std::unique_ptr<RtMidiIn> in_;
};

// What comes in at our own input, for the one who opened it as a device.
class OwnMidiPorts::InputTap : public MidiInputPort {
public:
    InputTap(OwnMidiPorts& own, MidiInputHandler handler, void* context) : own_(own), relay_(handler, context)
    {
        std::lock_guard lock(own_.mutex_);
        own_.taps_.push_back(this);
    }
    ~InputTap() override
    {
        std::lock_guard lock(own_.mutex_);
        own_.taps_.erase(std::find(own_.taps_.begin(), own_.taps_.end(), this));
    }
    void Start() override { started_ = true; }

private:
    friend class OwnMidiPorts;
    OwnMidiPorts& own_;
    MidiInputRelay relay_;
    std::atomic<bool> started_{false};
};

std::unique_ptr<MidiInputPort> OwnMidiPorts::Tap(MidiInputHandler handler, void* context)
{
    return std::make_unique<InputTap>(*this, handler, context);
}

void OwnMidiPorts::Receive(double, std::vector<unsigned char>* bytes, void* data)
{
    auto* self = static_cast<OwnMidiPorts*>(data);
    MidiInputMessage m;
    if (!ReadShortMessage(bytes, self->start_, m)) return;
    // Taken only for a moment by opening and closing, never while waiting.
    std::lock_guard lock(self->mutex_);
    for (InputTap* tap : self->taps_)
        if (tap->started_) tap->relay_.Pass(m);
}

// One client of each direction kept for listing the ports.
struct RtMidiPorts::Listing {
    MidiPortSystem system = MidiPortSystem::Automatic;
    RtMidi::Api api = RtMidi::UNSPECIFIED;
    MidiStatus status;
    std::unique_ptr<RtMidiOut> out;
    std::unique_ptr<RtMidiIn> in;
    ErrorSlot errors;  // listing problems are seen as no ports
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

RtMidiPorts::RtMidiPorts(MidiPortSystem system) : listing_(std::make_unique<Listing>())
{
    listing_->system = system;
}
RtMidiPorts::~RtMidiPorts() = default;

namespace {

std::vector<std::string> NamesOf(const std::vector<PortEntry>& ports)
{
    std::vector<std::string> names;
    for (const auto& p : ports) names.push_back(p.name);
    return names;
}

} // namespace

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

std::unique_ptr<MidiInputPort> RtMidiPorts::OpenInput(int id, MidiInputHandler handler,
                                                      void* context, MidiStatus& status)
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

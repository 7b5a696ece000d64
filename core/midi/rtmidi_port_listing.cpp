#include "core/midi/rtmidi_port_listing.h"

#include <cctype>

#include "core/midi/port_names.h"
#include "core/midi/rtmidi_ports.h"

namespace RtMidiBridge {

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

bool IsOfferedPort(const std::string& name)
{
    const std::string stable = StablePortName(name);
    const auto colon = stable.find(':');
    if (colon == std::string::npos) return false;
    const std::string port = stable.substr(colon + 1);
    return port == OwnInputPortName || port == OwnOutputPortName;
}

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

}  // namespace RtMidiBridge

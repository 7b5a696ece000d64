#pragma once
// The ports RtMidi lists, told apart: other programs' ports, which our lists
// number from 0, and the ports of our own clients, which they leave out.

#include <rtmidi/RtMidi.h>

#include <string>
#include <vector>

namespace RtMidiBridge {

constexpr unsigned NoPort = ~0u;

// Whether a port belongs to one of our own clients. ALSA gives them all our
// name; JACK gives every one after the first a "-NN" suffix ("Cantrel
// Studio-02:Output").
bool IsOwnPort(const std::string& name);
// Whether one of our ports is a program's own input or output rather than
// a connection it made to another program's port ("Input", "Output").
bool IsOfferedPort(const std::string& name);

struct PortEntry {
    unsigned rtIndex;
    std::string name;
};

// The ports of a client other than our own, in RtMidi's order.
std::vector<PortEntry> ForeignPorts(RtMidi& client);
// RtMidi's index of our port number `id`; NoPort when there is none.
unsigned RtIndexOf(RtMidi& client, int id);

}  // namespace RtMidiBridge

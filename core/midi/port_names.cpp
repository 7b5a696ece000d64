#include "core/midi/port_names.h"

#include <cctype>

namespace {

// Moves `end` back over a run of digits; true when there was at least one.
bool BackOverDigits(const std::string& s, std::size_t& end)
{
    const std::size_t start = end;
    while (end > 0 && std::isdigit(static_cast<unsigned char>(s[end - 1]))) --end;
    return end < start;
}

}  // namespace

std::string StablePortName(const std::string& name)
{
    std::size_t end = name.size();
    if (!BackOverDigits(name, end) || end == 0 || name[end - 1] != ':') return name;
    --end;
    if (!BackOverDigits(name, end) || end == 0 || name[end - 1] != ' ') return name;
    return name.substr(0, end - 1);
}

int FindPortByName(const std::vector<std::string>& ports, const std::string& name)
{
    const std::string wanted = StablePortName(name);
    for (std::size_t i = 0; i < ports.size(); ++i)
        if (StablePortName(ports[i]) == wanted) return static_cast<int>(i);
    return -1;
}

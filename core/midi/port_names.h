#pragma once
// Port names as the MIDI system reports them carry numbers that change when
// devices come and go ("USB Keys:USB Keys MIDI 1 24:0"). The rest of the
// name stays, so that is what the settings remember and compare.

#include <string>
#include <vector>

// The name without a trailing " client:port" pair of numbers.
std::string StablePortName(const std::string& name);

// Position of the first port whose stable name equals that of `name`, or -1.
int FindPortByName(const std::vector<std::string>& ports, const std::string& name);

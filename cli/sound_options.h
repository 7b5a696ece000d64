#pragma once
// Reading the options of the sound commands ("--ms 500" or "--ms=500").

#include <string>
#include <vector>

struct SoundOption {
    const char* name;  // "--device"
    bool takesValue;
};

// Splits args into options (name and value, in order) and the other words.
// False with a one-line reason for an unknown option or a missing value.
bool SplitSoundOptions(const std::vector<std::string>& args, const std::vector<SoundOption>& known,
                       std::vector<std::pair<std::string, std::string>>& options, std::vector<std::string>& words,
                       std::string& problem);

// A whole decimal number from low to high; false (with the reason) otherwise.
bool ReadSoundNumber(const std::string& option, const std::string& text, long low, long high, long& value,
                     std::string& problem);

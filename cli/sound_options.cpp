#include "cli/sound_options.h"

#include <cerrno>
#include <cstdlib>

bool SplitSoundOptions(const std::vector<std::string>& args, const std::vector<SoundOption>& known,
                       std::vector<std::pair<std::string, std::string>>& options, std::vector<std::string>& words,
                       std::string& problem)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            words.push_back(arg);
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const SoundOption* option = nullptr;
        for (const SoundOption& o : known)
            if (name == o.name) option = &o;
        if (!option) {
            problem = "unknown option '" + name + "'";
            return false;
        }
        std::string value;
        if (option->takesValue) {
            if (equals != std::string::npos) {
                value = arg.substr(equals + 1);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                problem = name + " needs a value";
                return false;
            }
        } else if (equals != std::string::npos) {
            problem = name + " takes no value";
            return false;
        }
        options.emplace_back(name, value);
    }
    return true;
}

bool ReadSoundNumber(const std::string& option, const std::string& text, long low, long high, long& value,
                     std::string& problem)
{
    errno = 0;
    char* end = nullptr;
    const long number = text.empty() ? 0 : std::strtol(text.c_str(), &end, 10);
    if (text.empty() || errno != 0 || *end != '\0' || number < low || number > high) {
        problem = "bad value for " + option + ": '" + text + "' (" + std::to_string(low) + " to " +
                  std::to_string(high) + ")";
        return false;
    }
    value = number;
    return true;
}

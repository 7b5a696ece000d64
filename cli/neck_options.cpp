#include "cli/neck_options.h"

#include <algorithm>
#include <iterator>

#include "core/theory/definition_lists.h"
#include "core/theory/definition_records.h"
#include "core/theory/string_assignment.h"

const SoundOption NeckOptionNames[3] = {{"--tuning", true}, {"--frets", true}, {"--capo", true}};

bool ReadNeckOptions(std::vector<std::pair<std::string, std::string>>& options, NeckOptions& neck, std::string& problem)
{
    const long tunings = CountTunings();
    if (tunings == 0) {
        problem = "the settings file holds no tunings";
        return false;
    }
    std::string capoText;
    std::vector<std::pair<std::string, std::string>> others;
    for (const auto& [name, value] : options) {
        if (name == "--tuning") {
            if (!ReadSoundNumber(name, value, 0, tunings - 1, neck.tuning, problem)) return false;
        } else if (name == "--frets") {
            if (!ReadSoundNumber(name, value, MinFretPositions, MaxFretPositions, neck.fretPositions, problem))
                return false;
        } else if (name == "--capo") {
            capoText = value;
        } else {
            others.emplace_back(name, value);
        }
    }
    // The capo's range follows the number of frets, wherever --frets stands.
    if (!capoText.empty() && !ReadSoundNumber("--capo", capoText, 0, neck.fretPositions - 1, neck.capo, problem))
        return false;
    options = std::move(others);
    const TuningNameTag* record = GetTuning(static_cast<int>(neck.tuning));
    std::copy(std::begin(record->strings), std::end(record->strings), neck.strings.notes);
    return true;
}

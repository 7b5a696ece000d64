// cantrel-cli fingerings [--tuning N] [--frets F] [--capo C] [--span S] [--count K] [--any-bass] NOTE...
//   the K best fingerings of the chord on tuning N of the list (from 0), best
//   first, one per line: the frets from the last string slot to string 0,
//   counted from the nut, x for a silent string. F is the number of fret
//   positions with the open one, as the Guitar counts them (13: frets 0-12).
//   The lowest note given is the bass, unless --any-bass.
#include <cstdio>

#include "cli/chord_arguments.h"
#include "cli/cli_commands.h"
#include "cli/cli_exit_codes.h"
#include "cli/cli_output.h"
#include "cli/sound_options.h"
#include "core/theory/chord.h"
#include "core/theory/definition_lists.h"
#include "core/theory/definition_records.h"
#include "core/theory/ranked_fingerings.h"

namespace {

constexpr long DefaultCount = 10;
constexpr long DefaultFretPositions = 13;
constexpr long MaxCount = 1000000;

struct FingeringsRequest {
    long tuning = 0;
    long fretPositions = DefaultFretPositions;
    long capo = 0;
    long span = DefaultHandSpan;
    long count = DefaultCount;
    bool anyBass = false;
    chord notes;
};

int ReadRequest(const std::vector<std::string>& args, FingeringsRequest& request)
{
    std::vector<std::pair<std::string, std::string>> options;
    std::vector<std::string> words;
    std::string problem;
    const std::vector<SoundOption> known = {{"--tuning", true}, {"--frets", true}, {"--capo", true},
                                            {"--span", true},   {"--count", true}, {"--any-bass", false}};
    if (!SplitSoundOptions(args, known, options, words, problem)) return UsageError(problem);
    const long tunings = CountTunings();
    if (tunings == 0) return UsageError("the settings file holds no tunings");
    std::string capoText;
    for (const auto& [name, value] : options) {
        bool read = true;
        if (name == "--any-bass") request.anyBass = true;
        else if (name == "--capo") capoText = value;
        else if (name == "--tuning") read = ReadSoundNumber(name, value, 0, tunings - 1, request.tuning, problem);
        else if (name == "--frets")
            read = ReadSoundNumber(name, value, 2, MaxNeckFrets + 1, request.fretPositions, problem);
        else if (name == "--span") read = ReadSoundNumber(name, value, 1, MaxNeckFrets, request.span, problem);
        else read = ReadSoundNumber(name, value, 1, MaxCount, request.count, problem);
        if (!read) return UsageError(problem);
    }
    // The capo sits on one of the fret positions, wherever --frets stands.
    if (!capoText.empty() &&
        !ReadSoundNumber("--capo", capoText, 0, request.fretPositions - 1, request.capo, problem))
        return UsageError(problem);
    if (words.empty()) return UsageError("fingerings needs at least one note");
    if (!ReadChordNotes(words, request.notes)) return ExitUsage;
    return ExitOk;
}

} // namespace

int RunFingeringsCommand(const std::vector<std::string>& args)
{
    FingeringsRequest request;
    if (const int status = ReadRequest(args, request); status != ExitOk) return status;
    const TuningNameTag* record = GetTuning(static_cast<int>(request.tuning));
    chord tuning;
    for (int s = 0; s < record->count && s < chord::Slots; ++s) tuning.notes[s] = record->strings[s];
    const auto fingerings = RankedFingeringsFor(request.notes, tuning, static_cast<int>(request.fretPositions),
                                                static_cast<int>(request.capo), static_cast<int>(request.span),
                                                request.anyBass, static_cast<std::size_t>(request.count));
    for (const Fingering& fingering : fingerings) std::printf("%s\n", FingeringText(fingering).c_str());
    return ExitOk;
}

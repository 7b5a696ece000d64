// cantrel-cli fingerings [--tuning N] [--frets F] [--capo C] [--span S] [--count K] [--any-bass] NOTE...
//   the K best fingerings of the chord on tuning N of [Tunings], best first.
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
constexpr long DefaultFrets = 12;
constexpr long MaxCount = 1000000;

struct FingeringsRequest {
    long tuning = 1;  // counted from 1, as the entries of [Tunings]
    long frets = DefaultFrets;
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
    const int tunings = CountTunings();
    for (const auto& [name, value] : options) {
        bool read = true;
        if (name == "--any-bass") request.anyBass = true;
        else if (name == "--tuning") read = ReadSoundNumber(name, value, 1, tunings, request.tuning, problem);
        else if (name == "--frets") read = ReadSoundNumber(name, value, 1, MaxNeckFrets, request.frets, problem);
        else if (name == "--capo") read = ReadSoundNumber(name, value, 0, MaxNeckFrets, request.capo, problem);
        else if (name == "--span") read = ReadSoundNumber(name, value, 1, MaxNeckFrets, request.span, problem);
        else read = ReadSoundNumber(name, value, 1, MaxCount, request.count, problem);
        if (!read) return UsageError(tunings == 0 && name == "--tuning" ? "the settings file lists no tunings" : problem);
    }
    if (request.capo > request.frets)
        return UsageError("--capo " + std::to_string(request.capo) + " lies above the highest fret (" +
                          std::to_string(request.frets) + ")");
    if (words.empty()) return UsageError("fingerings needs at least one note");
    if (!ReadChordNotes(words, request.notes)) return ExitUsage;
    return ExitOk;
}

} // namespace

int RunFingeringsCommand(const std::vector<std::string>& args)
{
    FingeringsRequest request;
    if (const int status = ReadRequest(args, request); status != ExitOk) return status;
    const TuningNameTag* record = GetTuning(static_cast<int>(request.tuning - 1));
    if (!record) {
        std::fprintf(stderr, "%s: fingerings: the settings file lists no tunings\n", ProgramName);
        return ExitFailure;
    }
    chord tuning;
    for (int s = 0; s < record->count && s < chord::Slots; ++s) tuning.notes[s] = record->strings[s];
    const auto fingerings =
        RankedFingeringsFor(request.notes, tuning, static_cast<int>(request.frets), static_cast<int>(request.capo),
                            static_cast<int>(request.span), request.anyBass, static_cast<std::size_t>(request.count));
    for (const Fingering& fingering : fingerings) std::printf("%s\n", FingeringText(fingering).c_str());
    return ExitOk;
}

// cantrel-cli fingerings [--tuning N] [--frets F] [--capo C] [--span S] [--count K] [--any-bass] [--svg DIR]
//                       [--left-handed] NOTE...
//   the K best fingerings of the chord on tuning N of the list (from 0), best
//   first, one per line: the frets from the last string slot to string 0,
//   counted from the nut, x for a silent string. F is the number of fret
//   positions with the open one, as the Guitar counts them (13: frets 0-12).
//   The lowest note given is the bass, unless --any-bass. --svg also writes
//   each one's chord box into DIR, named by rank (01.svg first), mirrored
//   for a left-handed player with --left-handed.
#include <cstdio>
#include <iterator>

#include "cli/chord_arguments.h"
#include "cli/chord_box_files.h"
#include "cli/cli_commands.h"
#include "cli/cli_exit_codes.h"
#include "cli/cli_output.h"
#include "cli/neck_options.h"
#include "core/theory/chord.h"
#include "core/theory/ranked_fingerings.h"

namespace {

constexpr long DefaultCount = 10;
constexpr long MaxCount = 1000000;

struct FingeringsRequest {
    NeckOptions neck;
    long span = DefaultHandSpan;
    long count = DefaultCount;
    bool anyBass = false;
    std::string svgFolder;
    ChordBoxHand hand = ChordBoxHand::Right;
    chord notes;
};

int ReadRequest(const std::vector<std::string>& args, FingeringsRequest& request)
{
    std::vector<std::pair<std::string, std::string>> options;
    std::vector<std::string> words;
    std::string problem;
    std::vector<SoundOption> known = {
        {"--span", true}, {"--count", true}, {"--any-bass", false}, {"--svg", true}, {"--left-handed", false}};
    known.insert(known.end(), std::begin(NeckOptionNames), std::end(NeckOptionNames));
    if (!SplitSoundOptions(args, known, options, words, problem)) return UsageError(problem);
    if (!ReadNeckOptions(options, request.neck, problem)) return UsageError(problem);
    for (const auto& [name, value] : options) {
        bool read = true;
        if (name == "--any-bass")
            request.anyBass = true;
        else if (name == "--left-handed")
            request.hand = ChordBoxHand::Left;
        else if (name == "--svg" && value.empty())
            return UsageError("--svg needs a folder");
        else if (name == "--svg")
            request.svgFolder = value;
        else if (name == "--span")
            read = ReadSoundNumber(name, value, 1, MaxNeckFrets, request.span, problem);
        else
            read = ReadSoundNumber(name, value, 1, MaxCount, request.count, problem);
        if (!read) return UsageError(problem);
    }
    if (words.empty()) return UsageError("fingerings needs at least one note");
    if (!ReadChordNotes(words, request.notes)) return ExitUsage;
    return ExitOk;
}

}  // namespace

int RunFingeringsCommand(const std::vector<std::string>& args)
{
    FingeringsRequest request;
    if (const int status = ReadRequest(args, request); status != ExitOk) return status;
    const NeckOptions& neck = request.neck;
    const auto fingerings = RankedFingeringsFor(request.notes, neck.strings, static_cast<int>(neck.fretPositions),
                                                static_cast<int>(neck.capo), static_cast<int>(request.span),
                                                request.anyBass, static_cast<std::size_t>(request.count));
    for (const Fingering& fingering : fingerings) std::printf("%s\n", FingeringText(fingering).c_str());
    if (!request.svgFolder.empty() &&
        !WriteChordBoxFiles(request.svgFolder, fingerings, static_cast<int>(neck.capo), request.hand))
        return ExitFailure;
    return ExitOk;
}

// cantrel-cli tunings: the tunings of [Tunings], one per line as
// "N<TAB>instrument<TAB>tuning", N counted from 0 as --tuning takes it.
#include <cstdio>

#include "cli/cli_commands.h"
#include "cli/cli_exit_codes.h"
#include "cli/cli_output.h"
#include "core/theory/definition_lists.h"
#include "core/theory/definition_records.h"

int RunTuningsCommand(const std::vector<std::string>& args)
{
    if (!args.empty()) return UsageError("tunings takes no arguments");
    const int count = CountTunings();
    for (int i = 0; i < count; ++i) {
        const TuningNameTag* tuning = GetTuning(i);
        const char* instrument = GetInstrument(tuning->instrument);
        std::printf("%d\t%s\t%s\n", i, instrument != nullptr ? instrument : "", tuning->name);
    }
    return ExitOk;
}

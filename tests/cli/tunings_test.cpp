// cantrel-cli tunings.
#include <gtest/gtest.h>

#include <string>

#include "cli/cli_runner.h"
#include "support/scratch_dir.h"

TEST(CliTunings, ListsTheNumbersTuningTakesWithInstrumentAndName)
{
    ScratchDir dir;
    const std::string two = dir.Write("two.ini", "[Tunings]\n1=\"Guitar\",\"Standard\", E4 A5 D5 G5 B6 E6\n"
                                                 "2=\"Lute\",\"Renaissance G\", G4 C5 F5 A6 D6 G6\n");
    const std::string none = dir.Write("none.ini", "[Chords]\n1=\"M\",\"Major\", 1 3 5\n");
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string out;
    } cases[] = {
        {{"--ini", two, "tunings"}, 0, "0\tGuitar\tStandard\n1\tLute\tRenaissance G\n"},
        {{"--ini", two, "tunings", "extra"}, 2, ""},
        {{"--ini", none, "tunings"}, 1, ""},
    };
    for (const Case& c : cases) {
        const CliResult r = RunCli(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args.back() << ": " << r.err;
        EXPECT_EQ(r.out, c.out) << c.args.back();
    }
}

// cantrel-cli fingerings on the default tunings.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cli/cli_runner.h"
#include "support/scratch_dir.h"

namespace {

class CliFingerings : public ::testing::Test {
protected:
    // On a copy of the default settings, which must come out unchanged.
    CliResult Run(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--ini", ini, "fingerings"});
        CliResult r = RunCli(args);
        EXPECT_EQ(scratch.Read("cantrel.ini"), defaults) << "a reading command writes nothing";
        return r;
    }
    static std::size_t Lines(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

    ScratchDir scratch;
    const std::string defaults = ReadDefaults();
    const std::string ini = scratch.Write("cantrel.ini", defaults);

private:
    std::string ReadDefaults()
    {
        std::ifstream in(std::string(CANTREL_SOURCE_DIR) + "/data/cantrel.ini", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

}  // namespace

TEST_F(CliFingerings, BestFirstFromTheLowestString)
{
    // C5 E5 G5: C3 E3 G3 as most guitarists count, the lowest note the bass.
    CliResult r = Run({"C5", "E5", "G5"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "x 3 2 0 1 0");
    EXPECT_EQ(Lines(r.out), 10u) << "ten by default";

    // Frets count from the nut: with the capo at 2, D is the C shape.
    r = Run({"--count", "1", "--capo=2", "D5", "F#5", "A6"});
    EXPECT_EQ(r.out, "x 5 4 2 3 2\n");

    // Tuning 18 is the ukulele, re-entrant: any inversion with --any-bass.
    r = Run({"--tuning", "18", "--any-bass", "--count", "1", "C", "E", "G"});
    EXPECT_EQ(r.out, "0 0 0 3\n");
    // Without it the lowest note given (E) must sound lowest, below the high G.
    r = Run({"--tuning", "18", "--count", "1", "E6", "G6", "C7"});
    EXPECT_EQ(r.out, "0 4 0 3\n");

    // Five notes on four strings.
    r = Run({"--tuning", "18", "C", "E", "G", "Bb", "D"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "") << "nothing playable prints nothing";
}

TEST_F(CliFingerings, BadArgumentsExitTwoWithAMessage)
{
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"--tuning", "-1", "C5"},
        {"--tuning", "30", "C5"},
        {"--frets", "3", "C5"},
        {"--frets", "34", "C5"},
        {"--capo", "7", "--frets", "7", "C5"},
        {"--span", "0", "C5"},
        {"--count", "ten", "C5"},
        {"--capo", "-1", "C5"},
        {"--bass", "C5"},
        {"--any-bass=1", "C5"},
        {"C5", "H5"},
    };
    for (const auto& args : bad) {
        const CliResult r = Run(args);
        EXPECT_EQ(r.exitCode, 2) << testing::PrintToString(args);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err, "") << testing::PrintToString(args);
    }
}

// cantrel-cli strings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_runner.h"

namespace {

const std::string DefaultSettings = std::string(CANTREL_SOURCE_DIR) + "/data/cantrel.ini";

CliResult Strings(std::vector<std::string> args)
{
    args.insert(args.begin(), {"--ini", DefaultSettings, "strings"});
    return RunCli(args);
}

}  // namespace

TEST(CliStrings, LaysTheNotesOnTheStringsOfTheChosenTuning)
{
    // Notes 63, 67, 70 on the standard guitar, whose top string is E6 (67).
    CliResult r = Strings({"C6", "E6", "G6"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "0 G6 3\n1 E6 5\n2 C6 5\n3 -\n4 -\n5 -\n");

    // Tuning 18 is the high-G ukulele (A7 E6 C6 G6 in slots 0-3). With the
    // capo at fret 2 string 0 starts at B7, so A7 goes to string 1 (E6 + 5).
    r = Strings({"--tuning", "18", "--capo=2", "--frets", "20", "A7", "B7"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "0 B7 2\n1 A7 5\n2 -\n3 -\n");
}

TEST(CliStrings, BatchLaysOneChordPerLine)
{
    const CliResult r = RunCli({"--ini", DefaultSettings, "strings", "--batch", "--tuning=14"}, "G4 D5\n\nC5 H5\nE5\n");
    EXPECT_EQ(r.exitCode, 2) << "a bad line";
    EXPECT_NE(r.err.find("line 3: not a note: 'H5'"), std::string::npos) << r.err;
    // Tuning 14 is the four-string bass (G4 D4 A4 E3 in slots 0-3); every
    // line gets its line, a bad one all silent.
    EXPECT_EQ(r.out,
              "0 D5 7\t1 G4 5\t2 -\t3 -\n"
              "0 -\t1 -\t2 -\t3 -\n"
              "0 -\t1 -\t2 -\t3 -\n"
              "0 E5 9\t1 -\t2 -\t3 -\n");
}

TEST(CliStrings, RefusesSettingsOutsideTheInstrument)
{
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {{"--tuning", "30", "C5"}, "bad value for --tuning: '30' (0 to 29)"},
        {{"--tuning", "-1", "C5"}, "bad value for --tuning"},
        {{"--frets", "3", "C5"}, "bad value for --frets: '3' (4 to 33)"},
        {{"--frets", "34", "C5"}, "(4 to 33)"},
        {{"--capo", "5", "--frets", "5", "C5"}, "bad value for --capo: '5' (0 to 4)"},
        {{"--capo", "x", "C5"}, "bad value for --capo"},
        {{"--strings", "1", "C5"}, "unknown option '--strings'"},
        {{}, "strings needs at least one note"},
        {{"--batch", "C5"}, "strings --batch reads its notes from standard input"},
        {{"C5", "H5"}, "not a note: 'H5'"},
    };
    for (const Case& c : cases) {
        const CliResult r = Strings(c.args);
        EXPECT_EQ(r.exitCode, 2) << c.message;
        EXPECT_EQ(r.out, "") << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}

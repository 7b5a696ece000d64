// cantrel-cli --octaves: the notes read and written count from C or from A;
// the chord's text form is the clipboard's and always counts from A.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_runner.h"

TEST(CliOctaves, NotesReadAndWrittenCountAsChosen)
{
    const std::string settings = std::string(CANTREL_SOURCE_DIR) + "/data/cantrel.ini";
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string out;  // standard output, or how it begins
    };
    const Case cases[] = {
        {{"--octaves", "c", "strings", "C4", "E4", "G4"}, 0, "0 G4 3\n1 E4 5\n2 C4 5\n3 -\n4 -\n5 -\n"},
        {{"--octaves=a", "strings", "C6", "E6", "G6"}, 0, "0 G6 3\n1 E6 5\n2 C6 5\n3 -\n4 -\n5 -\n"},
        {{"--octaves", "c", "text", "C4", "E4", "G4"},
         0,
         "C   \xC2\xAB"
         "C6 E6 G6 - - - - - - - - - \xC2\xBB\n"},
        // G9 in root position, as a musician writes it.
        {{"--octaves", "C", "name", "G3", "B3", "D4", "F4", "A4"}, 0, "G9\n"},
        {{"--octaves", "c", "strings", "G#9"}, 2, ""},  // above MIDI 127
        {{"--octaves", "c", "strings", "C6#"}, 2, ""},
        {{"--octaves", "x", "strings", "C4"}, 2, ""},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"--ini", settings};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliResult r = RunCli(args);
        SCOPED_TRACE(c.args.back());
        EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
        EXPECT_EQ(r.out.substr(0, c.out.size()), c.out);
        if (c.exitCode != 0) {
            EXPECT_TRUE(r.out.empty()) << r.out;
        }
    }
}

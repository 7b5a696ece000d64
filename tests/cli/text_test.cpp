#include <gtest/gtest.h>

#include <string>

#include "cli/cli_runner.h"
#include "support/scratch_dir.h"

namespace {

const std::string Open = "\xC2\xAB";   // «
const std::string Close = "\xC2\xBB";  // »

// A chord type none of the chords below is: text names from the chord
// types, and a settings file without any is refused.
const std::string NoMatchingChord = "[Chords]\n1=\"cl\",\"Cluster\", 1 2b 2 3b 3\n";

// A settings file of our own, so that the output does not depend on the
// definitions shipped with the program.
class CliText : public ::testing::Test {
protected:
    CliResult Run(std::vector<std::string> args, const std::string& ini = NoMatchingChord)
    {
        args.insert(args.begin(), {"--ini", scratch.Write("cantrel.ini", ini)});
        return RunCli(args);
    }

    ScratchDir scratch;
};

}  // namespace

TEST_F(CliText, PrintsTheTextFormOfTheNotes)
{
    CliResult r = Run({"text", "C4", "E4", "G4"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "   " + Open + "C4 E4 G4 - - - - - - - - - " + Close + "\n");
    EXPECT_EQ(r.err, "");

    // Octaves carried over; the thirteenth note drops the first.
    r = Run({"text", "E2", "A", "A#4", "B", "C5", "C#5", "D5", "D#5", "E5", "F5", "F#5", "G5", "G#5"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "   " + Open + "A2 Bb4 B4 C5 C#5 D5 Eb5 E5 F5 F#5 G5 G#5 " + Close + "\n");
}

TEST_F(CliText, NamesTheChordWithTheNamingOptions)
{
    const std::string ini = "[Chords]\r\n1=\"\",\"Major\", 1 3 5\r\n2=\"m\",\"Minor\", 1 3b 5\r\n";
    CliResult r = Run({"text", "C4", "E4", "G4"}, ini);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "C   " + Open + "C4 E4 G4 - - - - - - - - - " + Close + "\n");

    r = Run({"--accidentals", "0", "text", "Bb3", "Db4", "F4"}, ini);
    EXPECT_EQ(r.out, "A#m   " + Open + "A#3 C#4 F4 - - - - - - - - - " + Close + "\n");
    // Options may also follow the command; numbers may be hexadecimal.
    r = Run({"text", "Bb3", "Db4", "F4", "--accidentals=2", "--custom-accidentals", "0x11"}, ini);
    EXPECT_EQ(r.out, "Bbm   " + Open + "Bb3 Db4 F4 - - - - - - - - - " + Close + "\n");
    // A leading zero is still decimal: 010 is ten (Eb and Ab), not eight.
    r = Run({"--accidentals", "2", "--custom-accidentals", "010", "text", "D#4", "G#4"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "   " + Open + "Eb4 Ab5 - - - - - - - - - - " + Close + "\n");
}

TEST_F(CliText, NotesWithoutOctaveStartFromOctaveSixWhateverTheSettingsHold)
{
    // Loading the tunings parses notes with octaves; the command line's first
    // note without one must not take the octave of the last string loaded.
    const std::string ini = NoMatchingChord + "[Tunings]\n1=\"Bass\",\"Standard\", E2 A2 D3 G3\n";
    CliResult r = Run({"text", "C", "E", "G"}, ini);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "   " + Open + "C6 E6 G6 - - - - - - - - - " + Close + "\n");
}

TEST_F(CliText, BadNoteIsReportedAndExitsTwo)
{
    CliResult r = Run({"text", "C4", "H4"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("cantrel-cli: not a note: 'H4'"), std::string::npos) << r.err;

    r = Run({"text", "\xC3\xA9"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("not a note"), std::string::npos) << r.err;
}

TEST_F(CliText, UsageProblemsExitTwo)
{
    CliResult r = RunCli({});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("usage: cantrel-cli"), std::string::npos) << r.err;

    for (std::vector<std::string> args : {std::vector<std::string>{"text"},
                                          {"frobnicate", "C4"},
                                          {"--accidentals", "5", "text", "C4"},
                                          {"--custom-accidentals", "32", "text", "C4"},
                                          {"--no-root=2", "text", "C4"},
                                          {"--bogus", "text", "C4"},
                                          {"text", "C4", "--accidentals"}}) {
        r = Run(args);
        EXPECT_EQ(r.exitCode, 2) << args[0];
        EXPECT_EQ(r.out, "") << args[0];
        EXPECT_EQ(r.err.rfind("cantrel-cli: ", 0), 0u) << r.err;
    }

    r = RunCli({"--help"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("text NOTE..."), std::string::npos) << r.out;
}

// cantrel-cli name, keys and scales.
#include <gtest/gtest.h>

#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "support/test_settings.h"
#include "cli/cli_runner.h"
#include "support/scoped_environment.h"
#include "support/scratch_dir.h"

namespace {

bool Contains(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

}  // namespace

TEST(CliTheory, NamesChordsWithTheDefaultDefinitions)
{
    CliResult r = RunCli({"--ini", TestSettings::File(), "name", "C5", "E5", "G5"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const auto names = Lines(r.out);
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names.front(), "C");

    // Notes without a digit take the octave before them: G4 B4 D5 F5.
    r = RunCli({"--ini", TestSettings::File(), "name", "G4", "B", "D5", "F"});
    EXPECT_EQ(Lines(r.out).front(), "G7");
    r = RunCli({"--ini", TestSettings::File(), "--diff-bass", "--bass-style", "name", "E5", "G5", "C6"});
    EXPECT_EQ(Lines(r.out).front(), "C/E");

    // Spelled by chord: the root of the simpler key, the bass from that root.
    for (const auto& [notes, name] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"G#4", "C5", "D#5"}, "Ab"}, {{"C#4", "F4", "G#4", "C5"}, "Dbmaj7"}, {{"G#4", "B4", "D#5"}, "G#m"},
             {{"G#4", "C5", "D#5", "F#5"}, "Ab7"},
             {{"A#4", "D5", "F5", "G#5"}, "Bb7"}}) {
        std::vector<std::string> args{"--ini", TestSettings::File(), "--accidentals", "4", "name"};
        args.insert(args.end(), notes.begin(), notes.end());
        EXPECT_EQ(Lines(RunCli(args).out).front(), name);
    }
    r = RunCli({"--ini", TestSettings::File(), "--accidentals", "4", "--diff-bass", "--bass-style", "name", "D#4",
                "G#4", "C5"});
    EXPECT_EQ(Lines(r.out).front(), "Ab/Eb");
    r = RunCli({"--ini", TestSettings::File(), "--accidentals", "4", "scales", "F#4", "A#4", "C#5"});
    const auto scales = Lines(r.out);
    ASSERT_GE(scales.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(scales.begin(), scales.begin() + 3),
              (std::vector<std::string>{"B Major", "Db Major", "F# Major"}));
    // The notes laid on the strings are spelled by their chord too.
    r = RunCli({"--ini", TestSettings::File(), "--accidentals", "4", "strings", "G#5", "C6", "D#6"});
    EXPECT_EQ(r.out, "0 -\n1 Eb6 4\n2 C6 5\n3 Ab6 6\n4 -\n5 -\n");
}

TEST(CliTheory, EveryNameInOrderAndTheNamingSwitches)
{
    ScratchDir scratch;
    const std::string ini =
        scratch.Write("cantrel.ini", "[Chords]\n1=\"\",\"Major\", 1 3 5\n2=\"m7\",\"Minor Seventh\", 1? 3b 5 7b\n");
    CliResult r = RunCli({"--ini", ini, "name", "C4", "E4", "G4"});
    EXPECT_EQ(r.out, "C\nAm7 (No Root)\n");
    r = RunCli({"--ini", ini, "--no-root=0", "name", "C4", "E4", "G4"});
    EXPECT_EQ(r.out, "C\n");
    r = RunCli({"--ini", ini, "--no-root", "0", "name", "C4", "E4", "G4"});
    EXPECT_EQ(r.out, "C\n") << "the value may follow as its own word";
    r = RunCli({"--ini", ini, "--no-root", "1", "name", "C4", "E4", "G4"});
    EXPECT_EQ(r.out, "C\nAm7 (No Root)\n");
    r = RunCli({"--ini", ini, "name", "C4", "D4", "E4", "G4", "--add-style"});
    EXPECT_EQ(r.out, "C (Add 2)\n");
    r = RunCli({"--ini", ini, "name", "D4", "C5", "E5", "G5"});
    EXPECT_EQ(r.out, "C (D Bass)\n");
    r = RunCli({"--ini", ini, "name", "B3"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "") << "no name, nothing written";
}

TEST(CliTheory, BatchWritesOneLinePerChord)
{
    ScratchDir scratch;
    const std::string ini =
        scratch.Write("cantrel.ini", "[Chords]\n1=\"\",\"Major\", 1 3 5\n2=\"m7\",\"Minor Seventh\", 1? 3b 5 7b\n");
    CliResult r = RunCli({"--ini", ini, "name", "--batch"}, "C4 E4 G4\n\nB3\r\n  E4\tG4   C5  \nC E G\n");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    // Each line stands alone: "C E G" is in octave 6, not the octave of the line before.
    EXPECT_EQ(r.out, "C\tAm7 (No Root)\n\n\nC\tAm7 (No Root)\nC\tAm7 (No Root)\n");

    r = RunCli({"--ini", ini, "name", "--batch"}, "C4 E4 G4\nC4 X4\nC4 E4 G4\n");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "C\tAm7 (No Root)\n\nC\tAm7 (No Root)\n") << "a bad line keeps its place";
    EXPECT_NE(r.err.find("cantrel-cli: line 2: not a note: 'X4'"), std::string::npos) << r.err;
}

TEST(CliTheory, BatchAnswersALineBeforeWaitingForTheNext)
{
    // A program that writes a chord and waits for its names gets them, also
    // through a pipe.
    ScratchDir scratch;
    const std::string ini = scratch.Write("cantrel.ini", "[Chords]\n1=\"\",\"Major\", 1 3 5\n");
    int toCli[2], fromCli[2];
    ASSERT_EQ(pipe(toCli), 0);
    ASSERT_EQ(pipe(fromCli), 0);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_adddup2(&files, toCli[0], 0);
    posix_spawn_file_actions_adddup2(&files, fromCli[1], 1);
    for (int fd : {toCli[0], toCli[1], fromCli[0], fromCli[1]}) posix_spawn_file_actions_addclose(&files, fd);
    const std::string program = CANTREL_OUTPUT_DIR "/cantrel-cli";
    const char* argv[] = {program.c_str(), "--ini", ini.c_str(), "name", "--batch", nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, program.c_str(), &files, nullptr, const_cast<char**>(argv), environ), 0);
    posix_spawn_file_actions_destroy(&files);
    close(toCli[0]);
    close(fromCli[1]);

    ASSERT_EQ(write(toCli[1], "C4 E4 G4\n", 9), 9);
    std::string answer;
    pollfd reply{fromCli[0], POLLIN, 0};
    char byte = 0;
    while (answer.find('\n') == std::string::npos && poll(&reply, 1, 30000) == 1 && read(fromCli[0], &byte, 1) == 1)
        answer += byte;
    close(toCli[1]);
    close(fromCli[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_EQ(answer, "C\n");
}

TEST(CliTheory, KeysAndScalesHoldingTheNotes)
{
    CliResult r = RunCli({"--ini", TestSettings::File(), "scales", "C5", "E5", "G5"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto scales = Lines(r.out);
    EXPECT_TRUE(Contains(scales, "C Major") && Contains(scales, "F Major") && Contains(scales, "G Major")) << r.out;
    EXPECT_EQ(scales.front(), "C Major");

    r = RunCli({"--ini", TestSettings::File(), "keys", "F#5"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto keys = Lines(r.out);
    for (const char* key : {"G Major", "D Major", "A Major", "E Major", "B Major", "F# Major", "C# Major", "Gb Major",
                            "E Minor", "B Minor"})
        EXPECT_TRUE(Contains(keys, key)) << key << " in\n" << r.out;
    EXPECT_FALSE(Contains(keys, "C Major"));
    EXPECT_FALSE(Contains(keys, "F Major"));
}

TEST(CliTheory, BadNotesAndBadSettings)
{
    for (const char* command : {"name", "keys", "scales"}) {
        CliResult r = RunCli({"--ini", TestSettings::File(), command, "C4", "Q4"});
        EXPECT_EQ(r.exitCode, 2) << command;
        EXPECT_EQ(r.out, "") << command;
        EXPECT_NE(r.err.find("cantrel-cli: not a note: 'Q4'"), std::string::npos) << r.err;
        r = RunCli({"--ini", TestSettings::File(), command});
        EXPECT_EQ(r.exitCode, 2) << command;
    }
    std::vector<std::string> thirteen{"--ini", TestSettings::File(), "name"};
    for (int i = 0; i < 13; ++i) thirteen.push_back("A" + std::to_string(i % 9 + 1) + (i >= 9 ? "#" : ""));
    EXPECT_EQ(RunCli(thirteen).exitCode, 2) << "a 13th note would silently drop the first";

    ScratchDir scratch;
    const std::string bad = scratch.Write("bad.ini",
                                          "[Chords]\n1=\"\",\"Major\", 1 3 5\n2=\"m\",\"Minor\" , 1 3b 5\n"
                                          "[Keys]\n1=\"C Major\", C D E F G A B\n");
    CliResult r = RunCli({"--ini", bad, "keys", "C4"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "cantrel-cli: 401: Cannot understand chord #2 in '" + bad + "'\n") << "the file named";

    r = RunCli({"--ini", scratch.File("missing.ini"), "name", "C4"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("cannot read settings file"), std::string::npos) << r.err;
}

TEST(CliTheory, NoPlaceForTheSettingsFileFailsTheRun)
{
    // Library and user folders both lie below a regular file: neither can hold
    // a settings file, so there are no definitions to answer from.
    ScratchDir scratch;
    scratch.Write("plain", "not a folder");
    CliResult r;
    {
        ScopedEnvironment library("CANTREL_LIBRARY_DIR", scratch.File("plain/lib"));
        ScopedEnvironment config("XDG_CONFIG_HOME", scratch.File("plain/config"));
        r = RunCli({"name", "C4", "E4", "G4"});
    }

    EXPECT_EQ(r.exitCode, 1) << "an empty answer is no success";
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("cantrel-cli: 408: Cannot write to cantrel.ini"), std::string::npos) << r.err;
}

TEST(CliTheory, TheSettingsFileNamedIsNeverWritten)
{
    ScratchDir scratch;
    const std::string contents = "; mine\n[Chords]\n1=\"\",\"Major\", 1 3 5\n";
    const std::string ini = scratch.Write("cantrel.ini", contents);
    RunCli({"--ini", ini, "name", "C4", "E4", "G4"});
    EXPECT_EQ(scratch.Read("cantrel.ini"), contents);
}

// What a script relies on: reading commands leave the settings file alone,
// and the exit status tells whether the answer is whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "cli/cli_runner.h"
#include "core/services/atomic_file.h"
#include "support/scratch_dir.h"
#include "support/test_settings.h"

namespace {

std::vector<std::string> FolderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(CliTrust, ReadingCommandsLeaveTheSettingsFileByteForByte)
{
    ScratchDir scratch;
    const std::string studio = scratch.Write("s.cts", "[Windows]\n0=513\n");
    const std::string& ini = TestSettings::File();
    std::string before;
    FileIdentity identity;
    ASSERT_TRUE(ReadWholeFile(ini, before, identity));
    const auto entries = FolderEntries(TestSettings::LibraryDir());
    const std::vector<std::vector<std::string>> runs{
        {"text", "C5", "E5", "G5"},  {"name", "C5", "E5", "G5"}, {"keys", "C5"},
        {"scales", "C5", "E5"},      {"studio", studio},         {"devices"},
        {"--ini", ini, "name", "C5"}};
    for (const auto& args : runs) {
        const CliResult r = RunCli(args);
        EXPECT_EQ(r.exitCode, 0) << args.front() << ": " << r.err;
    }
    EXPECT_EQ(RunCli({"name", "--batch"}, "C5 E5 G5\nD5 F5 A5\n").exitCode, 0);
    EXPECT_EQ(IdentityOf(ini), identity) << "neither rewritten nor touched";
    EXPECT_EQ(FolderEntries(TestSettings::LibraryDir()), entries) << "no file made beside it";
    std::string after;
    FileIdentity ignored;
    ASSERT_TRUE(ReadWholeFile(ini, after, ignored));
    EXPECT_EQ(after, before);
}

TEST(CliTrust, LostDefinitionsAreAnsweredFromTheBuiltInOnesWithoutWriting)
{
    const std::string& ini = TestSettings::File();
    std::filesystem::remove(ini);
    ScratchDir scratch;
    std::filesystem::copy_file(scratch.Write("few.ini", "[Global]\nMaxChords=5\n[Keys]\n"), ini);
    const CliResult names = RunCli({"name", "C5", "E5", "G5"});
    EXPECT_EQ(names.exitCode, 0) << names.err;
    EXPECT_EQ(names.out.substr(0, 2), "C\n");
    EXPECT_NE(names.err.find("447: The definitions of [Chords], [Tunings], [Scales] are missing from " + ini +
                             "; the ones Cantrel Studio comes with are used this time."),
              std::string::npos)
        << names.err;
    // [Keys] is there, emptied by the user: it stays empty.
    const CliResult keys = RunCli({"keys", "C5"});
    EXPECT_EQ(keys.exitCode, 1);
    EXPECT_NE(keys.err.find("holds no [Keys] definitions"), std::string::npos) << keys.err;
    std::string after;
    FileIdentity ignored;
    ASSERT_TRUE(ReadWholeFile(ini, after, ignored));
    EXPECT_EQ(after, "[Global]\nMaxChords=5\n[Keys]\n");
}

TEST(CliTrust, WhatIsNoSettingsFileFailsTheRun)
{
    ScratchDir scratch;
    const std::string fifo = scratch.File("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string utf16("\xFF\xFE[\0C\0h\0o\0r\0d\0s\0]\0\n\0", 20);
    for (const std::string& ini : {fifo, std::string("/dev/null"), scratch.Path(),
                                   scratch.Write("binary.ini", std::string("\x7F"
                                                                           "ELF\x02\x01\x01\0\0\0",
                                                                           10)),
                                   scratch.Write("utf16.ini", utf16), scratch.Write("words.ini", "just words\n")}) {
        const CliResult r = RunCli({"--ini", ini, "text", "C5"});
        EXPECT_EQ(r.exitCode, 1) << ini;
        EXPECT_EQ(r.out, "") << ini;
        EXPECT_NE(r.err.find(ini), std::string::npos) << r.err;
    }
    // A settings file without the definitions a command answers from.
    const std::string plain = scratch.Write("plain.ini", "[Global]\nMaxChords=5\n");
    for (const char* command : {"text", "name", "keys", "scales"}) {
        const CliResult r = RunCli({"--ini", plain, command, "C5"});
        EXPECT_EQ(r.exitCode, 1) << command;
        EXPECT_EQ(r.out, "") << command << ": no answer without the name it would carry";
        EXPECT_NE(r.err.find("holds no ["), std::string::npos) << r.err;
    }
}

TEST(CliTrust, NotesOutsideTheRangeAndBrokenInputLinesAreRefused)
{
    for (const char* note : {"Ab1", "Abb1", "G#11", "G##11"}) {
        const CliResult r = RunCli({"text", note});
        EXPECT_EQ(r.exitCode, 2) << note;
        EXPECT_EQ(r.err, std::string("cantrel-cli: not a note: '") + note + "'\n");
    }
    EXPECT_EQ(RunCli({"text", "A1", "G11"}).exitCode, 0);

    // A zero byte inside a word, and a line far too long, are errors for
    // their lines; the lines after them are answered.
    const std::string input = std::string("C5\0E5 G5\n", 9) + std::string(70 * 1024, 'C') + "\nC5 E5 G5\n";
    const CliResult r = RunCli({"name", "--batch"}, input);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out.substr(0, 2), "\n\n");
    EXPECT_EQ(r.out.substr(2, 2), "C\t");
    EXPECT_NE(r.err.find("line 1: not a note"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("line 2: longer than 65536 bytes"), std::string::npos) << r.err;
}

TEST(CliTrust, AnAnswerThatCannotBeWrittenFailsTheRun)
{
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    const CliResult r = RunCli({"name", "C5", "E5", "G5"}, "", "/dev/full");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("cannot write the output"), std::string::npos) << r.err;
    EXPECT_EQ(RunCli({"name", "--batch"}, "C5 E5 G5\n", "/dev/full").exitCode, 1);
}

// Each answer that is not whole says what is missing, names the file it
// concerns, and fails the run.
TEST(CliTrust, WhatCouldNotBeDoneIsSaidAndFailsTheRun)
{
    ScratchDir scratch;
    const std::string empty = scratch.Write("empty.ini", "");
    const std::string studio = scratch.Write("s.cts", "[Windows]\n0=513\n1=0A0102\n");
    const std::string fifo = scratch.File("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    struct Case {
        bool ownSettingsEmpty;
        std::vector<std::string> args;
        std::string input;
        int exitCode;
        std::string said;
    };
    const Case cases[] = {
        // The program's own file, empty: answered from the built-in
        // definitions, and said so, since nothing is written back.
        {true,
         {"name", "C5", "E5", "G5"},
         "",
         0,
         "447: The definitions of [Chords], [Tunings], [Scales], [Keys] are missing from " + TestSettings::File() +
             "; the ones Cantrel Studio comes with are used this time."},
        {false, {"--ini", empty, "text", "C5", "E5", "G5"}, "", 1, "holds no [Chords] definitions"},
        {false,
         {"studio", studio},
         "",
         1,
         "component 1 is damaged: [Windows] 1 is not a placement and settings record"},
        {false, {"strings", "A1", "C6", "G11"}, "", 1, "could not place A1, G11 on the strings"},
        {false, {"strings", "--batch"}, "C6 E6\nA1 C6\n", 1, "line 2: could not place A1 on the strings"},
        {false, {"play", "--wav", fifo, "C5"}, "", 1, "'" + fifo + "' is not a regular file"},
    };
    for (const Case& c : cases) {
        if (c.ownSettingsEmpty) std::filesystem::resize_file(TestSettings::File(), 0);
        const CliResult r = RunCli(c.args, c.input);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args.front() << ": " << r.err;
        EXPECT_NE(r.err.find(c.said), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("Internal error"), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("restored"), std::string::npos) << r.err;
    }
}

// cantrel-cli studio: a saved studio read back without any window.
#include "cli/cli_runner.h"
#include "studio_fixture.h"

namespace {

using CliStudioTest = StudioTest;

TEST_F(CliStudioTest, PrintsEveryComponentOfASavedStudio)
{
    RecordingClient* bass = Recorder("Bass \"low\"");
    bass->SetNotes({39, 43});
    bass->Chord.program = 33;
    SplitterClient* s = Splitter();
    Connect(bass, 0, s, 0);
    s->StoredIconX = 7;
    s->StoredIconY = -3;
    const std::string path = scratch.File("cli.cts");
    ASSERT_TRUE(studio->SaveStudio(path.c_str()));

    const CliResult result = RunCli({"studio", "--json", path});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string& out = result.out;
    EXPECT_EQ(out.rfind("{\"components\": [", 0), 0u) << out;
    EXPECT_NE(out.find("{\"index\": 1, \"typeId\": 1004, \"title\": \"Bass \\\"low\\\"\""), std::string::npos) << out;
    EXPECT_NE(out.find("\"notes\": [39, 43, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1], \"program\": 33"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("\"links\": [{\"slot\": 1, \"from\": 1, \"to\": 2}]"), std::string::npos) << out;
    EXPECT_NE(out.find("{\"index\": 2, \"typeId\": 1006, \"title\": \"\""), std::string::npos) << out;
    EXPECT_NE(out.find("\"passThrough\": 1, \"manualPosition\": 0, \"icon\": [7, -3]"), std::string::npos) << out;
    EXPECT_NE(out.find("\"links\": [{\"slot\": 0, \"from\": 1, \"to\": 2}], \"extraLines\": 0}"), std::string::npos)
        << out;
}

TEST(CliStudioFileTest, AnUnreadableFileIsReportedWithExitStatusOne)
{
    ScratchDir scratch;
    const std::string path = scratch.Write("not.cts", "[Other]\nx=1\n");
    const CliResult result = RunCli({"studio", "--json", path});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("Error reading studio file " + path + "."), std::string::npos) << result.err;
    EXPECT_TRUE(result.out.empty());

    // Old files: Windows-1252 titles come out as UTF-8. This component line
    // is cut short: what could be read is written, and the line named as
    // damaged makes the exit status 1.
    const std::string old = scratch.Write("old.cts", "[Windows]\n0=513\n1=2C00\n[Titles]\n1=Caf\xE9\n");
    const CliResult read = RunCli({"studio", old});
    EXPECT_EQ(read.exitCode, 1);
    EXPECT_NE(read.err.find("component 1 is damaged"), std::string::npos) << read.err;
    EXPECT_NE(read.out.find("\"title\": \"Caf\xC3\xA9\""), std::string::npos) << read.out;
}

}  // namespace

// cantrel-cli fingerings --svg: a box per fingering named by rank, in a folder
// made when missing; a folder or a file that cannot be written is said and
// fails the command, the listing stays.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "cli/cli_runner.h"
#include "support/scratch_dir.h"

TEST(CliFingeringsSvg, OneBoxPerFingeringByRankOrTheFirstFailureSaid)
{
    ScratchDir scratch;
    const std::string ini = std::string(CANTREL_SOURCE_DIR) + "/data/cantrel.ini";
    scratch.Write("file", "not a folder");
    std::filesystem::create_directories(scratch.File("taken/02.svg"));  // a folder where a box goes
    struct Case {
        std::string folder;
        std::vector<std::string> written;
        int exitCode;
        std::string message;
    };
    const Case cases[] = {
        {scratch.File("new/boxes"), {"01.svg", "02.svg", "03.svg"}, 0, ""},
        {scratch.File("file/boxes"), {}, 1, "cantrel-cli: 470: The chord boxes could not be written to the folder "},
        {scratch.File("taken"), {"01.svg"}, 1, "cantrel-cli: 471: The chord box " + scratch.File("taken/02.svg")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        const CliResult r = RunCli({"--ini", ini, "fingerings", "--count", "3", "--svg", c.folder, "C5", "E5", "G5"});
        EXPECT_EQ(r.exitCode, c.exitCode);
        EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "x 3 2 0 1 0") << "the listing comes all the same";
        EXPECT_EQ(r.err.substr(0, c.message.size()), c.message);
        for (const std::string& name : c.written) {
            std::ifstream in(c.folder + "/" + name);
            const std::string svg(std::istreambuf_iterator<char>(in), {});
            EXPECT_NE(svg.find("<svg"), std::string::npos) << name;
        }
    }
    EXPECT_EQ(RunCli({"--ini", ini, "fingerings", "--svg=", "C5"}).exitCode, 2) << "--svg needs a folder";
}

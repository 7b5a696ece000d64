// cantrel-cli studio --json --layout: the icon positions it gives are the ones
// the Connections window shows right after loading the same studio.
#include <map>

#include "app/studio/connections/layout_window.h"
#include "cli/cli_runner.h"
#include "app/studio_fixture.h"

namespace {

using CliLayoutTest = StudioTest;

// "iconPos" of each component of the JSON, by index.
std::map<int, std::string> IconPositions(const std::string& json)
{
    std::map<int, std::string> positions;
    std::size_t at = 0;
    while ((at = json.find("{\"index\": ", at)) != std::string::npos) {
        const int index = std::stoi(json.substr(at + 10));
        const std::size_t next = json.find("{\"index\": ", at + 1);
        const std::size_t pos = json.find("\"iconPos\": ", at);
        if (pos != std::string::npos && pos < next) {
            const std::size_t end = json[pos + 11] == '[' ? json.find(']', pos) + 1 : json.find_first_of(",}", pos);
            positions[index] = json.substr(pos + 11, end - pos - 11);
        }
        at = next;
    }
    return positions;
}

TEST_F(CliLayoutTest, GivesThePositionsTheWindowShowsAfterLoading)
{
    RecordingClient* keys = Recorder("Keys");
    SplitterClient* s = Splitter();
    RecordingClient* a = Recorder("A");
    JoinerClient* j = Joiner();
    RecordingClient* b = Recorder("B");
    RecordingClient* l1 = Recorder("L1");
    RecordingClient* l2 = Recorder("L2");
    Recorder("Alone");
    Connect(keys, 0, s, 0);
    Connect(s, 0, a, 0);
    Connect(s, 1, j, 1);
    Connect(a, 0, j, 0);
    Connect(j, 0, b, 0);
    Connect(l1, 0, l2, 0);
    Connect(l2, 0, l1, 0);
    b->ManualPosition = 1;
    b->StoredIconX = 333;
    b->StoredIconY = 7;
    const std::string path = scratch.File("layout.cts");
    ASSERT_TRUE(studio->SaveStudio(path.c_str()));

    const std::string ini = scratch.Write("cli.ini", "");
    const CliResult result = RunCli({"--ini", ini, "studio", "--json", "--layout", path});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::map<int, std::string> printed = IconPositions(result.out);

    ASSERT_TRUE(ToggleConnectionsWindow(studio));
    ASSERT_TRUE(studio->LoadStudio(path.c_str(), true, false));
    int index = 0;
    for (ComponentNode* n = FirstComponent(); n; n = n->Next) {
        ++index;
        EXPECT_EQ(printed.count(index) ? printed.at(index) : "missing",
                  "[" + std::to_string(n->IconX) + ", " + std::to_string(n->IconY) + "]")
            << "component " << index;
    }
    EXPECT_EQ(index, 8);
    EXPECT_EQ(printed.at(5), "[333, 7]");
    delete ConnectionsWindow();

    // Without --layout there is no such key.
    EXPECT_EQ(RunCli({"--ini", ini, "studio", "--json", path}).out.find("iconPos"), std::string::npos);
}

}  // namespace

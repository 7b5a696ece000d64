// cantrel-cli studio --layout on studio files written here byte by byte: the
// Connections window's positions, manual icons, damaged link ends, and a
// studio that would not load.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_runner.h"
#include "support/scratch_dir.h"

namespace {

std::string Hex(const std::vector<std::uint8_t>& bytes)
{
    std::string text;
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02X", unsigned(bytes.size()));
    text += digits;
    for (std::uint8_t b : bytes) {
        std::snprintf(digits, sizeof digits, "%02X", b);
        text += digits;
    }
    return text;
}

void Put16(std::vector<std::uint8_t>& bytes, int at, int value)
{
    bytes[at] = std::uint8_t(value);
    bytes[at + 1] = std::uint8_t(value >> 8);
}

void Put32(std::vector<std::uint8_t>& bytes, int at, int value)
{
    for (int i = 0; i < 4; ++i) bytes[at + i] = std::uint8_t(value >> (8 * i));
}

// A component line: an empty placement, then the settings record with the
// type, the link ends of the three slots (1-based, 0 empty) and the icon.
std::string Line(int type, std::vector<int> to, std::vector<int> from, int manual = 0, int x = 0, int y = 0)
{
    std::vector<std::uint8_t> base(120, 0);
    Put16(base, 0, type);
    for (int s = 0; s < 3; ++s) {
        Put16(base, 98 + 2 * s, to[s]);
        Put16(base, 104 + 2 * s, from[s]);
    }
    base[111] = std::uint8_t(manual);
    Put32(base, 112, x);
    Put32(base, 116, y);
    return Hex(std::vector<std::uint8_t>(44, 0)) + Hex(base);
}

class CliStudioLayout : public ::testing::Test {
protected:
    CliResult Run(const std::vector<std::string>& lines)
    {
        std::string studio = "[Windows]\n0=513\n";
        for (std::size_t n = 0; n < lines.size(); ++n) studio += std::to_string(n + 1) + "=" + lines[n] + "\n";
        // Whole, as the program writes it: the titles follow the components.
        studio += "[Titles]\n";
        return RunCli(
            {"--ini", scratch.Write("cantrel.ini", ""), "studio", "--layout", scratch.Write("s.cts", studio)});
    }
    ScratchDir scratch;
};

constexpr int Keyboard = 1004, Splitter = 1006;

TEST_F(CliStudioLayout, GivesEachIconItsPlace)
{
    // A Splitter feeding two Keyboards; a Keyboard placed by hand; a link end
    // beyond the studio and one naming neither end, both ignored as on loading.
    const CliResult r = Run({
        Line(Splitter, {0, 2, 3}, {0, 1, 1}),
        Line(Keyboard, {2, 0, 0}, {1, 0, 0}),
        Line(Keyboard, {3, 9, 0}, {1, 3, 0}),
        Line(Keyboard, {2, 0, 0}, {1, 0, 0}, 1, 300, -20),
    });
    ASSERT_EQ(r.exitCode, 0) << r.err;
    for (const char* expected : {"\"index\": 1, \"typeId\": 1006", "\"iconPos\": [16, 44]", "\"iconPos\": [80, 16]",
                                 "\"iconPos\": [80, 72]", "\"iconPos\": [300, -20]"})
        EXPECT_NE(r.out.find(expected), std::string::npos) << expected << "\n" << r.out;
}

TEST_F(CliStudioLayout, AStudioThatWouldNotLoadHasNoPositions)
{
    // A Sheet (1002): no component of that type is made.
    const CliResult r = Run({Line(Keyboard, {0, 0, 0}, {0, 0, 0}), Line(1002, {0, 0, 0}, {0, 0, 0})});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("\"typeId\": 1002"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"iconPos\": null"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("\"iconPos\": ["), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("would not load"), std::string::npos) << r.err;
}

}  // namespace

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <cstdlib>
#include <random>
#include <string>

#include "core/services/szdd.h"
#include "support/scratch_dir.h"

namespace {

std::string SampleText()
{
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += "[Windows]\r\n0=513\r\n" + std::to_string(i * 37) + "=2C2C000000000000000100000000\r\n";
    return text;
}

std::string RandomBytes(std::size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
    return bytes;
}

std::string RoundTrip(const std::string& original)
{
    std::string expanded;
    EXPECT_TRUE(ExpandSzdd(CompressSzdd(original), expanded));
    return expanded;
}

// A stream written by hand: a literal, a match back into the window's initial
// spaces, and a match that overlaps what it is writing.
TEST(Szdd, ExpandsHandWrittenStream)
{
    std::string stream(
        "SZDD\x88\xF0\x27\x33"
        "A\0",
        10);
    stream += std::string("\x07\0\0\0", 4);  // length 7
    // control: bit0 literal 'a', bit1 match, bit2 match
    stream += '\x01';
    stream += 'a';
    // two spaces from position 0 (still the window's fill): length 3 -> "   "
    stream += '\x00';
    stream += '\x00';
    // from position 4080 (where 'a' was written), length 3: "a  "
    stream += '\xF0';
    stream += '\xF0';
    std::string out;
    ASSERT_TRUE(ExpandSzdd(stream, out));
    EXPECT_EQ(out, "a   a  ");
}

TEST(Szdd, RoundTripsTextBinaryAndEmpty)
{
    EXPECT_EQ(RoundTrip(""), "");
    EXPECT_EQ(RoundTrip("x"), "x");
    const std::string text = SampleText();
    EXPECT_EQ(RoundTrip(text), text);
    EXPECT_LT(CompressSzdd(text).size(), text.size() / 4);  // really compressed
    const std::string noise = RandomBytes(20000, 7);
    EXPECT_EQ(RoundTrip(noise), noise);
    const std::string run(70000, ' ');  // longer than the window, all one byte
    EXPECT_EQ(RoundTrip(run), run);
}

TEST(Szdd, RefusesDamagedStreams)
{
    const std::string good = CompressSzdd(SampleText());
    std::string out;
    EXPECT_FALSE(ExpandSzdd(good.substr(0, good.size() - 5), out));  // cut short
    EXPECT_TRUE(out.empty());
    EXPECT_FALSE(ExpandSzdd(good.substr(0, 12), out));  // header cut
    std::string wrongMode = good;
    wrongMode[8] = 'B';
    EXPECT_FALSE(ExpandSzdd(wrongMode, out));
    // A header promising far more than the data can give is refused at once.
    std::string boast = good;
    boast[13] = '\x7F';
    EXPECT_FALSE(ExpandSzdd(boast, out));
    EXPECT_FALSE(ExpandSzdd("not compressed at all", out));
}

TEST(Szdd, ExpandFileExpandsOrCopies)
{
    ScratchDir dir;
    const std::string text = SampleText();
    const std::string packed = dir.Write("MDVGARES.!CT", CompressSzdd(text, 'T'));
    ASSERT_EQ(ExpandFile(packed.c_str(), dir.File("TEMPLATE.!CT").c_str()), 1);
    EXPECT_EQ(dir.Read("TEMPLATE.!CT"), text);

    // A plain file is copied as it is.
    const std::string plain = dir.Write("plain.!CT", "[Windows]\n0=513\n");
    ASSERT_EQ(ExpandFile(plain.c_str(), dir.File("copy.!CT").c_str()), 1);
    EXPECT_EQ(dir.Read("copy.!CT"), "[Windows]\n0=513\n");

    // A corrupt source and a missing one leave no destination behind.
    const std::string bad = dir.Write("bad.!CT", CompressSzdd(text).substr(0, 40));
    EXPECT_EQ(ExpandFile(bad.c_str(), dir.File("out1").c_str()), 0);
    EXPECT_EQ(ExpandFile(dir.File("missing").c_str(), dir.File("out2").c_str()), 0);
    EXPECT_FALSE(std::filesystem::exists(dir.File("out1")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("out2")));
    // An unwritable destination (below a regular file) fails.
    EXPECT_EQ(ExpandFile(packed.c_str(), (plain + "/x").c_str()), 0);
}

// The templates in data/ are what the program ships; each must expand to a
// studio file.
TEST(Szdd, ShippedTemplatesExpandToStudios)
{
    for (const char* name : {"LOVGARES.!CT", "MDVGARES.!CT", "HIVGARES.!CT"}) {
        SCOPED_TRACE(name);
        ScratchDir dir;
        const std::string source = std::string(CANTREL_SOURCE_DIR) + "/data/" + name;
        std::string bytes;
        {
            std::ifstream in(source, std::ios::binary);
            bytes.assign(std::istreambuf_iterator<char>(in), {});
        }
        ASSERT_TRUE(IsSzdd(bytes));
        std::string studio;
        ASSERT_TRUE(ExpandSzdd(bytes, studio));
        EXPECT_NE(studio.find("[Windows]"), std::string::npos);
        EXPECT_NE(studio.find("0=513"), std::string::npos);
    }
}

// Debian's mscompress is an independent implementation of the format: what
// one side writes, the other must read.
class SzddPeer : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (std::system("command -v mscompress >/dev/null 2>&1 && command -v msexpand >/dev/null 2>&1") != 0)
            GTEST_SKIP() << "mscompress is not installed";
    }
    ScratchDir dir;
};

TEST_F(SzddPeer, PeerExpandsOurs)
{
    for (const std::string& original : {SampleText(), RandomBytes(9000, 3), std::string(5000, 'a')}) {
        dir.Write("ours", CompressSzdd(original));
        const std::string command = "msexpand < '" + dir.File("ours") + "' > '" + dir.File("theirs") + "'";
        ASSERT_EQ(std::system(command.c_str()), 0);
        EXPECT_EQ(dir.Read("theirs"), original);
    }
}

TEST_F(SzddPeer, WeExpandThePeers)
{
    for (const std::string& original : {SampleText(), RandomBytes(9000, 4), std::string(5000, ' ')}) {
        dir.Write("plain", original);
        std::remove(dir.File("plain_").c_str());
        const std::string command = "cd '" + dir.Path() + "' && mscompress plain";
        ASSERT_EQ(std::system(command.c_str()), 0);
        ASSERT_EQ(ExpandFile(dir.File("plain_").c_str(), dir.File("expanded").c_str()), 1);
        EXPECT_EQ(dir.Read("expanded"), original);
    }
}

}  // namespace

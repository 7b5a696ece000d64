#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/services/hex_record.h"
#include "support/error_recorder.h"

namespace {

std::string InternalErrorText(const char* hex)
{
    return std::string("Internal error : ") + hex + ".  Please contact customer support.";
}

}  // namespace

TEST(GetHex, AcceptsOnlyTwoUpperCaseDigits)
{
    EXPECT_EQ(GetHex("00"), 0);
    EXPECT_EQ(GetHex("FF"), 255);
    EXPECT_EQ(GetHex("A5x"), 0xA5);
    EXPECT_EQ(GetHex("a5"), -1);
    EXPECT_EQ(GetHex("5g"), -1);
    EXPECT_EQ(GetHex("G0"), -1);
    EXPECT_EQ(GetHex("\xC1"
                     "0"),
              -1);
    EXPECT_EQ(GetHex(""), -1);
    EXPECT_EQ(GetHex("A"), -1);
    EXPECT_EQ(GetHex(nullptr), -1);
}

TEST(HexRecord, WritesAndReadsBackBlocksOfEverySize)
{
    ErrorRecorder errors;
    const unsigned char three[] = {0x01, 0xAB, 0xFF};
    char text[600];
    ASSERT_EQ(ToString(three, 3, text, sizeof text), 1);
    EXPECT_STREQ(text, "0301ABFF");

    ASSERT_EQ(ToString(three, 0, text, sizeof text), 1);
    EXPECT_STREQ(text, "00");
    int used = -1;
    EXPECT_EQ(FromString("00", nullptr, 0, used), 1);
    EXPECT_EQ(used, 2);

    std::vector<unsigned char> block(255);
    for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<unsigned char>(255 - i);
    ASSERT_EQ(ToString(block.data(), 255, text, 2 * 255 + 3), 1) << "exactly enough room";
    EXPECT_EQ(std::strlen(text), 512u);
    std::vector<unsigned char> back(255);
    ASSERT_EQ(FromString(text, back.data(), 255, used), 1);
    EXPECT_EQ(back, block);
    EXPECT_EQ(used, 512);

    // A record followed by more text: used tells where it ends.
    ASSERT_EQ(FromString("0301ABFF0200", back.data(), 3, used), 1);
    EXPECT_EQ(used, 8);
    EXPECT_TRUE(errors.Empty());
}

TEST(HexRecord, ToStringRefusesTooLongDataAndTooSmallBuffers)
{
    ErrorRecorder errors;
    std::vector<unsigned char> data(256, 0x11);
    char text[1024];
    std::memset(text, 'X', sizeof text);
    EXPECT_EQ(ToString(data.data(), 256, text, sizeof text), 0);
    ASSERT_EQ(errors.reports.size(), 1u);
    EXPECT_EQ(errors.reports[0].text, InternalErrorText("FF04"));
    EXPECT_EQ(errors.reports[0].helpContext, 400);
    EXPECT_EQ(text[0], 'X');

    EXPECT_EQ(ToString(data.data(), -1, text, sizeof text), 0);
    EXPECT_EQ(ToString(data.data(), 3, text, 8), 0) << "needs 2n + 3";
    EXPECT_EQ(errors.reports.back().text, InternalErrorText("FF05"));
    EXPECT_EQ(text[0], 'X');
}

TEST(HexRecord, FromStringReportsEachKindOfBadText)
{
    ErrorRecorder errors;
    unsigned char data[4] = {0, 0, 0, 0};
    int used = -1;

    EXPECT_EQ(FromString("", data, 3, used), 0);
    EXPECT_EQ(FromString(nullptr, data, 3, used), 0);
    EXPECT_EQ(FromString("02AB", data, 3, used), 0);
    EXPECT_EQ(FromString("zz", data, 0, used), 0) << "a count that is no hex is a mismatch";
    ASSERT_EQ(errors.reports.size(), 2u) << "each number is shown once per run";
    EXPECT_EQ(errors.reports[0].text, InternalErrorText("FF01"));
    EXPECT_EQ(errors.reports[1].text, InternalErrorText("FF02"));

    // Lower-case digits are not accepted; the bytes before stay stored.
    EXPECT_EQ(FromString("0301abff", data, 3, used), 0);
    EXPECT_EQ(data[0], 0x01);
    EXPECT_EQ(used, 8);
    ASSERT_EQ(errors.reports.size(), 3u);
    EXPECT_EQ(errors.reports[2].text, InternalErrorText("FF03"));

    // A record cut short stops at the terminator.
    data[1] = 0;
    EXPECT_EQ(FromString("0301A", data, 3, used), 0);
    EXPECT_EQ(data[1], 0);
    EXPECT_EQ(FromString("FF", data, 255, used), 0);
}

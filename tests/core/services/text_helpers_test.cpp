#include <gtest/gtest.h>

#include <string>

#include "core/services/text_helpers.h"

TEST(GetQuotedString, DoubledDelimiterStandsForItselfAndPointsBehindTheQuote)
{
    char dst[32];
    const char* src = "'it''s', rest";
    const char* next = GetQuotedString(dst, sizeof dst, src);
    ASSERT_NE(next, nullptr);
    EXPECT_STREQ(dst, "it's");
    EXPECT_STREQ(next, ", rest");

    // The other delimiter is an ordinary character inside.
    next = GetQuotedString(dst, sizeof dst, "\"a'b\"\"c\"x");
    ASSERT_NE(next, nullptr);
    EXPECT_STREQ(dst, "a'b\"c");
    EXPECT_STREQ(next, "x");

    next = GetQuotedString(dst, sizeof dst, "\"\"");
    ASSERT_NE(next, nullptr);
    EXPECT_STREQ(dst, "");
}

TEST(GetQuotedString, KeepsOnlyWhatFitsButReadsToTheClosingQuote)
{
    char dst[8] = "XXXXXXX";
    const char* src = "\"abcdef\",next";
    const char* next = GetQuotedString(dst, 4, src);
    ASSERT_NE(next, nullptr);
    EXPECT_STREQ(dst, "abc");
    EXPECT_STREQ(next, ",next");
    EXPECT_EQ(dst[4], 'X') << "wrote past size";

    // Size 1 keeps nothing; size 0 writes nothing at all.
    ASSERT_NE(GetQuotedString(dst, 1, src), nullptr);
    EXPECT_STREQ(dst, "");
    dst[0] = 'Q';
    ASSERT_NE(GetQuotedString(dst, 0, src), nullptr);
    EXPECT_EQ(dst[0], 'Q');
}

TEST(GetQuotedString, FailsWithoutOpeningOrClosingQuote)
{
    char dst[16] = "untouched";
    EXPECT_EQ(GetQuotedString(dst, sizeof dst, "abc"), nullptr);
    EXPECT_STREQ(dst, "untouched");
    EXPECT_EQ(GetQuotedString(dst, sizeof dst, ""), nullptr);
    EXPECT_EQ(GetQuotedString(dst, sizeof dst, nullptr), nullptr);

    // Unterminated: null, and what was read stays a terminated string.
    EXPECT_EQ(GetQuotedString(dst, sizeof dst, "\"abc"), nullptr);
    EXPECT_STREQ(dst, "abc");
    EXPECT_EQ(GetQuotedString(dst, sizeof dst, "'ends in a doubled quote''"), nullptr);
    EXPECT_EQ(GetQuotedString(dst, sizeof dst, "\""), nullptr);
}

TEST(GetQuotedString, CopiesNonAsciiBytesAndLongTextSafely)
{
    char dst[16];
    ASSERT_NE(GetQuotedString(dst, sizeof dst,
                              "\"\xAB"
                              "B\xBB\xBD\xA0\""),
              nullptr);
    EXPECT_STREQ(dst,
                 "\xAB"
                 "B\xBB\xBD\xA0");

    const std::string longText = "\"" + std::string(10000, 'z') + "\"tail";
    const char* next = GetQuotedString(dst, sizeof dst, longText.c_str());
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(std::string(dst), std::string(15, 'z'));
    EXPECT_STREQ(next, "tail");
}

TEST(GetToken, CopiesTheRunBeforeTheFirstDelimiter)
{
    char dst[16];
    const char* next = GetToken(dst, sizeof dst, "C4 E4", " \t");
    ASSERT_NE(next, nullptr);
    EXPECT_STREQ(dst, "C4");
    EXPECT_STREQ(next, " E4");

    next = GetToken(dst, sizeof dst, "G#5", " \t");
    ASSERT_NE(next, nullptr);
    EXPECT_STREQ(dst, "G#5");
    EXPECT_EQ(*next, '\0');

    // No delimiters at all: the whole text is the token.
    next = GetToken(dst, sizeof dst, "abc", "");
    ASSERT_NE(next, nullptr);
    EXPECT_STREQ(dst, "abc");
}

TEST(GetToken, EmptyRunIsNull)
{
    char dst[16] = "untouched";
    EXPECT_EQ(GetToken(dst, sizeof dst, "  C4", " \t"), nullptr);
    EXPECT_EQ(GetToken(dst, sizeof dst, "", " \t"), nullptr);
    EXPECT_EQ(GetToken(dst, sizeof dst, nullptr, " \t"), nullptr);
    EXPECT_STREQ(dst, "untouched");
}

TEST(GetToken, OverlongTokenIsCutButFullyConsumed)
{
    char dst[10] = {};
    const std::string text = std::string(5000, '7') + "\xE9 next";
    const char* next = GetToken(dst, sizeof dst, text.c_str(), " ");
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(std::string(dst), std::string(9, '7'));
    EXPECT_STREQ(next, " next");
}

TEST(MatchCharAndRemoveWhiteSpace, StopAtTheTerminator)
{
    const char* text = "a,b";
    EXPECT_EQ(MatchChar(text, "xa"), text + 1);
    EXPECT_EQ(MatchChar(text, "x"), nullptr);
    EXPECT_EQ(MatchChar("", ","), nullptr) << "the terminator is in no set";
    EXPECT_EQ(MatchChar(nullptr, ","), nullptr);
    const char* high = "\xBBx";
    EXPECT_EQ(MatchChar(high, "\xAB\xBB"), high + 1);

    const char* padded = " \t \tC4 ";
    EXPECT_STREQ(RemoveWhiteSpace(padded, " \t"), "C4 ");
    EXPECT_STREQ(RemoveWhiteSpace("   ", " "), "");
    EXPECT_EQ(RemoveWhiteSpace(nullptr, " "), nullptr);
    EXPECT_EQ(RemoveWhiteSpace(padded, ""), padded);
}

TEST(ReplaceString, ReplacesOneCharacterOrEverythingNotAWordCharacter)
{
    char text[] = "A b-c.d";
    ReplaceString(text, '\0', '_');
    EXPECT_STREQ(text, "A_b_c_d");

    char mixed[] = "x_9\xE9Z!";
    ReplaceString(mixed, '\0', '-');
    EXPECT_STREQ(mixed, "x_9-Z-") << "non-ASCII bytes are not letters";

    char path[] = "C:\\A\\B";
    ReplaceString(path, '\\', '/');
    EXPECT_STREQ(path, "C:/A/B");

    char empty[] = "";
    ReplaceString(empty, '\0', '_');
    EXPECT_STREQ(empty, "");
    ReplaceString(nullptr, 'a', 'b');
}

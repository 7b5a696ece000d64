#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/services/error.h"
#include "core/services/string_table.h"
#include "support/error_recorder.h"

TEST(FormatMessage, ReplacesEachPercentPairFromLeftToRight)
{
    EXPECT_EQ(FormatMessage("%s has %d notes", "C major", 3), "C major has 3 notes");
    EXPECT_EQ(FormatMessage("%d|%x|%l|%u", -12, 255u, -70000L, 4000000000L), "-12|ff|-70000|4000000000");
    EXPECT_EQ(FormatMessage("100%% sure"), "100% sure");
    EXPECT_EQ(FormatMessage("%s", static_cast<const char*>(nullptr)), "");
}

TEST(FormatMessage, UnknownPairsAreDroppedWithoutTakingAnArgument)
{
    // %q consumes nothing, so 7 still goes to %d.
    EXPECT_EQ(FormatMessage("a%qb%d", 7), "ab7");
    EXPECT_EQ(FormatMessage("%5d|%d", 9), "d|9") << "a width is not understood";
    // The letter after %l is text of its own.
    EXPECT_EQ(FormatMessage("%ld items", 12L), "12d items");
    // A lone % at the end is dropped and reads nothing beyond the text.
    EXPECT_EQ(FormatMessage("50%"), "50");
}

TEST(FormatMessage, OutputBeyond511CharactersBecomesTheOverflowText)
{
    const std::string fits(511, 'a');
    EXPECT_EQ(FormatMessage("%s", fits.c_str()), fits);
    EXPECT_EQ(FormatMessage((fits + "b").c_str()), ErrorOverflowText);
    EXPECT_EQ(FormatMessage("x%s", fits.c_str()), ErrorOverflowText);
    // An argument much longer than the output.
    const std::string huge(100000, 'z');
    EXPECT_EQ(FormatMessage("%s tail", huge.c_str()), ErrorOverflowText);
    EXPECT_STREQ(ErrorOverflowText, "INTERNAL ERROR--ERROR BUFFER OVERFLOW");
}

TEST(Error, FillsInTheMessageAndHelpsAtItsNumber)
{
    ErrorRecorder errors;
    EXPECT_EQ(Error(401, 3), 1);
    ASSERT_EQ(errors.reports.size(), 1u);
    EXPECT_EQ(errors.reports[0].text, "Cannot understand chord #3 in cantrel.ini");
    EXPECT_EQ(errors.reports[0].number, 401);
    EXPECT_EQ(errors.reports[0].helpContext, 401);

    Error(451, "Port 2", "busy");
    EXPECT_EQ(errors.reports[1].text, "There was an error opening the MIDI device (Port 2) for input: busy");

    // A known message is shown every time.
    Error(445);
    Error(445);
    EXPECT_EQ(errors.Numbers(), (std::vector<int>{401, 451, 445, 445}));
}

TEST(Error, AnArgumentThatOverflowsShowsTheOverflowText)
{
    ErrorRecorder errors;
    const std::string path(600, 'p');
    Error(406, path.c_str());
    ASSERT_EQ(errors.reports.size(), 1u);
    EXPECT_EQ(errors.reports[0].text, ErrorOverflowText);
    EXPECT_EQ(errors.reports[0].helpContext, 406);
}

TEST(Error, NumbersWithoutTextShowOnceAsInternalError)
{
    ErrorRecorder errors;
    EXPECT_EQ(Error(5432), 1);
    EXPECT_EQ(Error(5432), 0);
    EXPECT_EQ(Error(1), 1);
    ASSERT_EQ(errors.reports.size(), 2u);
    EXPECT_EQ(errors.reports[0].text, "Internal error : 1538.  Please contact customer support.");
    EXPECT_EQ(errors.reports[0].number, 400);
    EXPECT_EQ(errors.reports[0].helpContext, 400);
    EXPECT_EQ(errors.reports[1].text, "Internal error : 0001.  Please contact customer support.");

    ResetUnknownErrorNumbers();
    EXPECT_EQ(Error(5432), 1) << "a new run starts with an empty list";
}

TEST(Error, TheUnknownNumberListHoldsFarMoreThanFiftyNumbers)
{
    ErrorRecorder errors;
    for (int i = 0; i < 200; ++i) Error(20000 + i);
    for (int i = 0; i < 200; ++i) Error(20000 + i);
    EXPECT_EQ(errors.reports.size(), 200u);
}

TEST(Error, TheDefaultPresenterWritesNumberAndTextToStandardError)
{
    SetErrorPresenter({});
    testing::internal::CaptureStderr();
    Error(445);
    const std::string written = testing::internal::GetCapturedStderr();
    EXPECT_EQ(written, "445: Only one instance of Cantrel Studio can be running at the same time.\n");
}

TEST(StringResource, RotatesFourBuffers)
{
    const char* first = StringResource(401);
    ASSERT_NE(first, nullptr);
    EXPECT_STREQ(first, "Cannot understand chord #%d in cantrel.ini");
    const char* second = StringResource(402);
    const char* third = StringResource(403);
    const char* fourth = StringResource(404);
    EXPECT_STREQ(first, "Cannot understand chord #%d in cantrel.ini") << "valid for 4 calls";
    EXPECT_NE(second, first);
    EXPECT_NE(third, first);
    EXPECT_NE(fourth, first);
    const char* fifth = StringResource(405);
    EXPECT_EQ(fifth, first);
    EXPECT_STREQ(first, "Cannot understand key #%d in cantrel.ini");

    EXPECT_EQ(StringResource(410), nullptr);
    EXPECT_EQ(StringResource(-5), nullptr);
}

TEST(StringTable, FindsTextsInEveryPartAndCutsLongOnesInStringResource)
{
    static const StringTableEntry first[] = {{1, "one"}, {2, "two"}};
    static const std::string longText(400, 'L');
    static const StringTableEntry second[] = {{3, longText.c_str()}};
    const StringTable table{first, second};
    EXPECT_STREQ(table.Find(2), "two");
    EXPECT_EQ(table.Find(3), longText.c_str());
    EXPECT_EQ(table.Find(4), nullptr);
    const char* cut = StringResource(table, 3);
    ASSERT_NE(cut, nullptr);
    EXPECT_EQ(std::strlen(cut), 255u);
}

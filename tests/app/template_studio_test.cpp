// The template studio made from the compressed template for the screen size.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/shell/template_studio.h"
#include "core/services/szdd.h"
#include "support/scratch_dir.h"

namespace {

class TemplateChoiceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"LOVGARES.!CT", "MDVGARES.!CT", "HIVGARES.!CT"})
            dir.Write(name, CompressSzdd(std::string("[Windows]\n0=513\n; ") + name + "\n"));
        unsetenv("CANTREL_LIBRARY_DIR");
    }
    std::string Made(int width)
    {
        std::filesystem::remove(dir.File("TEMPLATE.!CT"));
        EXPECT_EQ(EnsureStudioTemplate(dir.File("TEMPLATE.!CT").c_str(), width), 1);
        return dir.Read("TEMPLATE.!CT");
    }
    ScratchDir dir;
};

TEST_F(TemplateChoiceTest, ScreenWidthChoosesTheTemplate)
{
    EXPECT_NE(Made(640).find("LOVGARES"), std::string::npos);
    EXPECT_NE(Made(641).find("MDVGARES"), std::string::npos);
    EXPECT_NE(Made(800).find("MDVGARES"), std::string::npos);
    EXPECT_NE(Made(1023).find("MDVGARES"), std::string::npos);
    EXPECT_NE(Made(1024).find("HIVGARES"), std::string::npos);
    EXPECT_NE(Made(2560).find("HIVGARES"), std::string::npos);
}

TEST_F(TemplateChoiceTest, AnExistingTemplateIsKept)
{
    dir.Write("TEMPLATE.!CT", "[Windows]\n0=513\n; mine\n");
    EXPECT_EQ(EnsureStudioTemplate(dir.File("TEMPLATE.!CT").c_str(), 800), 1);
    EXPECT_EQ(dir.Read("TEMPLATE.!CT"), "[Windows]\n0=513\n; mine\n");
}

TEST_F(TemplateChoiceTest, CompressedTemplatesBesideTheLibraryServeAPerUserTemplate)
{
    ScratchDir user;
    setenv("CANTREL_LIBRARY_DIR", dir.Path().c_str(), 1);
    EXPECT_EQ(EnsureStudioTemplate(user.File("TEMPLATE.!CT").c_str(), 800), 1);
    unsetenv("CANTREL_LIBRARY_DIR");
    EXPECT_NE(user.Read("TEMPLATE.!CT").find("MDVGARES"), std::string::npos);
}

TEST_F(TemplateChoiceTest, NothingToMakeItFromLeavesNoTemplate)
{
    ScratchDir empty;
    setenv("CANTREL_LIBRARY_DIR", empty.Path().c_str(), 1);
    EXPECT_EQ(EnsureStudioTemplate(empty.File("TEMPLATE.!CT").c_str(), 800), 0);
    unsetenv("CANTREL_LIBRARY_DIR");
    EXPECT_FALSE(std::filesystem::exists(empty.File("TEMPLATE.!CT")));
}

}  // namespace

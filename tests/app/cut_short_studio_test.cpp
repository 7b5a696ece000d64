// A studio file that breaks off: what is whole opens, the user is told how
// much was read, and the file becomes the studio of the next start only once
// the user saves it.
#include "app/studio/component_factory.h"
#include "core/studio/component_types.h"
#include "app/commands/studio_commands.h"
#include "core/studio/studio_modified.h"
#include "core/services/file_names.h"
#include "shell_fixture.h"

namespace {

using CutShortStudioTest = ShellTest;

// Where [Windows] line n ends, behind its line end.
std::size_t EndOfComponentLine(const std::string& text, int n)
{
    const std::size_t at = text.find("\n" + std::to_string(n) + "=");
    return text.find('\n', at + 1) + 1;
}

TEST_F(CutShortStudioTest, WhatIsWholeOpensAndIsRememberedOnlyOnceSaved)
{
    ShipTemplates();
    StartShown();
    // Nine components: the template's four linked ones twice, and a Splitter.
    const std::string templatePath = GetStudioTemplateFileName();
    studio->ChooseFile = [&](bool, const QString&) { return QString::fromStdString(templatePath); };
    studio->Command(StudioCommand::Insert);
    CreateComponent(studio, ComponentKind::Splitter, false);
    ASSERT_EQ(studio->Frames().size(), 9);
    const std::string nine = scratch.File("nine.cts");
    ASSERT_TRUE(studio->SaveStudio(nine.c_str()));
    const std::string text = scratch.Read("nine.cts");
    const std::string remembered = scratch.Write("jazz.cts", "[Windows]\n0=513\n");
    int wholeIn1500 = 0;
    while (EndOfComponentLine(text, wholeIn1500 + 1) <= 1500) ++wholeIn1500;

    const struct {
        const char* where;
        std::size_t length;
        int read;
    } cuts[] = {
        {"the first 1,500 bytes", 1500, wholeIn1500},
        {"inside the value of line 4", EndOfComponentLine(text, 3) + 40, 3},
        {"behind the key of line 3", EndOfComponentLine(text, 2) + 1, 2},
        {"behind line 1, which links to 2, 3 and 4", EndOfComponentLine(text, 1), 1},
        {"nowhere", text.size(), 9},
    };
    const std::string cut = scratch.File("cut.cts");
    for (const auto& c : cuts) {
        SCOPED_TRACE(c.where);
        app.reset();
        WritePrivateProfileString("Files", "OpenStudio", remembered.c_str(), TestSettings::File().c_str());
        FlushProfiles();
        scratch.Write("cut.cts", text.substr(0, c.length));
        errors.Clear();
        StartShown(QuietOptions(), QString::fromStdString(cut));

        EXPECT_EQ(studio->Frames().size(), c.read);
        EXPECT_EQ(studio->StudioPath(), cut);
        EXPECT_EQ(frame->windowTitle(), "Cantrel Studio - cut");
        if (c.read == 9) {
            EXPECT_TRUE(errors.Empty());
            EXPECT_FALSE(StudioModified());
            EXPECT_EQ(IniValue("Files", "OpenStudio"), cut);
            continue;
        }
        ASSERT_EQ(errors.Numbers(), std::vector<int>{438});
        EXPECT_NE(errors.reports[0].text.find("only " + std::to_string(c.read) + " of its components"),
                  std::string::npos)
            << errors.reports[0].text;
        // Not the studio of the next start, and the exit will ask to keep it.
        EXPECT_EQ(IniValue("Files", "OpenStudio"), remembered);
        EXPECT_TRUE(StudioModified());
    }

    // Kept by the user: saved whole, it is the studio of the next start.
    app.reset();
    scratch.Write("cut.cts", text.substr(0, 1500));
    StartShown(QuietOptions(), QString::fromStdString(cut));
    errors.Clear();
    answer = QMessageBox::Yes;
    ASSERT_TRUE(app->CanClose());
    answer = QMessageBox::No;
    EXPECT_EQ(IniValue("Files", "OpenStudio"), cut);
    app.reset();
    StartShown();
    EXPECT_TRUE(errors.Empty());
    EXPECT_EQ(studio->StudioPath(), cut);
    EXPECT_EQ(studio->Frames().size(), wholeIn1500);
    EXPECT_FALSE(StudioModified());
}

}  // namespace

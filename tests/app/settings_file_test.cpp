// The settings file under the running program: deleted (or its folder with
// it), it comes back whole at the next write; a write that fails is said.
#include <QPushButton>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "app/dialogs/chord_list/edit_chord_dialog.h"
#include "app/dialogs/preferences/preferences_dialog.h"
#include "app/dialogs/when_modal.h"
#include "app/commands/shell_commands.h"
#include "app/shell_fixture.h"
#include "app/commands/studio_commands.h"
#include "core/services/profile_document.h"
#include "core/theory/default_definitions.h"
#include "core/theory/definition_lists.h"

namespace {

constexpr int SettingsNotWritten = 446;

// The entries of a section as the theory engine reads them (the list
// editors line up columns).
std::vector<std::string> Entries(const ProfileDocument& settings, const std::string& section)
{
    std::vector<std::string> entries;
    for (const std::string& key : settings.KeyNames(section)) {
        std::string entry = key + "=" + *settings.Find(section, key);
        std::erase_if(entry, [](char c) { return c == ' ' || c == '\t'; });
        entries.push_back(entry);
    }
    return entries;
}

class SettingsFileTest : public ShellTest {
protected:
    std::string Ini() const { return libraryDir + "/cantrel.ini"; }

    std::string IniText() const
    {
        std::ifstream in(Ini(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // Options > Preferences..., OK unchanged.
    void PreferencesOk()
    {
        WhenModal<PreferencesDialog>([](PreferencesDialog* d) {
            QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("id1")), Qt::LeftButton);
        });
        frame->Command(ShellCommand::Preferences);
    }

    // Puts the library folder out of reach: a regular file takes its place,
    // so that nothing below it can be written, not even by root.
    void BlockTheSettingsFolder()
    {
        std::filesystem::rename(libraryDir, libraryDir + ".away");
        std::ofstream(libraryDir) << "not a folder";
    }
    void UnblockTheSettingsFolder()
    {
        std::filesystem::remove(libraryDir);
        std::filesystem::rename(libraryDir + ".away", libraryDir);
    }
};

enum class Gone { File, Folder };
enum class Rewrite { PreferencesOk, ChordListOk, Exit };

}  // namespace

TEST_F(SettingsFileTest, ASettingsFileDeletedWhileRunningComesBackWhole)
{
    const char* const userChord = "\"zz\",\"Players Own\", 1 4 6";
    for (Gone gone : {Gone::File, Gone::Folder}) {
        for (Rewrite rewrite : {Rewrite::PreferencesOk, Rewrite::ChordListOk, Rewrite::Exit}) {
            SCOPED_TRACE(testing::Message() << "gone " << int(gone) << ", rewrite " << int(rewrite));
            std::filesystem::create_directories(libraryDir);
            std::filesystem::copy_file(std::string(CANTREL_SOURCE_DIR) + "/data/cantrel.ini", Ini(),
                                       std::filesystem::copy_options::overwrite_existing);
            const std::string userKey = std::to_string(GetProfileKeyNames(Ini(), "Chords").size() + 1);
            ASSERT_TRUE(WritePrivateProfileString("Chords", userKey.c_str(), userChord, Ini().c_str()));
            const ProfileDocument before = ProfileDocument::Parse(IniText());
            ForgetProfiles();
            StartShown();
            errors.Clear();

            if (gone == Gone::File)
                std::filesystem::remove(Ini());
            else
                std::filesystem::remove_all(libraryDir);
            switch (rewrite) {
            case Rewrite::PreferencesOk: PreferencesOk(); break;
            case Rewrite::ChordListOk:
                WhenModal<EditChordDialog>([](EditChordDialog* d) { d->accept(); });
                frame->Command(ShellCommand::ChordList);
                break;
            case Rewrite::Exit: EXPECT_TRUE(frame->close()); break;
            }
            FlushProfiles();

            const ProfileDocument after = ProfileDocument::Parse(IniText());
            for (const std::string& section : DefinitionSections())
                EXPECT_EQ(Entries(after, section), Entries(before, section)) << section;
            const std::vector<std::string> chords = Entries(after, "Chords");
            EXPECT_TRUE(!chords.empty() && chords.back() == userKey + "=\"zz\",\"PlayersOwn\",146");
            EXPECT_TRUE(errors.Empty());
            app.reset();
            ForgetProfiles();
        }
    }
}

TEST_F(SettingsFileTest, AFailedWriteOfPreferencesOrTheRememberedStudioIsSaidOnce)
{
    StartShown();
    errors.Clear();
    BlockTheSettingsFolder();
    PreferencesOk();
    ASSERT_EQ(errors.Numbers(), std::vector<int>{SettingsNotWritten});
    EXPECT_EQ(errors.reports[0].text, "Cantrel Studio could not write its settings to " + Ini() +
                                          ", so the preferences chosen hold only until it ends.");
    UnblockTheSettingsFolder();
    errors.Clear();
    PreferencesOk();
    EXPECT_TRUE(errors.Empty()) << "written again once it can be";
    app.reset();
    ForgetProfiles();

    // At start-up, the studio given is remembered for the next start.
    const std::string studioFile = scratch.Write("given.cts", "[Windows]\n0=513\n");
    Start();
    errors.Clear();
    BlockTheSettingsFolder();
    app->InitInstance(studioFile);
    EXPECT_EQ(studio->StudioPath(), studioFile) << "the studio opens all the same";
    ASSERT_EQ(errors.Numbers(), std::vector<int>{SettingsNotWritten});
    EXPECT_EQ(errors.reports[0].text, "Cantrel Studio could not write its settings to " + Ini() +
                                          ", so this studio will not be reopened at the next start.");
    errors.Clear();
    studio->Command(StudioCommand::CloseAll);
    EXPECT_TRUE(errors.Empty()) << "once, not at every studio";
    UnblockTheSettingsFolder();
}

// Every dialog the program can show, opened as a user opens it, shows the
// page of its help context in the help window by F1 and by its Help button.
// The dialogs come from the sources: a dialog class the table leaves out, or
// a message box that bypasses the dialog base, fails here.
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QWindow>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>

#include "app/shell/error_dialog.h"
#include "app/commands/shell_commands.h"
#include "app/commands/component_commands.h"
#include "core/studio/component_types.h"
#include "app/studio/new_component_dialog.h"
#include "app/commands/studio_commands.h"
#include "core/studio/studio_modified.h"
#include "ui/help_window.h"
#include "ui/message_dialog.h"
#include "shell_fixture.h"
#include "every_dialog.h"

namespace {

namespace fs = std::filesystem;

// The help window, counting the topics asked for.
class CountingHelpWindow : public HelpWindowViewer {
public:
    void ShowHelp(const std::string& book, int context) override
    {
        asked.push_back(context);
        HelpWindowViewer::ShowHelp(book, context);
    }
    std::vector<int> asked;
};

std::string ReadAll(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Source files of the program and its libraries.
std::vector<fs::path> SourceFiles()
{
    std::vector<fs::path> files;
    for (const char* folder : {"app", "ui", "core", "controls"})
        for (const auto& entry : fs::recursive_directory_iterator(fs::path(CANTREL_SOURCE_DIR) / folder))
            if (entry.path().extension() == ".h" || entry.path().extension() == ".cpp") files.push_back(entry.path());
    return files;
}

// The dialog classes the sources declare, less those only others derive from.
std::set<std::string> DialogClassesInTheSources()
{
    std::map<std::string, std::string> baseOf;
    const std::regex declaration(R"(class\s+(\w+)\s*(?:final\s*)?:\s*public\s+(\w+))");
    for (const fs::path& file : SourceFiles()) {
        const std::string text = ReadAll(file);
        for (auto it = std::sregex_iterator(text.begin(), text.end(), declaration); it != std::sregex_iterator(); ++it)
            baseOf[(*it)[1]] = (*it)[2];
    }
    auto isDialog = [&](std::string name) {
        for (int depth = 0; depth < 10 && baseOf.count(name); ++depth) {
            name = baseOf[name];
            if (name == "HDialog") return true;
        }
        return false;
    };
    std::set<std::string> dialogs, bases;
    for (const auto& [name, base] : baseOf)
        if (isDialog(name)) {
            dialogs.insert(name);
            bases.insert(base);
        }
    for (const std::string& base : bases) dialogs.erase(base);
    return dialogs;
}

TEST(DialogSourcesTest, EveryDialogIsBuiltOnTheDialogBase)
{
    // Qt's own boxes and plain dialogs have no help; the desktop's file
    // chooser (QFileDialog) is the one dialog that is not ours.
    const std::regex helpless(
        R"(QMessageBox::(question|warning|information|critical|about)\s*\(|)"
        R"(\bQ(InputDialog|ErrorMessage|ProgressDialog|ColorDialog|FontDialog)\b|\bnew\s+Q(MessageBox|Dialog)\b|)"
        R"(\bQ(MessageBox|Dialog)\s+\w+\s*[({;]|public\s+Q(MessageBox|Dialog)\b)");
    for (const fs::path& file : SourceFiles()) {
        if (file.filename() == "h_dialog.h") continue;  // the base itself
        const std::string text = ReadAll(file);
        EXPECT_FALSE(std::regex_search(text, helpless)) << file << " shows a dialog without help";
    }
}

TEST(MessageDialogTest, AnswersWithTheButtonChosenAndEscapeNeverDropsTheStudio)
{
    struct Case {
        const char* press;  // a control id, or "Escape"
        QDialogButtonBox::StandardButton chosen;
    };
    const Case cases[] = {{"id6", QDialogButtonBox::Yes},
                          {"id7", QDialogButtonBox::No},
                          {"id2", QDialogButtonBox::Cancel},
                          {"Escape", QDialogButtonBox::Cancel}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.press);
        MessageDialog ask(nullptr, StudioCommand::Save, MessageDialog::Kind::Question, "Save Studio", "Save it?",
                          QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel,
                          QDialogButtonBox::Yes);
        ask.show();
        if (std::string(c.press) == "Escape")
            QTest::keyClick(&ask, Qt::Key_Escape);
        else
            QTest::mouseClick(ask.findChild<QPushButton*>(c.press), Qt::LeftButton);
        EXPECT_FALSE(ask.isVisible());
        EXPECT_EQ(ask.Chosen(), c.chosen);
    }
    ErrorDialog error(nullptr, ErrorReport{"There was an error opening the MIDI device (x) for input: y", 451, 451});
    EXPECT_EQ(error.windowTitle().toStdString(), "Cantrel Studio Error");
    EXPECT_EQ(error.findChild<QLabel*>("id1000")->text().toStdString(),
              "There was an error opening the MIDI device (x) for input: y");
}

class DialogHelpTest : public EveryDialogTest {
protected:
    void SetUp() override
    {
        EveryDialogTest::SetUp();
        SetHelpViewer(&helpWindow);
    }
    void TearDown() override
    {
        HelpWindow::Instance()->close();
        EveryDialogTest::TearDown();
    }

    CountingHelpWindow helpWindow;
};

TEST_F(DialogHelpTest, EveryDialogOpensItsPageByF1AndByHelp)
{
    InstallErrorDialogPresenter();
    std::set<std::string> covered;
    for (const DialogPlace& place : EveryDialog()) {
        SCOPED_TRACE(place.where);
        covered.insert(place.dialogClass);
        helpWindow.asked.clear();
        bool shown = false;
        // Message boxes come up over other dialogs: wait for the box itself.
        auto check = [&](HDialog* dialog) {
            shown = true;
            EXPECT_EQ(dialog->objectName().toStdString(), "dlg" + std::to_string(place.resource));
            EXPECT_STREQ(dialog->metaObject()->className(), place.dialogClass);
            EXPECT_EQ(dialog->HelpContext(), place.context);
            // F1 as the desktop sends it, to the dialog's window.
            QTest::keyClick(dialog->windowHandle(), Qt::Key_F1);
            EXPECT_EQ(helpWindow.asked, std::vector<int>{place.context}) << "F1 opens the dialog's topic, alone";
            const QString page = HelpWindow::Instance()->CurrentPage();
            EXPECT_EQ(QFileInfo(page).fileName().toStdString(), std::to_string(place.context) + ".html");
            EXPECT_EQ(HelpWindow::Instance()->Browser()->documentTitle().toStdString(), place.pageTitle);
            auto* help = dialog->findChild<QPushButton*>(QStringLiteral("id%1").arg(HDialog::HelpButtonId));
            ASSERT_NE(help, nullptr) << "a Help button";
            QTest::mouseClick(help, Qt::LeftButton);
            EXPECT_EQ(helpWindow.asked, std::vector<int>(2, place.context));
            EXPECT_TRUE(dialog->isVisible()) << "Help leaves the dialog open";
            // The help window is the dialog's while it is open: the window
            // manager keeps it above the dialog, and the dialog does not hold
            // it back.
            EXPECT_EQ(HelpWindow::Instance()->windowHandle()->transientParent(), dialog->windowHandle());
            dialog->reject();
        };
        if (place.resource == MessageDialog::ResourceId)
            WhenModal<MessageDialog>([&](MessageDialog* d) { check(d); });
        else
            WhenModal<HDialog>([&](HDialog* d) { check(d); });
        place.open();
        EXPECT_TRUE(shown);
        // Once the dialog has closed the help window stays, a window of its own.
        EXPECT_TRUE(HelpWindow::Instance()->isVisible());
        EXPECT_EQ(HelpWindow::Instance()->windowHandle()->transientParent(), nullptr);
    }

    const std::set<std::string> inTheSources = DialogClassesInTheSources();
    for (const std::string& name : inTheSources) EXPECT_TRUE(covered.count(name)) << name << " is missing here";
    for (const std::string& name : covered) EXPECT_TRUE(inTheSources.count(name) || name == "MessageDialog") << name;
}

}  // namespace

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
#include <functional>
#include <iterator>
#include <map>
#include <regex>
#include <set>

#include "app/dialogs/list_editor/definition_list_editor.h"
#include "app/dialogs/when_modal.h"
#include "app/shell/error_dialog.h"
#include "app/shell/shell_commands.h"
#include "app/studio/component_commands.h"
#include "core/studio/component_types.h"
#include "app/studio/new_component_dialog.h"
#include "app/studio/studio_commands.h"
#include "core/studio/studio_modified.h"
#include "ui/help_window.h"
#include "ui/message_dialog.h"
#include "shell_fixture.h"

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
    const std::regex helpless(R"(QMessageBox::(question|warning|information|critical|about)\s*\(|)"
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

class DialogHelpTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        StartShown();
        SetHelpViewer(&helpWindow);
        for (int kind : {ComponentKind::Keyboard, ComponentKind::Guitar, ComponentKind::Analyzer,
                         ComponentKind::Splitter, ComponentKind::Joiner}) {
            studio->ChooseNewComponent = [kind] { return kind; };
            frame->Command(StudioCommand::NewComponent);
            components[kind] = mmMDIChild::ActiveComponent();
            ASSERT_NE(components[kind], nullptr) << kind;
        }
        studio->ChooseNewComponent = [this] { return RunNewComponentDialog(studio); };
    }
    void TearDown() override
    {
        HelpWindow::Instance()->close();
        ShellTest::TearDown();
    }

    // Runs command id of the main window with the component of kind active.
    void CommandOn(int kind, int id)
    {
        studio->setActiveSubWindow(components[kind]);
        frame->Command(id);
    }

    // The settings file can neither be read nor replaced while a folder
    // stands in its place.
    void BlockSettings(bool blocked)
    {
        const std::string ini = libraryDir + "/cantrel.ini";
        if (blocked) {
            fs::rename(ini, ini + ".away");
            fs::create_directory(ini);
        } else {
            fs::remove(ini);
            fs::rename(ini + ".away", ini);
        }
    }

    CountingHelpWindow helpWindow;
    std::map<int, mmMDIChild*> components;
};

struct DialogPlace {
    const char* where;
    const char* dialogClass;
    int resource;
    int context;
    const char* pageTitle;
    // Opens the dialog as a user does; returns once it is closed.
    std::function<void()> open;
};

TEST_F(DialogHelpTest, EveryDialogOpensItsPageByF1AndByHelp)
{
    using namespace ComponentKind;
    auto command = [this](int id) { return [this, id] { frame->Command(id); }; };
    auto componentCommand = [this](int kind, int id) { return [this, kind, id] { CommandOn(kind, id); }; };
    const DialogPlace places[] = {
        {"File > New Component", "NewComponentDialog", 9002, 9002, "New Component",
         command(StudioCommand::NewComponent)},
        {"Keyboard settings", "KeyboardSettingsDialog", 5003, 5003, "Keyboard Settings",
         componentCommand(Keyboard, ComponentCommand::ChangeSettings)},
        {"Guitar settings", "GuitarSettingsDialog", 5002, 5002, "Guitar/Strings Settings",
         componentCommand(Guitar, ComponentCommand::ChangeSettings)},
        {"Analyzer settings", "AnalyzerSettingsDialog", 8999, 8999, "Analyzer Settings",
         componentCommand(Analyzer, ComponentCommand::ChangeSettings)},
        {"Keyboard connections", "ConnectionsDialog", 5004, 5004, "Change Connections",
         componentCommand(Keyboard, ComponentCommand::ChangeConnections)},
        {"Splitter connections", "ConnectionsDialog", 5006, 5006, "Splitter Connections",
         componentCommand(Splitter, ComponentCommand::ChangeConnections)},
        {"Joiner connections", "ConnectionsDialog", 5005, 5005, "Joiner Connections",
         componentCommand(Joiner, ComponentCommand::ChangeConnections)},
        {"Find on the Guitar", "TSearchDialog", 9040, 9040, "Find a chord, scale or key",
         componentCommand(Guitar, ComponentCommand::Find)},
        {"Options > Preferences", "PreferencesDialog", 9007, 9007, "Preferences", command(ShellCommand::Preferences)},
        {"Options > Chord List", "EditChordDialog", 5000, 5000, "Chord List", command(ShellCommand::ChordList)},
        {"Options > String Tuning List", "EditTuningDialog", 5001, 5001, "Strings Tuning List",
         command(ShellCommand::TuningList)},
        {"Help > About", "AboutDialog", 9299, 9299, "About Cantrel Studio", command(ShellCommand::About)},
        {"an error message", "ErrorDialog", 9099, 451, "Message 451",
         [] { Error(451, "Port 1", "busy"); }},
        {"a notice", "ErrorDialog", 9099, 453, "Message 453", command(StudioCommand::StudioHelp)},
        {"Studio > New on a modified studio", "MessageDialog", 9099, StudioCommand::Save, "Saving the studio",
         [this] {
             studio->AskToSave = AskToSaveStudio;
             MarkStudioModified();
             frame->Command(StudioCommand::New);  // answered with Cancel: nothing changes
             studio->AskToSave = [] { return QMessageBox::No; };
             EXPECT_TRUE(StudioModified());
             ClearStudioModified();
         }},
        {"a chord list that cannot be saved", "MessageDialog", 9099, 5000, "Chord List",
         [this] {
             WhenModal<DefinitionListEditor>([this](DefinitionListEditor* editor) {
                 BlockSettings(true);
                 editor->accept();  // the message comes up and is answered
                 BlockSettings(false);
                 EXPECT_TRUE(editor->isVisible()) << "the edits stay";
                 editor->reject();
             });
             frame->Command(ShellCommand::ChordList);
         }},
    };

    InstallErrorDialogPresenter();
    std::set<std::string> covered;
    for (const DialogPlace& place : places) {
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
            dialog->reject();
        };
        if (place.resource == MessageDialog::ResourceId)
            WhenModal<MessageDialog>([&](MessageDialog* d) { check(d); });
        else
            WhenModal<HDialog>([&](HDialog* d) { check(d); });
        place.open();
        EXPECT_TRUE(shown);
    }

    const std::set<std::string> inTheSources = DialogClassesInTheSources();
    for (const std::string& name : inTheSources) EXPECT_TRUE(covered.count(name)) << name << " is missing here";
    for (const std::string& name : covered) EXPECT_TRUE(inTheSources.count(name) || name == "MessageDialog") << name;
}

}  // namespace

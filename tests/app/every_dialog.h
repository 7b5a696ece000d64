#pragma once
// Every dialog the program can show, opened as a user opens it, for the tests
// that check something of each: the program shown, with one component of
// every kind to open the components' dialogs on.

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/dialogs/list_editor/definition_list_editor.h"
#include "app/dialogs/when_modal.h"
#include "app/commands/shell_commands.h"
#include "app/commands/component_commands.h"
#include "core/studio/component_types.h"
#include "app/studio/new_component_dialog.h"
#include "app/commands/studio_commands.h"
#include "core/studio/studio_modified.h"
#include "core/services/error.h"
#include "shell_fixture.h"

struct DialogPlace {
    const char* where;
    const char* dialogClass;
    int resource;
    int context;
    const char* pageTitle;
    // Opens the dialog as a user does; returns once it is closed.
    std::function<void()> open;
};

class EveryDialogTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        StartShown();
        for (int kind : {ComponentKind::Keyboard, ComponentKind::Guitar, ComponentKind::Analyzer,
                         ComponentKind::Splitter, ComponentKind::Joiner}) {
            studio->ChooseNewComponent = [kind] { return kind; };
            frame->Command(StudioCommand::NewComponent);
            components[kind] = mmMDIChild::ActiveComponent();
            ASSERT_NE(components[kind], nullptr) << kind;
        }
        studio->ChooseNewComponent = [this] { return RunNewComponentDialog(studio); };
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
        namespace fs = std::filesystem;
        const std::string ini = libraryDir + "/cantrel.ini";
        if (blocked) {
            fs::rename(ini, ini + ".away");
            fs::create_directory(ini);
        } else {
            fs::remove(ini);
            fs::rename(ini + ".away", ini);
        }
    }

    // Every dialog, by the place a user opens it from. The error dialog's
    // places need InstallErrorDialogPresenter.
    std::vector<DialogPlace> EveryDialog()
    {
        using namespace ComponentKind;
        auto command = [this](int id) { return [this, id] { frame->Command(id); }; };
        auto componentCommand = [this](int kind, int id) { return [this, kind, id] { CommandOn(kind, id); }; };
        return {
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
            {"Options > Preferences", "PreferencesDialog", 9007, 9007, "Preferences",
             command(ShellCommand::Preferences)},
            {"Options > Chord List", "EditChordDialog", 5000, 5000, "Chord List", command(ShellCommand::ChordList)},
            {"Options > String Tuning List", "EditTuningDialog", 5001, 5001, "Strings Tuning List",
             command(ShellCommand::TuningList)},
            {"Help > About", "AboutDialog", 9299, 9299, "About Cantrel Studio", command(ShellCommand::About)},
            {"an error message", "ErrorDialog", 9099, 451, "Message 451", [] { Error(451, "Port 1", "busy"); }},
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
    }

    std::map<int, mmMDIChild*> components;
};

#pragma once
// The main window: the studio (an MDI client) between the main tool bar and
// the status bar, with menu 100 and accelerator table 100. It carries out the
// shell's own commands (help, All Sound Off, the tool bar, window
// arrangement, About) and passes the rest to the studio and to the active
// component.

#include <QHash>
#include <QMainWindow>

#include <functional>
#include <memory>

#include "app/shell/command_actions.h"
#include "controls/window_placement_record.h"

class mmMDIClient;
class QToolBar;
class WindowList;

class mmMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // Builds the frame around the studio client, which it takes over.
    explicit mmMainFrame(mmMDIClient* studio);
    ~mmMainFrame() override;

    mmMDIClient* StudioClient() const { return studio_; }
    QToolBar* MainToolBar() const { return toolBar_; }
    CommandActions& Actions() { return *actions_; }

    // Carries out command id as the menu, the tool bar or a key would.
    void Command(int id);
    // Installs the handler of a command carried out elsewhere in the program
    // (the Connections window, the preferences and list editors); until then
    // such a command is shown disabled.
    void SetCommandHandler(int id, std::function<void()> handler);
    // Enables, disables and checks the commands for the present state; a
    // disabled command's status text says why.
    void UpdateCommands();
    // Why command id cannot be carried out now; empty when it can.
    QString DisabledReason(int id) const;
    // The Window menu's list of component windows.
    WindowList& Windows() { return *windowList_; }

    // F1: the help of the active component, else the contents.
    void ShowOnlineHelp();
    // Opens a topic of the program's help; HelpUsed tells whether it opened.
    void ShowHelpTopic(int context);
    int HelpUsed = 0;

    // Shows the All Sound Off button's picture for the primary device's state.
    void ShowSoundState();

    // Marks the status bar for good when the program has no sound output.
    void ShowNoSoundNotice(const QString& notice);

    // The placement as the window system has it, in pixels.
    WindowPlacementRecord Placement() const;

    // Asked before the window closes; false keeps it open. The application
    // installs its exit check here.
    std::function<bool()> CanClose;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void ToggleAllSoundOff();
    void ArrangeIcons();
    bool IsPending(int id) const;

    mmMDIClient* studio_;
    QToolBar* toolBar_ = nullptr;
    std::unique_ptr<CommandActions> actions_;
    QHash<int, std::function<void()>> handlers_;
    std::unique_ptr<WindowList> windowList_;
};

// A file dropped on the main window.
struct FileDrop {
    QString name;
    QPoint point;
    bool inClientArea = false;
};

// True when path is a studio file (its [Windows] "0" is set).
bool IsStudioFile(const QString& path);

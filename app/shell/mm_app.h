#pragma once
// The application object: start-up in its fixed order (the single-instance
// check, the banner, the settings file, the four definition lists, the
// primary MIDI device), the main window with its remembered placement, the
// first studio, the exit check and the shutdown order.
//
// A QApplication must exist before mmApp is made; mmApp is the program's
// own state beside it, so tests can make one inside their test application.

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <string>

#include "app/shell/about_dialog.h"
#include "app/shell/main_frame.h"
#include "controls/window_placement_record.h"

class InstanceChannel;
class mmMDIClient;
class SingleInstanceLock;

class mmApp : public QObject {
    Q_OBJECT
public:
    struct Options {
        bool banner = true;          // show the About box while starting
        bool singleInstance = true;  // refuse to run beside another program
        bool errorDialog = true;     // show errors in the error dialog (tests record them instead)
        int screenWidth = 0;         // the screen width templates are chosen by (0: the primary screen's)
    };

    mmApp();
    explicit mmApp(Options options);
    ~mmApp() override;

    static mmApp* Instance();

    // Start-up up to the main window: false when it stopped (exit code 1),
    // or when the program already running took over (HandedOver).
    bool Start();
    // The studio a start names on its command line, as the bytes of its
    // path; a second start hands it over to the running program. Set before
    // Start.
    void SetStudioArgument(const std::string& studio) { studioArgument_ = studio; }
    bool HandedOver() const { return handedOver_; }
    // Builds the studio client and the main window, placed as remembered.
    void InitMainWindow();
    // Shows the main window and opens the first studio: studioArgument, else
    // the remembered studio, else the template. Then takes the studios later
    // starts handed over meanwhile.
    void InitInstance(const std::string& studioArgument = std::string());
    // The exit check: the save prompt, then the placement.
    bool CanClose();
    // Releases in reverse order of start-up; safe to call more than once.
    void Shutdown();

    // The whole life of the program; returns the exit code.
    int Run(const std::string& studioArgument);

    mmMainFrame* MainWindow() const { return mainWindow_; }
    mmMDIClient* StudioClient() const { return studio_; }
    AboutDialog* StartBanner() const { return banner_; }
    // How the main window is to be shown first (WindowPlacementRecord show
    // states; 7 starts it minimized and inactive).
    int InitialShowCommand() const { return showCommand_; }
    // The start request: 7 (minimized, inactive) is kept whatever the
    // remembered placement says. Set before InitMainWindow.
    void SetStartShowCommand(int command) { startShowCommand_ = command; }
    // Set when the machine has no sound output: what was said about it.
    const QString& NoSoundNotice() const { return noSoundNotice_; }

    static constexpr int ShowMinimizedInactive = 7;

protected:
    // F1 anywhere in the program first opens the help of the active component.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreatePrimaryMidi();
    void PlaceMainWindow();
    void ShowMainWindow();
    void OpenFirstStudio(const std::string& studioArgument);
    // A second start's studio (empty: none) opens here and the window comes forward.
    void TakeOver(const std::string& studio);
    // A second start: hands the studio argument to the running program.
    void HandOverToRunningProgram(const QString& channelPath);

    Options options_;
    std::unique_ptr<SingleInstanceLock> lock_;
    std::unique_ptr<InstanceChannel> channel_;
    std::string studioArgument_;
    bool handedOver_ = false;
    QPointer<AboutDialog> banner_;
    QPointer<mmMainFrame> mainWindow_;
    mmMDIClient* studio_ = nullptr;
    bool listsInitialized_ = false;
    bool midiCreated_ = false;
    bool shutDown_ = false;
    int startShowCommand_ = WindowPlacementRecord::ShowNormal;
    int showCommand_ = WindowPlacementRecord::ShowMaximized;
    QString noSoundNotice_;
};

// Writes the main window's placement as [Global] "InitialPos".
void SaveInitialPosition(const WindowPlacementRecord& placement);

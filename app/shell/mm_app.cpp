#include "app/shell/mm_app.h"
#include "app/shell/studio_parts.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "app/dialogs/chord_list/edit_chord_dialog.h"
#include "app/dialogs/tuning_list/edit_tuning_dialog.h"
#include "app/dialogs/preferences/naming_preferences.h"
#include "app/dialogs/preferences/octave_preference.h"
#include "app/dialogs/preferences/preferences_dialog.h"
#include "app/shell/about_dialog.h"
#include "app/commands/command_icons.h"
#include "app/shell/error_dialog.h"
#include "app/shell/instance_channel.h"
#include "app/shell/main_frame.h"
#include "app/commands/shell_commands.h"
#include "app/shell/single_instance.h"
#include "app/shell/template_studio.h"
#include "app/shell/window_dump.h"
#include "app/shell/connections_commands.h"
#include "app/shell/song_commands.h"
#include "app/studio/mm_mdi_client.h"
#include "app/studio/remembered_studio.h"
#include "app/commands/studio_commands.h"
#include "core/studio/studio_modified.h"
#include "controls/replace_gadget.h"
#include "core/midi/midi_backend.h"
#include "core/midi/midi_dev.h"
#include "core/midi/midi_failure.h"
#include "core/services/error.h"
#include "core/services/file_names.h"
#include "core/services/oversized_file.h"
#include "core/services/profile.h"
#include "ui/h_dialog.h"
#include "ui/help_window.h"
#include "core/theory/default_definitions.h"
#include "ui/system_clipboard.h"
#include "core/theory/clipboard.h"
#include "core/theory/definition_lists.h"

namespace {

constexpr int SecondInstanceMessage = 445;
constexpr int HandOverRefusedMessage = 458;
// How long a running program may take to answer at all.
constexpr int HandOverTimeoutMs = 3000;
constexpr int TemplateMissingMessage = 437;
constexpr std::size_t ProfileValueSize = 256;

mmApp* instance = nullptr;

const char* const NoSoundText = "No sound output was found: Cantrel Studio runs silent.";

// Who was told of errors before the program took the reports of a missing
// sound output for itself; told again of all of them after shutdown.
ErrorPresenter presenterBeforeSilence;

// Cut, Copy and Paste of chords go through the desktop's clipboard.
SystemClipboard systemClipboard;

// The window of a dialog that answers F1 itself.
bool IsDialogWindow(const QWindow* window)
{
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->windowHandle() == window) return qobject_cast<HDialog*>(top) != nullptr;
    return false;
}

// The path as given, made absolute byte for byte: a name may end in blanks or
// hold any byte but '/' and zero.
std::string AbsolutePath(const std::string& path)
{
    if (path.empty()) return path;
    std::error_code ignored;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ignored);
    return absolute.empty() ? path : absolute.string();
}

}  // namespace

void SaveInitialPosition(const WindowPlacementRecord& placement)
{
    WritePrivateProfileString("Global", "InitialPos", placement.ToHex().c_str(), GetINIFileName());
    FlushProfiles();
}

mmApp::mmApp() : mmApp(Options{}) {}

mmApp::mmApp(Options options) : options_(options)
{
    instance = this;
    InstallStudioParts();
}

mmApp::~mmApp()
{
    Shutdown();
    if (instance == this) instance = nullptr;
}

mmApp* mmApp::Instance() { return instance; }

bool mmApp::Start()
{
    if (options_.errorDialog) InstallErrorDialogPresenter();
    SetGadgetGlyphProvider([](int picture) { return CommandIcon(picture); });
    SetClipboardAccess(&systemClipboard);
    // Settings changed while a command runs reach the disk before the
    // program waits for the user again.
    SetProfileFlushScheduler([] { QTimer::singleShot(0, [] { FlushProfiles(); }); });

    if (options_.singleInstance) {
        lock_ = std::make_unique<SingleInstanceLock>();
        const QString channelPath = lock_->ChannelPath();
        if (!lock_->Acquire()) {
            lock_.reset();
            HandOverToRunningProgram(channelPath);
            return false;
        }
        channel_ = std::make_unique<InstanceChannel>(channelPath);
        channel_->Received = [this](const std::string& studio) { TakeOver(studio); };
        channel_->Listen();
    }
    qApp->installEventFilter(this);
    if (options_.banner) banner_ = ShowStartBanner();

    if (!InitializeFileNames()) return false;
    // Never read, never written: the program runs on without its definitions.
    RefuseOversizedFile(GetINIFileName());
    RestoreMissingDefinitions();
    ReadNamingPreferences();
    ReadOctavePreference();
    listsInitialized_ = true;
    if (!InitializeChordList() || !InitializeTuningList() || !InitializeScaleList() || !InitializeKeyList())
        return false;
    CreatePrimaryMidi();
    // No printer: nothing in the program prints, and Qt tells of no change
    // of the default printer that would need tracking.
    return true;
}

void mmApp::HandOverToRunningProgram(const QString& channelPath)
{
    // The running program opens the studio and comes forward; 445 only when
    // it does not answer.
    const std::string studio = AbsolutePath(studioArgument_);
    const auto waiting = [] {
        std::fprintf(stderr, "cantrel: waiting for the running Cantrel Studio to finish starting\n");
    };
    switch (InstanceChannel::HandOver(channelPath, studio, HandOverTimeoutMs, waiting)) {
    case InstanceChannel::Outcome::Taken: handedOver_ = true; break;
    case InstanceChannel::Outcome::Refused:
        if (!studio.empty()) {
            Error(HandOverRefusedMessage, studio.c_str());
            break;
        }
        [[fallthrough]];
    case InstanceChannel::Outcome::NoAnswer: Error(SecondInstanceMessage); break;
    }
}

void mmApp::CreatePrimaryMidi()
{
    // A machine without sound output (a server, CI) runs silent. That is said
    // once on standard error and in the status bar, instead of in a dialog
    // that would hold the main window back: at every start, and again at
    // every Preferences OK, which opens the device anew. So it holds for the
    // whole run; any other failure is reported as before.
    presenterBeforeSilence = GetErrorPresenter();
    SetErrorPresenter([this](const ErrorReport& report) {
        if (report.number == OpenFailureMessage(MidiFailure::NoDriver)) {
            if (noSoundNotice_.isEmpty()) {
                noSoundNotice_ = QString::fromUtf8(NoSoundText);
                std::fprintf(stderr, "cantrel: %s\n", NoSoundText);
            }
            if (mainWindow_) mainWindow_->ShowNoSoundNotice(noSoundNotice_);
        } else if (presenterBeforeSilence) {
            presenterBeforeSilence(report);
        } else {
            std::fprintf(stderr, "%s\n", report.text.c_str());
        }
    });
    // Our own ports first: other programs and patch bays find them under our
    // plain client name. Without a MIDI system the notice above says enough.
    const MidiStatus own = CurrentMidiBackend().OfferOwnPorts();
    if (!own.Ok() && own.failure != MidiFailure::NoDriver)
        std::fprintf(stderr, "cantrel: no MIDI ports of our own: %s\n", own.detail.c_str());
    new MidiDev;  // registers itself; released by MidiDev::ReleaseDevices
    midiCreated_ = true;
}

void mmApp::InitMainWindow()
{
    studio_ = new mmMDIClient;
    mainWindow_ = new mmMainFrame(studio_);
    mainWindow_->CanClose = [this] { return CanClose(); };
    mainWindow_->SetCommandHandler(ShellCommand::ChordList, [this] { RunChordListEditor(mainWindow_); });
    mainWindow_->SetCommandHandler(ShellCommand::TuningList, [this] { RunTuningListEditor(mainWindow_); });
    InstallConnectionsCommands(mainWindow_);
    InstallSongCommands(mainWindow_);
    mainWindow_->SetCommandHandler(ShellCommand::Preferences, [this] { RunPreferencesDialog(mainWindow_); });
    OfferWindowDump(mainWindow_);
    PlaceMainWindow();
    if (!noSoundNotice_.isEmpty()) mainWindow_->ShowNoSoundNotice(noSoundNotice_);
}

void mmApp::PlaceMainWindow()
{
    char text[ProfileValueSize] = {};
    GetPrivateProfileString("Global", "InitialPos", "", text, sizeof text, GetINIFileName());
    WindowPlacementRecord record;
    const bool remembered = text[0] != '\0' && record.FromHex(text);
    if (remembered && record.showCommand == WindowPlacementRecord::ShowNormal)
        mainWindow_->setGeometry(record.normalPosition);

    if (startShowCommand_ == ShowMinimizedInactive) {
        showCommand_ = ShowMinimizedInactive;
    } else if (!remembered) {
        showCommand_ = WindowPlacementRecord::ShowMaximized;
        // Without a window manager nothing maximizes; the window fills the screen anyway.
        if (QScreen* screen = QGuiApplication::primaryScreen()) mainWindow_->setGeometry(screen->availableGeometry());
    } else {
        showCommand_ = record.showCommand;
        // A hidden main window could never be reached again.
        if (showCommand_ < WindowPlacementRecord::ShowNormal || showCommand_ > WindowPlacementRecord::ShowMaximized)
            showCommand_ = WindowPlacementRecord::ShowNormal;
    }
}

void mmApp::ShowMainWindow()
{
    switch (showCommand_) {
    case ShowMinimizedInactive:
        mainWindow_->setAttribute(Qt::WA_ShowWithoutActivating);
        mainWindow_->showMinimized();
        break;
    case WindowPlacementRecord::ShowMinimized: mainWindow_->showMinimized(); break;
    case WindowPlacementRecord::ShowMaximized: mainWindow_->showMaximized(); break;
    default: mainWindow_->show();
    }
    if (banner_) banner_->raise();
}

void mmApp::InitInstance(const std::string& studioArgument)
{
    ShowMainWindow();
    OpenFirstStudio(studioArgument);
    // Said after the studio has opened, so its chord names do not hide it.
    if (!noSoundNotice_.isEmpty()) mainWindow_->statusBar()->showMessage(noSoundNotice_);
    mainWindow_->UpdateCommands();
    // Studios handed over during start-up (while a message waited for the
    // user) open now, after the first one.
    if (channel_) channel_->StartTaking();
}

void mmApp::OpenFirstStudio(const std::string& studioArgument)
{
    std::string path;
    bool showHelp = false;
    if (!studioArgument.empty()) {
        path = AbsolutePath(studioArgument);
        showHelp = true;
    } else {
        path = RememberedStudio();
    }
    if (!path.empty()) {
        // A studio is remembered only once it has loaded: one named on the
        // command line that fails leaves the remembered one as it was, and a
        // remembered one that is gone is forgotten.
        if (studio_->LoadStudio(path.c_str(), true, showHelp)) {
            studio_->SetStudioName(path.c_str());
            return;
        }
        if (studioArgument.empty()) studio_->SetStudioName("");
    }

    const char* templatePath = GetStudioTemplateFileName();
    int width = options_.screenWidth;
    if (width <= 0 && QGuiApplication::primaryScreen()) width = QGuiApplication::primaryScreen()->size().width();
    if (EnsureStudioTemplate(templatePath, width))
        studio_->LoadStudio(templatePath, true, false);
    else
        Error(TemplateMissingMessage);
}

void mmApp::TakeOver(const std::string& studio)
{
    if (!mainWindow_) return;
    // Back from the task bar as it was: a maximised window stays maximised.
    if (mainWindow_->isMinimized())
        mainWindow_->setWindowState((mainWindow_->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    mainWindow_->raise();
    mainWindow_->activateWindow();
    if (studio.empty()) return;
    // After the answer has gone: the save prompt may wait for the user.
    QTimer::singleShot(0, mainWindow_, [this, path = studio] {
        if (studio_->LoadStudio(path.c_str(), true, true)) studio_->SetStudioName(path.c_str());
        mainWindow_->UpdateCommands();
    });
}

bool mmApp::CanClose()
{
    if (StudioModified()) {
        const QMessageBox::StandardButton answer = studio_->AskToSave();
        if (answer == QMessageBox::Cancel) return false;
        if (answer == QMessageBox::Yes) {
            studio_->Command(StudioCommand::Save);
            // A studio the user wanted kept is not thrown away because the
            // file dialog was cancelled or the file could not be written.
            if (StudioModified()) return false;
        }
    }
    SaveInitialPosition(mainWindow_->Placement());
    if (mainWindow_->HelpUsed) HelpWindow::Instance()->close();
    return true;
}

bool mmApp::eventFilter(QObject* watched, QEvent* event)
{
    // The banner stays above every window: a message or question coming up
    // under it would hold the input while nobody can see it. It goes first.
    if (event->type() == QEvent::Show && banner_ && watched != banner_ && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow() && widget->isModal()) banner_->close();
    }
    // A key press reaches the program's window first, then travels to the
    // widgets; it is taken at the window, so it is seen once. A dialog opens
    // its own topic: the component's would only come first and crowd the
    // help window's history.
    if (event->type() == QEvent::KeyPress && watched->isWindowType() && mainWindow_) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && !key->isAutoRepeat() && !IsDialogWindow(static_cast<QWindow*>(watched)))
            mainWindow_->ShowOnlineHelp();
    }
    return QObject::eventFilter(watched, event);
}

void mmApp::Shutdown()
{
    if (shutDown_) return;
    shutDown_ = true;
    qApp->removeEventFilter(this);
    // The windows go first: components hold devices and list records.
    delete mainWindow_.data();
    studio_ = nullptr;
    if (banner_) delete banner_.data();
    if (midiCreated_) {
        MidiDev::ReleaseDevices();
        SetErrorPresenter(presenterBeforeSilence);
        presenterBeforeSilence = {};
    }
    if (listsInitialized_) {
        ReleaseChordList();
        ReleaseTuningList();
        ReleaseScaleList();
        ReleaseKeyList();
        ReleaseInstruments();
    }
    FlushProfiles();
    SetProfileFlushScheduler({});
    SetGadgetGlyphProvider({});
    channel_.reset();
    if (GetClipboardAccess() == &systemClipboard) SetClipboardAccess(nullptr);
    lock_.reset();
}

int mmApp::Run(const std::string& studioArgument)
{
    int code = 1;
    SetStudioArgument(studioArgument);
    if (Start()) {
        InitMainWindow();
        // The program ends with its main window, whatever else is open.
        qApp->setQuitOnLastWindowClosed(false);
        connect(mainWindow_, &QObject::destroyed, qApp, &QCoreApplication::quit);
        mainWindow_->setAttribute(Qt::WA_DeleteOnClose);
        InitInstance(studioArgument);
        code = QApplication::exec();
    }
    Shutdown();
    return handedOver_ ? 0 : code;
}

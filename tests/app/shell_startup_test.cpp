// Start-up, the first studio, the exit check and the remembered placement.
#include <QAction>
#include <QStatusBar>

#include <QListWidget>

#include "app/components/analyzer/analysis_lines.h"
#include "app/components/analyzer/analyzer_client.h"
#include "app/components/analyzer/history_list.h"
#include "app/shell/single_instance.h"
#include "core/studio/chord_names_line.h"
#include "core/studio/component_links.h"
#include "core/studio/component_types.h"
#include "core/studio/studio_modified.h"
#include "core/midi/capture_backend.h"
#include "core/midi/midi_dev.h"
#include "core/services/atomic_file.h"
#include "core/services/file_names.h"
#include "core/services/szdd.h"
#include "core/theory/definition_lists.h"
#include "shell_fixture.h"

namespace {

class StartupTest : public ShellTest {};

std::vector<int> TypesOf(mmMDIClient* studio)
{
    std::vector<int> types;
    for (mmMDIChild* frame : studio->Frames()) types.push_back(frame->Client()->TypeId);
    return types;
}

TEST_F(StartupTest, FirstStartMakesTheTemplateAndOpensIt)
{
    ShipTemplates();
    StartShown();
    // 1024 pixels wide: the template of large screens.
    std::string made;
    std::string shipped;
    FileIdentity ignored;
    ASSERT_TRUE(ReadWholeFile(GetStudioTemplateFileName(), made, ignored));
    ASSERT_TRUE(ReadWholeFile(libraryDir + "/HIVGARES.!CT", shipped, ignored));
    std::string expanded;
    ASSERT_TRUE(ExpandSzdd(shipped, expanded));
    EXPECT_EQ(made, expanded);
    // A Keyboard feeding, through a pass-through Splitter, a Guitar and an
    // Analyzer that names chords.
    EXPECT_EQ(TypesOf(studio), (std::vector<int>{ComponentType::Splitter, ComponentType::Guitar,
                                                 ComponentType::Analyzer, ComponentType::Keyboard}));
    const QList<mmMDIChild*> frames = studio->Frames();
    mmMDIChildClient* splitter = frames[0]->Client();
    EXPECT_EQ(NthOutputOf(frames[3]->Client(), 0), splitter);
    EXPECT_EQ(NthOutputOf(splitter, 0), frames[1]->Client());
    EXPECT_EQ(NthOutputOf(splitter, 1), frames[2]->Client());
    EXPECT_EQ(splitter->PassThrough, 1);
    EXPECT_EQ(static_cast<AnalyzerClient*>(frames[2]->Client())->OutputView, AnalyzerView::Chord);
    EXPECT_TRUE(studio->StudioPath().empty());
    EXPECT_EQ(frame->windowTitle(), "Cantrel Studio");
    EXPECT_FALSE(StudioModified());
    EXPECT_TRUE(errors.Empty());

    // The first start after installation opens Getting Started, once.
    ASSERT_EQ(help.shown.size(), 1u);
    EXPECT_EQ(help.shown[0].second, 150);
    EXPECT_EQ(IniValue("Global", "Welcome"), "0");
    frame->Command(124);  // Studio/New: the template again, without the welcome
    EXPECT_EQ(help.shown.size(), 1u);
    EXPECT_EQ(TypesOf(studio).size(), 4u);
}

TEST_F(StartupTest, TheFirstStudioTakesTypingAndNamesOnlyTheActiveComponentsChord)
{
    // The Keyboard is active, so that the first notes typed reach it. The
    // template's Guitar holds its open strings, the Keyboard nothing: a first
    // start names no chord, however the windows repaint.
    ShipTemplates();
    StartShown();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    const QList<mmMDIChild*> frames = studio->Frames();
    ASSERT_EQ(frames.size(), 4);
    mmMDIChildClient* guitar = frames[1]->Client();
    ASSERT_GT(guitar->Chord.CountNotes(), 0);
    auto message = [this] { return frame->statusBar()->currentMessage().toStdString(); };
    guitar->repaint();
    QTest::qWait(20);
    EXPECT_EQ(mmMDIChild::ActiveComponent(), frames[3]);
    EXPECT_EQ(message(), "");

    // Active, the Guitar names its open strings; left, its repaints say nothing.
    studio->setActiveSubWindow(frames[1]);
    guitar->repaint();
    EXPECT_EQ(message(), ChordNamesLine(guitar->Chord, MaxChords()));
    EXPECT_NE(message(), "");
    studio->setActiveSubWindow(frames[3]);
    guitar->repaint();
    EXPECT_EQ(message(), "");
}

TEST_F(StartupTest, ChordsTravelTheFirstStudioAndTheStatusBarNamesTheOneNowPlayed)
{
    ShipTemplates();
    StartShown();
    const QList<mmMDIChild*> frames = studio->Frames();
    ASSERT_EQ(frames.size(), 4);
    mmMDIChildClient* keyboard = frames[3]->Client();
    auto* analyzer = static_cast<AnalyzerClient*>(frames[2]->Client());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    auto message = [this] { return frame->statusBar()->currentMessage().toStdString(); };
    // B D# F#, then C E G, typed on the Keyboard the studio starts on and
    // put out; the names follow the Keyboard's chord, not the Analyzer's.
    const struct {
        const char* keys;
        const char* root;
    } chords[] = {{"wyo", "B"}, {"158", "C"}};
    for (const auto& played : chords) {
        SCOPED_TRACE(played.keys);
        QTest::keyClick(keyboard, Qt::Key_Backspace);
        QTest::keyClicks(keyboard, played.keys);
        QTest::qWait(20);
        EXPECT_EQ(keyboard->Chord.CountNotes(), 3);
        EXPECT_EQ(message(), ChordNamesLine(keyboard->Chord, MaxChords()));
        frame->Command(23004);  // Put out
        QTest::qWait(20);
        EXPECT_GE(frames[1]->Client()->Chord.CountNotes(), 3);  // laid out on the strings
        ASSERT_GT(analyzer->AnalysisList()->count(), 0);
        EXPECT_TRUE(analyzer->AnalysisList()->item(0)->text().startsWith(played.root))
            << analyzer->AnalysisList()->item(0)->text().toStdString();
        EXPECT_EQ(message(), ChordNamesLine(keyboard->Chord, MaxChords()));
        EXPECT_TRUE(QString::fromStdString(message()).startsWith(played.root)) << message();
    }
    EXPECT_EQ(analyzer->HistoryList()->count(), 2);

    // The Analyzer active: the Keyboard's chord changes unnamed, and the
    // chord put out to the Analyzer is named as it arrives.
    studio->setActiveSubWindow(frames[2]);
    EXPECT_TRUE(QString::fromStdString(message()).startsWith("C")) << message();
    QTest::keyClick(keyboard, Qt::Key_Backspace);
    QTest::keyClicks(keyboard, "wyo");
    QTest::qWait(20);
    EXPECT_TRUE(QString::fromStdString(message()).startsWith("C")) << message();
    frames[3]->Command(23004);
    EXPECT_EQ(message(), ChordNamesLine(analyzer->Chord, MaxChords()));
    EXPECT_TRUE(QString::fromStdString(message()).startsWith("B")) << message();
    EXPECT_TRUE(errors.Empty());
}

TEST_F(StartupTest, RememberedStudioThatIsGoneFallsBackToTheTemplate)
{
    ShipTemplates();
    const std::string gone = scratch.File("gone.cts");
    WritePrivateProfileString("Files", "OpenStudio", gone.c_str(), (libraryDir + "/cantrel.ini").c_str());
    FlushProfiles();
    StartShown();
    EXPECT_EQ(errors.Numbers(), std::vector<int>{407});
    EXPECT_EQ(TypesOf(studio).size(), 4u);
    EXPECT_TRUE(studio->StudioPath().empty());
    EXPECT_EQ(frame->windowTitle(), "Cantrel Studio");
    EXPECT_EQ(IniValue("Files", "OpenStudio"), "");
}

TEST_F(StartupTest, RememberedAndCommandLineStudiosOpen)
{
    ShipTemplates();
    const std::string remembered = scratch.Write("jazz.cts", "[Windows]\n0=513\n");
    WritePrivateProfileString("Files", "OpenStudio", remembered.c_str(), (libraryDir + "/cantrel.ini").c_str());
    FlushProfiles();
    StartShown();
    EXPECT_EQ(studio->StudioPath(), remembered);
    EXPECT_EQ(frame->windowTitle(), "Cantrel Studio - jazz");
    app.reset();

    const std::string given = scratch.Write("blues.cts", "[Windows]\n0=513\n");
    StartShown(QuietOptions(), QString::fromStdString(given));
    EXPECT_EQ(studio->StudioPath(), given);
    EXPECT_EQ(frame->windowTitle(), "Cantrel Studio - blues");
    EXPECT_EQ(IniValue("Files", "OpenStudio"), given);
}

TEST_F(StartupTest, AStudioFromTheCommandLineThatFailsLeavesTheRememberedOne)
{
    ShipTemplates();
    const std::string remembered = scratch.Write("jazz.cts", "[Windows]\n0=513\n");
    WritePrivateProfileString("Files", "OpenStudio", remembered.c_str(), (libraryDir + "/cantrel.ini").c_str());
    FlushProfiles();
    StartShown(QuietOptions(), QString::fromStdString(scratch.Write("broken.cts", "[Other]\nx=1\n")));
    EXPECT_EQ(errors.Numbers(), std::vector<int>{407});
    EXPECT_TRUE(studio->StudioPath().empty());
    EXPECT_EQ(IniValue("Files", "OpenStudio"), remembered);
}

TEST_F(StartupTest, LostDefinitionSectionsComeBackOnceAtTheNextStart)
{
    // The settings file deleted while the program ran: only what was written
    // after is there. A section the user emptied stays empty.
    const std::string ini = libraryDir + "/cantrel.ini";
    std::filesystem::remove(ini);
    scratch.Write("few.ini", "[Global]\nInitialPos=\n[Scales]\n");
    std::filesystem::copy_file(scratch.File("few.ini"), ini);
    Start();
    EXPECT_EQ(errors.Numbers(), std::vector<int>{449});
    EXPECT_EQ(errors.reports[0].text,
              "The definitions of [Chords], [Tunings], [Keys] were missing from cantrel.ini and have been "
              "restored from the ones Cantrel Studio comes with.");
    EXPECT_GT(CountChordDefinitions(), 30);
    EXPECT_GT(CountTunings(), 10);
    EXPECT_GT(CountKeys(), 10);
    EXPECT_EQ(CountScales(), 0);
    app.reset();
    ForgetProfiles();

    errors.Clear();
    const FileIdentity restored = IdentityOf(ini);
    Start();
    EXPECT_TRUE(errors.Empty()) << "told once: they are in the file now";
    EXPECT_GT(CountChordDefinitions(), 30);
    EXPECT_EQ(IdentityOf(ini), restored);
}

TEST_F(StartupTest, NoTemplateAnywhereReports437AndRunsEmpty)
{
    StartShown();
    EXPECT_EQ(errors.Numbers(), std::vector<int>{437});
    EXPECT_TRUE(studio->Frames().isEmpty());
    EXPECT_TRUE(frame->isVisible());
}

TEST_F(StartupTest, CancelAtTheExitPromptKeepsTheProgram)
{
    ShipTemplates();
    StartShown();
    MarkStudioModified();
    answer = QMessageBox::Cancel;
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(IniValue("Global", "InitialPos"), "");

    // No: the program goes, remembering where its window was.
    answer = QMessageBox::No;
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(IniValue("Global", "InitialPos").size(), std::size_t(WindowPlacementRecord::HexLength));
}

TEST_F(StartupTest, YesAtTheExitPromptSavesOrStays)
{
    ShipTemplates();
    StartShown();
    MarkStudioModified();
    answer = QMessageBox::Yes;
    // The unnamed studio asks for a name; cancelling keeps the program.
    studio->ChooseFile = [](bool, const QString&) { return QString(); };
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(StudioModified());

    const std::string saved = scratch.File("kept.cts");
    studio->ChooseFile = [&](bool save, const QString&) { return save ? QString::fromStdString(saved) : QString(); };
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(std::filesystem::exists(saved));
    EXPECT_EQ(IniValue("Files", "OpenStudio"), saved);
}

TEST_F(StartupTest, WindowPlacementIsRestored)
{
    ShipTemplates();
    // Without a remembered placement the window starts maximized.
    Start();
    EXPECT_EQ(app->InitialShowCommand(), WindowPlacementRecord::ShowMaximized);
    app.reset();

    WindowPlacementRecord placement;
    placement.showCommand = WindowPlacementRecord::ShowNormal;
    placement.normalPosition = QRect(100, 120, 500, 400);
    SaveInitialPosition(placement);
    Start();
    EXPECT_EQ(app->InitialShowCommand(), WindowPlacementRecord::ShowNormal);
    EXPECT_EQ(frame->geometry(), QRect(100, 120, 500, 400));
    app->InitInstance();
    EXPECT_EQ(frame->Placement().normalPosition, QRect(100, 120, 500, 400));
    app.reset();

    // A start request to stay minimized wins over the remembered state.
    app = std::make_unique<mmApp>(QuietOptions());
    app->SetStartShowCommand(mmApp::ShowMinimizedInactive);
    ASSERT_TRUE(app->Start());
    app->InitMainWindow();
    EXPECT_EQ(app->InitialShowCommand(), mmApp::ShowMinimizedInactive);
}

TEST_F(StartupTest, SecondInstanceIsRefusedWith445)
{
    SingleInstanceLock first;
    ASSERT_TRUE(first.Acquire());
    SingleInstanceLock second;
    EXPECT_FALSE(second.Acquire());

    mmApp::Options options = QuietOptions();
    options.singleInstance = true;
    app = std::make_unique<mmApp>(options);
    EXPECT_FALSE(app->Start());
    EXPECT_EQ(errors.Numbers(), std::vector<int>{445});
    EXPECT_EQ(app->MainWindow(), nullptr);
}

TEST_F(StartupTest, StoppedStartUpEndsWithExitCode1)
{
    SingleInstanceLock first;
    ASSERT_TRUE(first.Acquire());
    mmApp::Options options = QuietOptions();
    options.singleInstance = true;
    app = std::make_unique<mmApp>(options);
    EXPECT_EQ(app->Run({}), 1);
    EXPECT_EQ(app->MainWindow(), nullptr);
    app.reset();

    // No place to keep the settings: 448 and 408, and no main window.
    errors.Clear();
    const std::string blocker = scratch.Write("file", "x");
    setenv("CANTREL_LIBRARY_DIR", (blocker + "/lib").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (blocker + "/config").c_str(), 1);
    app = std::make_unique<mmApp>(QuietOptions());
    EXPECT_EQ(app->Run({}), 1);
    EXPECT_EQ(errors.Numbers(), (std::vector<int>{448, 408}));
    EXPECT_EQ(MidiDev::lastmidi, nullptr);
}

TEST_F(StartupTest, MutedDeviceShowsTheSoundOffPicture)
{
    WritePrivateProfileString("Midi", "Mute", "1", (libraryDir + "/cantrel.ini").c_str());
    FlushProfiles();
    StartShown();
    QAction* button = frame->Actions().Find(20004);
    EXPECT_EQ(button->property("picture").toInt(), 24735);
    EXPECT_TRUE(button->isChecked());
}

TEST_F(StartupTest, NoSoundIsSaidOnceWithoutADialog)
{
    ShipTemplates();
    CaptureBackend::Active()->FailOutputOpen(MidiDev::Mapper, {MidiFailure::NoDriver, "no audio system"});
    WritePrivateProfileString("Midi", "OutDevice", "-1", (libraryDir + "/cantrel.ini").c_str());
    FlushProfiles();
    StartShown();
    CaptureBackend::Active()->FailOutputOpen(MidiDev::Mapper, {});
    EXPECT_TRUE(errors.Empty());
    EXPECT_FALSE(app->NoSoundNotice().isEmpty());
    EXPECT_EQ(frame->statusBar()->currentMessage(), app->NoSoundNotice());
    EXPECT_NE(frame->findChild<QWidget*>("noSound"), nullptr);
}

TEST_F(StartupTest, ShutdownReleasesThePrimaryDevice)
{
    ShipTemplates();
    StartShown();
    EXPECT_NE(MidiDev::lastmidi, nullptr);
    app->Shutdown();
    EXPECT_EQ(MidiDev::lastmidi, nullptr);
}

}  // namespace

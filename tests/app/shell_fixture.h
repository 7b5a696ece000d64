#pragma once
// The whole program on the offscreen platform: the test's scratch library
// folder holding a copy of the default cantrel.ini (and, when asked, the
// compressed templates), a scratch per-user folder, the capture MIDI backend,
// messages recorded, help topics recorded instead of shown.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/shell/main_frame.h"
#include "app/shell/mm_app.h"
#include "app/studio/mm_mdi_child.h"
#include "app/studio/mm_mdi_child_client.h"
#include "app/studio/mm_mdi_client.h"
#include "core/services/profile.h"
#include "ui/help_viewer.h"
#include "support/error_recorder.h"
#include "support/scratch_dir.h"
#include "support/test_settings.h"

class RecordingHelpViewer : public HelpViewer {
public:
    void ShowHelp(const std::string& book, int context) override { shown.emplace_back(book, context); }
    std::vector<std::pair<std::string, int>> shown;
};

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        libraryDir = TestSettings::LibraryDir();
        SetHelpViewer(&help);
    }

    void TearDown() override
    {
        app.reset();
        SetHelpViewer(nullptr);
    }

    // Copies the shipped compressed templates beside the library.
    void ShipTemplates()
    {
        for (const char* name : {"LOVGARES.!CT", "MDVGARES.!CT", "HIVGARES.!CT"})
            std::filesystem::copy_file(std::string(CANTREL_SOURCE_DIR) + "/data/" + name, libraryDir + "/" + name);
    }

    mmApp::Options QuietOptions() const
    {
        mmApp::Options options;
        options.banner = false;
        options.singleInstance = false;
        options.errorDialog = false;
        options.screenWidth = 1024;
        return options;
    }

    // Start-up up to the main window, built but not yet shown.
    void Start(mmApp::Options options)
    {
        app = std::make_unique<mmApp>(options);
        ASSERT_TRUE(app->Start());
        app->InitMainWindow();
        frame = app->MainWindow();
        studio = app->StudioClient();
        studio->AskToSave = [this] { return answer; };
    }
    void Start() { Start(QuietOptions()); }

    // The whole start: window shown and the first studio open.
    void StartShown(mmApp::Options options, const QString& studioArgument = QString())
    {
        Start(options);
        app->InitInstance(studioArgument.toStdString());
    }
    void StartShown() { StartShown(QuietOptions()); }
    // Started on its defaults with no message left over, the frame active and on screen.
    bool StartActive()
    {
        StartShown();
        errors.Clear();
        QApplication::setActiveWindow(frame);
        return QTest::qWaitForWindowExposed(frame);
    }

    std::string IniValue(const char* section, const char* key)
    {
        char value[256] = {};
        GetPrivateProfileString(section, key, "", value, sizeof value, (libraryDir + "/cantrel.ini").c_str());
        return value;
    }

    ScratchDir scratch;
    std::string libraryDir;
    ErrorRecorder errors;
    RecordingHelpViewer help;
    std::unique_ptr<mmApp> app;
    mmMainFrame* frame = nullptr;
    mmMDIClient* studio = nullptr;
    QMessageBox::StandardButton answer = QMessageBox::No;
};

// Test entry point: a Qt application object exists for the whole run, so that
// timers and widgets work; the platform is offscreen unless a test says else;
// every test gets scratch settings of its own (support/test_settings.h).
#include <gtest/gtest.h>

#ifdef CANTREL_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

#include <cstdlib>

#include "support/test_settings.h"

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("CANTREL_MIDI_BACKEND", "capture", 0);
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    TestSettings::Install();
    const int result = RUN_ALL_TESTS();
    return TestSettings::BuildSettingsChanged() ? 1 : result;
}

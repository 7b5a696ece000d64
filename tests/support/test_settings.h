#pragma once
// Every test runs on scratch settings of its own. Before each test the test
// main makes a fresh scratch folder standing in for the library's folder,
// holding a copy of the default cantrel.ini (from the source tree) and the
// help pages, and an empty per-user settings folder; CANTREL_LIBRARY_DIR and
// XDG_CONFIG_HOME point there (programs a test starts inherit them), and
// GetINIFileName() names the copy. The settings file beside the built library
// is never read or written: a test that changes it fails.

#include <string>

namespace TestSettings {

// The scratch library folder of the running test.
const std::string& LibraryDir();
// Its cantrel.ini: the default definitions, fresh for each test.
const std::string& File();
// The scratch per-user folder ($XDG_CONFIG_HOME), empty at the start.
const std::string& ConfigDir();

// For the test main: sets up the scratch settings around every test, and
// tells afterwards whether a test changed the build's settings file.
void Install();
bool BuildSettingsChanged();

}  // namespace TestSettings

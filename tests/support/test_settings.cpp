#include "support/test_settings.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>

#include <stdlib.h>

#include "core/services/atomic_file.h"
#include "core/services/file_names.h"
#include "core/services/profile.h"
#include "core/theory/octave_numbering.h"
#include "support/scratch_dir.h"

namespace {

struct Folders {
    std::unique_ptr<ScratchDir> scratch;
    std::string library;
    std::string file;
    std::string config;
};

Folders& Current()
{
    static Folders folders;
    return folders;
}

const std::string BuildSettings = std::string(CANTREL_OUTPUT_DIR) + "/cantrel.ini";

// Sets up the scratch settings before each test and checks afterwards that
// the build's own settings file was left alone.
class ScratchSettingsListener : public ::testing::EmptyTestEventListener {
public:
    bool BuildSettingsChanged() const { return changed_; }

private:
    void OnTestStart(const ::testing::TestInfo&) override
    {
        ForgetProfiles();
        Folders& f = Current();
        f.scratch = std::make_unique<ScratchDir>();
        f.library = f.scratch->File("lib");
        f.config = f.scratch->File("config");
        f.file = f.library + "/cantrel.ini";
        std::filesystem::create_directories(f.library);
        std::filesystem::create_directories(f.config);
        std::filesystem::copy_file(std::string(CANTREL_SOURCE_DIR) + "/data/cantrel.ini", f.file);
        std::error_code ignored;
        std::filesystem::create_directory_symlink(std::string(CANTREL_OUTPUT_DIR) + "/help", f.library + "/help",
                                                  ignored);
        setenv("CANTREL_LIBRARY_DIR", f.library.c_str(), 1);
        setenv("XDG_CONFIG_HOME", f.config.c_str(), 1);
        UseINIFileName(f.file.c_str());
        // A start-up read the shipped settings, which count octaves from C;
        // every test begins with the engine's own numbering.
        SetShownOctaveNumbering(OctaveNumbering::FromA);
        before_ = IdentityOf(BuildSettings);
    }

    void OnTestEnd(const ::testing::TestInfo& test) override
    {
        ForgetProfiles();
        if (IdentityOf(BuildSettings) != before_) {
            std::fprintf(stderr, "%s.%s changed %s: tests must keep to their scratch settings\n",
                         test.test_suite_name(), test.name(), BuildSettings.c_str());
            changed_ = true;
        }
        Current().scratch.reset();
    }

    FileIdentity before_;
    bool changed_ = false;
};

ScratchSettingsListener* listener = nullptr;

}  // namespace

namespace TestSettings {

const std::string& LibraryDir() { return Current().library; }
const std::string& File() { return Current().file; }
const std::string& ConfigDir() { return Current().config; }

void Install()
{
    listener = new ScratchSettingsListener;
    ::testing::UnitTest::GetInstance()->listeners().Append(listener);  // owned by gtest
}

bool BuildSettingsChanged() { return listener != nullptr && listener->BuildSettingsChanged(); }

}  // namespace TestSettings

// Every test works on scratch settings of its own, whatever the program
// beside the build has written into its settings file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "core/services/atomic_file.h"
#include "core/services/file_names.h"
#include "core/services/profile.h"
#include "support/test_settings.h"

TEST(ScratchSettings, EveryTestStartsFromAFreshCopyOfTheDefaults)
{
    const std::string& ini = TestSettings::File();
    EXPECT_EQ(GetINIFileName(), ini);
    EXPECT_EQ(std::string(std::getenv("CANTREL_LIBRARY_DIR")), TestSettings::LibraryDir());
    EXPECT_EQ(std::string(std::getenv("XDG_CONFIG_HOME")), TestSettings::ConfigDir());
    EXPECT_NE(IdentityOf(ini), IdentityOf(std::string(CANTREL_OUTPUT_DIR) + "/cantrel.ini"));

    std::string copy, shipped;
    FileIdentity ignored;
    ASSERT_TRUE(ReadWholeFile(ini, copy, ignored));
    ASSERT_TRUE(ReadWholeFile(std::string(CANTREL_SOURCE_DIR) + "/data/cantrel.ini", shipped, ignored));
    EXPECT_EQ(copy, shipped) << "the defaults, not what a program run wrote beside the build";

    // Located the way the program locates it, too.
    ASSERT_TRUE(InitializeFileNames());
    EXPECT_EQ(GetINIFileName(), ini);
    EXPECT_TRUE(WritePrivateProfileString("Global", "InitialPos", "whatever", ini.c_str()));
}

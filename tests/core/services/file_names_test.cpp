#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include <sys/stat.h>

#include "child_process.h"
#include "core/services/atomic_file.h"
#include "core/services/file_names.h"
#include "core/services/profile.h"
#include "support/error_recorder.h"
#include "support/scoped_environment.h"
#include "support/scratch_dir.h"

namespace {

std::string Removed(const char* path)
{
    char buffer[PathSize];
    std::snprintf(buffer, sizeof buffer, "%s", path);
    RemoveFilename(buffer);
    return buffer;
}

std::string Appended(const char* path, const char* name)
{
    char buffer[PathSize];
    std::snprintf(buffer, sizeof buffer, "%s", path);
    return AppendFilename(buffer, name);
}

// A library folder and a per-user settings folder inside one scratch folder.
class SettingsPlaces : public testing::Test {
protected:
    SettingsPlaces()
        : library_("CANTREL_LIBRARY_DIR", dir_.File("lib")), config_("XDG_CONFIG_HOME", dir_.File("config"))
    {
        std::filesystem::create_directory(dir_.File("lib"));
        std::filesystem::create_directory(dir_.File("config"));
    }
    std::string LibraryIni() const { return dir_.File("lib/cantrel.ini"); }
    std::string UserIni() const { return dir_.File("config/cantrel/cantrel.ini"); }

    ScratchDir dir_;
    ScopedEnvironment library_;
    ScopedEnvironment config_;
    ErrorRecorder errors_;
};

const char* const Definitions = "; shipped definitions\r\n[Chords]\r\n1=\"M\",\"Major\", 1 3 5\r\n";

}  // namespace

TEST(PathRoutines, RemoveFilenameCutsBehindTheLastSeparator)
{
    EXPECT_EQ(Removed("C:\\A\\B.INI"), "C:\\A\\");
    EXPECT_EQ(Removed("D:X.INI"), "D:");
    EXPECT_EQ(Removed("X.INI"), "");
    EXPECT_EQ(Removed("/usr/lib/cantrel/libcantrelcore.so"), "/usr/lib/cantrel/");
    EXPECT_EQ(Removed("/a\\b/c"), "/a\\b/");
    EXPECT_EQ(Removed("/"), "/");
    EXPECT_EQ(Removed(""), "");
    RemoveFilename(nullptr);
}

TEST(PathRoutines, AppendFilenameAddsOneSeparatorAndStaysInTheBuffer)
{
    EXPECT_EQ(Appended("", "cantrel.ini"), "cantrel.ini");
    EXPECT_EQ(Appended("/home/u", "cantrel.ini"), "/home/u/cantrel.ini");
    EXPECT_EQ(Appended("/home/u/", "cantrel.ini"), "/home/u/cantrel.ini");
    EXPECT_EQ(Appended("C:\\A\\", "B.INI"), "C:\\A\\B.INI");
    EXPECT_EQ(Appended("D:", "B.INI"), "D:B.INI");
    EXPECT_EQ(Appended("/x", nullptr), "/x/");

    char full[PathSize];
    std::memset(full, 'a', sizeof full);
    full[250] = '\0';
    std::memset(full + 251, '#', PathSize - 251);
    AppendFilename(full, "long-name.ini");
    EXPECT_EQ(std::strlen(full), PathSize - 1);
    EXPECT_EQ(std::string(full + 250, 5), "/long");
}

TEST(PathRoutines, FilenameOnlyPointsBehindTheLastSeparator)
{
    const char* windows = "C:\\A\\B.CTS";
    EXPECT_EQ(FilenameOnly(windows), windows + 5);
    const char* bare = "B.CTS";
    EXPECT_EQ(FilenameOnly(bare), bare);
    EXPECT_STREQ(FilenameOnly("/home/u/song.CTS"), "song.CTS");
    EXPECT_STREQ(FilenameOnly("D:song.CTS"), "song.CTS");
    EXPECT_STREQ(FilenameOnly("/home/u/"), "");
}

TEST(PathRoutines, ExistsOnlyForFilesThatCanBeRead)
{
    ScratchDir dir;
    EXPECT_EQ(Exists(dir.Write("f", "x").c_str()), 1);
    EXPECT_EQ(Exists(dir.File("missing").c_str()), 0);
    EXPECT_EQ(Exists(dir.Path().c_str()), 0) << "a folder is no file";
    EXPECT_EQ(Exists(""), 0);
    EXPECT_EQ(Exists(nullptr), 0);
}

TEST(LibraryDirectory, IsTheFolderOfTheLoadedLibrary)
{
    unsetenv("CANTREL_LIBRARY_DIR");
    const std::string folder = GetLibraryDirectory();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(folder + "libcantrelcore.so")) << folder;
}

TEST_F(SettingsPlaces, AWritableLibraryFolderIsUsedAndKeepsItsFile)
{
    dir_.Write("lib/cantrel.ini", Definitions);
    const FileIdentity before = IdentityOf(LibraryIni());
    ASSERT_TRUE(InitializeFileNames());
    EXPECT_TRUE(errors_.Empty());
    EXPECT_EQ(GetINIFileName(), LibraryIni());
    EXPECT_EQ(GetSheetTemplateFileName(), dir_.File("lib/TEMPLATE.!CD"));
    EXPECT_EQ(GetStudioTemplateFileName(), dir_.File("lib/TEMPLATE.!CT"));
    // Finding out that the file can be written does not write it: another
    // process may be writing it at this moment.
    EXPECT_EQ(dir_.Read("lib/cantrel.ini"), Definitions);
    EXPECT_EQ(IdentityOf(LibraryIni()), before) << "not rewritten, not even touched";
    EXPECT_FALSE(std::filesystem::exists(dir_.File("config/cantrel")));
}

TEST_F(SettingsPlaces, AReadOnlyStartMakesNoFile)
{
    ASSERT_TRUE(InitializeFileNames(SettingsAccess::ReadOnly));
    EXPECT_EQ(GetINIFileName(), LibraryIni());
    EXPECT_FALSE(std::filesystem::exists(LibraryIni()));
    EXPECT_FALSE(std::filesystem::exists(dir_.File("config/cantrel")));
}

TEST_F(SettingsPlaces, AMissingFileIsReportedOnceAndCreatedEmpty)
{
    ASSERT_TRUE(InitializeFileNames());
    EXPECT_EQ(errors_.Numbers(), std::vector<int>{448});
    EXPECT_EQ(errors_.reports[0].text,
              "The INI file is missing.  You will not have definitions for chords, tunings, "
              "instruments, scales, or keys.  Try copying CANTREL.INI from the install disks or "
              "reinstalling.");
    EXPECT_EQ(GetINIFileName(), LibraryIni());
    EXPECT_TRUE(std::filesystem::exists(LibraryIni()));
    EXPECT_TRUE(GetProfileSectionNames(LibraryIni()).empty()) << "no probe section left";

    errors_.Clear();
    ASSERT_TRUE(InitializeFileNames());
    EXPECT_TRUE(errors_.Empty()) << "the file exists now";
}

TEST_F(SettingsPlaces, TemplatesComeFromTheTemplatesSection)
{
    dir_.Write("lib/cantrel.ini", "[templates]\nSTUDIO=/songs/Mine.!CT\n");
    ASSERT_TRUE(InitializeFileNames());
    EXPECT_EQ(GetStudioTemplateFileName(), std::string("/songs/Mine.!CT"));
    EXPECT_EQ(GetSheetTemplateFileName(), dir_.File("lib/TEMPLATE.!CD"));
}

TEST_F(SettingsPlaces, AnUnwritableLibraryPlaceFallsBackToTheUserFolder)
{
    // A folder below a regular file can be neither read nor written.
    dir_.Write("plain", "not a folder");
    ScopedEnvironment library("CANTREL_LIBRARY_DIR", dir_.File("plain/lib"));
    ASSERT_TRUE(InitializeFileNames());
    EXPECT_EQ(errors_.Numbers(), std::vector<int>{448});
    EXPECT_EQ(GetINIFileName(), UserIni());
    EXPECT_TRUE(std::filesystem::exists(UserIni())) << "folder and file created";
    EXPECT_EQ(GetStudioTemplateFileName(), dir_.File("config/cantrel/TEMPLATE.!CT"));
}

TEST_F(SettingsPlaces, AnExistingUserFileIsPreferredToCreatingAnEmptyLibraryFile)
{
    std::filesystem::create_directories(dir_.File("config/cantrel"));
    dir_.Write("config/cantrel/cantrel.ini", Definitions);
    ASSERT_TRUE(InitializeFileNames());
    EXPECT_TRUE(errors_.Empty());
    EXPECT_EQ(GetINIFileName(), UserIni());
    EXPECT_FALSE(std::filesystem::exists(LibraryIni()));
}

TEST_F(SettingsPlaces, NoWritablePlaceIsReportedAndFails)
{
    dir_.Write("plain", "not a folder");
    ScopedEnvironment library("CANTREL_LIBRARY_DIR", dir_.File("plain/lib"));
    ScopedEnvironment config("XDG_CONFIG_HOME", dir_.File("plain/config"));
    EXPECT_FALSE(InitializeFileNames());
    EXPECT_EQ(errors_.Numbers(), (std::vector<int>{448, 408}));
    EXPECT_EQ(errors_.reports[1].text,
              "Cannot write to cantrel.ini in neither the program directory nor the Windows directory.");
    EXPECT_STREQ(GetINIFileName(), "");
    EXPECT_STREQ(GetStudioTemplateFileName(), "");
}

TEST_F(SettingsPlaces, AnOverlongLibraryPathIsNoPlaceAtAll)
{
    ScopedEnvironment library("CANTREL_LIBRARY_DIR", "/" + std::string(300, 'x'));
    ASSERT_TRUE(InitializeFileNames());
    EXPECT_EQ(GetINIFileName(), UserIni());
    EXPECT_FALSE(std::filesystem::exists("cantrel.ini")) << "nothing written in the working folder";
}

// A read-only installation: the library folder holds the shipped file and the
// templates but cannot be written. Root may write anywhere, so the check runs
// in a child that gives up its rights.
TEST_F(SettingsPlaces, AReadOnlyInstallationSeedsTheUserFileFromTheShippedOne)
{
    dir_.Write("lib/cantrel.ini", Definitions);
    dir_.Write("lib/TEMPLATE.!CT", "[Studio]\n");
    chmod(dir_.Path().c_str(), 0755);
    chmod(dir_.File("lib").c_str(), 0555);
    chmod(dir_.File("config").c_str(), 0777);

    enum Outcome { Succeeded = 1, Missing = 2, NotWritable = 4, UsesUserFile = 8, LibraryTemplate = 16 };
    constexpr int CannotDropRights = 100;
    const std::string userIni = UserIni();
    const std::string libraryTemplate = dir_.File("lib/TEMPLATE.!CT");
    const int status = RunInChild([&] {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) return CannotDropRights;
        ErrorRecorder errors;
        int outcome = InitializeFileNames() ? Succeeded : 0;
        for (int number : errors.Numbers()) outcome |= number == 448 ? Missing : number == 408 ? NotWritable : 64;
        if (GetINIFileName() == userIni) outcome |= UsesUserFile;
        if (GetStudioTemplateFileName() == libraryTemplate) outcome |= LibraryTemplate;
        return outcome;
    });
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == CannotDropRights) GTEST_SKIP() << "cannot run as an unprivileged user here";
    EXPECT_EQ(WEXITSTATUS(status), Succeeded | UsesUserFile | LibraryTemplate);
    EXPECT_EQ(dir_.Read("config/cantrel/cantrel.ini"), Definitions) << "every definition kept";
    EXPECT_EQ(dir_.Read("lib/cantrel.ini"), Definitions) << "the shipped file untouched";
}

TEST_F(SettingsPlaces, UseINIFileNameTakesThePathAsGiven)
{
    const std::string ini = dir_.Write("elsewhere.ini", "[Templates]\nSheet=/s/x.!CD\n");
    UseINIFileName(ini.c_str());
    EXPECT_EQ(GetINIFileName(), ini);
    EXPECT_STREQ(GetSheetTemplateFileName(), "/s/x.!CD");
    EXPECT_EQ(GetStudioTemplateFileName(), dir_.File("TEMPLATE.!CT"));
    EXPECT_TRUE(errors_.Empty());
}

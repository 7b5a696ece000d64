#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>

#include "child_process.h"
#include "core/services/profile.h"
#include "support/scratch_dir.h"

namespace {

std::string Get(const std::string& file, const char* section, const char* key, const char* def = "<none>")
{
    char out[256];
    GetPrivateProfileString(section, key, def, out, sizeof out, file.c_str());
    return out;
}

// Files in folder other than the one named; a temporary left behind shows here.
std::vector<std::string> OtherFiles(const std::string& folder, const std::string& name)
{
    std::vector<std::string> others;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename() != name) others.push_back(entry.path().filename().string());
    return others;
}

const char* const Sample =
    "; Cantrel settings\r\n"
    "\r\n"
    "[Chords]\r\n"
    "1=\"M\",\"Major\", 1 3 5\r\n"
    "  Two =  \"m\",\"Minor\", 1 3b 5  \r\n"
    "; a comment inside\r\n"
    "\r\n"
    "[Midi]\r\n"
    "OutDeviceID=-1\r\n"
    "Velocity=64\r\n";

}  // namespace

TEST(Profile, ReadsCrlfFilesWithoutRegardToCase)
{
    ScratchDir dir;
    const std::string ini = dir.Write("a.ini", Sample);
    EXPECT_EQ(Get(ini, "chords", "1"), "\"M\",\"Major\", 1 3 5");
    EXPECT_EQ(Get(ini, "CHORDS", "two"), "\"m\",\"Minor\", 1 3b 5") << "blanks around dropped";
    EXPECT_EQ(Get(ini, "Chords", "3", "def"), "def");
    EXPECT_EQ(Get(ini, "Nope", "1", "def"), "def");
    EXPECT_EQ(Get(dir.File("missing.ini"), "Chords", "1", "def"), "def");
    EXPECT_EQ(GetPrivateProfileInt("midi", "outdeviceid", 5, ini.c_str()), -1);
    EXPECT_EQ(GetPrivateProfileInt("Midi", "Mute", 7, ini.c_str()), 7);
    EXPECT_EQ(GetProfileSectionNames(ini), (std::vector<std::string>{"Chords", "Midi"}));
    EXPECT_EQ(GetProfileKeyNames(ini, "MIDI"), (std::vector<std::string>{"OutDeviceID", "Velocity"}));

    // LF-only files read the same.
    const std::string lf = dir.Write("b.ini", "[Chords]\n1=x\n");
    EXPECT_EQ(Get(lf, "Chords", "1"), "x");
}

TEST(Profile, IntegersReadTheLeadingNumberOnly)
{
    ScratchDir dir;
    const std::string ini =
        dir.Write("i.ini", "[N]\na=42abc\nb=+7\nc=x1\nd=99999999999999999999\ne=-99999999999999\nf=\n");
    EXPECT_EQ(GetPrivateProfileInt("N", "a", 0, ini.c_str()), 42);
    EXPECT_EQ(GetPrivateProfileInt("N", "b", 0, ini.c_str()), 7);
    EXPECT_EQ(GetPrivateProfileInt("N", "c", 5, ini.c_str()), 0);
    EXPECT_EQ(GetPrivateProfileInt("N", "d", 0, ini.c_str()), 2147483647);
    EXPECT_EQ(GetPrivateProfileInt("N", "e", 0, ini.c_str()), -2147483647 - 1);
    EXPECT_EQ(GetPrivateProfileInt("N", "f", 5, ini.c_str()), 0);
}

TEST(Profile, ChangesKeepCommentsOrderAndUntouchedLines)
{
    ScratchDir dir;
    const std::string ini = dir.Write("a.ini", Sample);
    ASSERT_TRUE(WritePrivateProfileString("CHORDS", "3", "\"7\",\"Seventh\", 1 3 5 7b", ini.c_str()));
    ASSERT_TRUE(WritePrivateProfileString("midi", "velocity", "100", ini.c_str()));
    ASSERT_TRUE(WritePrivateProfileString("Templates", "Studio", "/x/TEMPLATE.!CT", ini.c_str()));
    EXPECT_EQ(dir.Read("a.ini"),
              "; Cantrel settings\n"
              "\n"
              "[Chords]\n"
              "1=\"M\",\"Major\", 1 3 5\n"
              "  Two =  \"m\",\"Minor\", 1 3b 5  \n"
              "; a comment inside\n"
              "3=\"7\",\"Seventh\", 1 3 5 7b\n"
              "\n"
              "[Midi]\n"
              "OutDeviceID=-1\n"
              "Velocity=100\n"
              "\n"
              "[Templates]\n"
              "Studio=/x/TEMPLATE.!CT\n");
}

TEST(Profile, BlankLinesKeepTheirBlanks)
{
    ScratchDir dir;
    const std::string original = "[A]\nk=1\n \t\n\n[B]\r\nx=1\r\r\n";
    const std::string ini = dir.Write("b.ini", original);
    ASSERT_TRUE(WritePrivateProfileString("A", "j", "2", ini.c_str()));
    EXPECT_EQ(dir.Read("b.ini"), "[A]\nk=1\nj=2\n \t\n\n[B]\nx=1\n");
    EXPECT_EQ(Get(ini, "B", "x"), "1");
}

TEST(Profile, NullValueDeletesKeyAndNullKeyDeletesSection)
{
    ScratchDir dir;
    const std::string ini = dir.Write("a.ini", Sample);
    ASSERT_TRUE(WritePrivateProfileString("chords", "TWO", nullptr, ini.c_str()));
    EXPECT_EQ(Get(ini, "Chords", "Two"), "<none>");
    ASSERT_TRUE(WritePrivateProfileString("MIDI", nullptr, nullptr, ini.c_str()));
    EXPECT_EQ(Get(ini, "Midi", "Velocity"), "<none>");
    EXPECT_EQ(dir.Read("a.ini"), "; Cantrel settings\n\n[Chords]\n1=\"M\",\"Major\", 1 3 5\n; a comment inside\n\n");

    // Deleting what is not there changes nothing and writes nothing.
    const auto rewrites = ProfileRewriteCount();
    EXPECT_TRUE(WritePrivateProfileString("Chords", "42", nullptr, ini.c_str()));
    EXPECT_TRUE(WritePrivateProfileString("Nothing", nullptr, nullptr, ini.c_str()));
    EXPECT_TRUE(WritePrivateProfileString("Nothing", nullptr, nullptr, dir.File("none.ini").c_str()));
    EXPECT_EQ(ProfileRewriteCount(), rewrites);
    EXPECT_FALSE(std::filesystem::exists(dir.File("none.ini")));
}

TEST(Profile, DuplicatesAreHiddenUntilTheFirstGoes)
{
    ScratchDir dir;
    const std::string ini = dir.Write("d.ini", "[S]\nk=1\nK=2\n[s]\nk=3\nj=4\n");
    EXPECT_EQ(Get(ini, "S", "k"), "1");
    EXPECT_EQ(Get(ini, "S", "j"), "<none>");
    EXPECT_EQ(GetProfileKeyNames(ini, "S"), (std::vector<std::string>{"k"}));
    WritePrivateProfileString("S", "k", nullptr, ini.c_str());
    EXPECT_EQ(Get(ini, "S", "k"), "2");
    WritePrivateProfileString("S", nullptr, nullptr, ini.c_str());
    EXPECT_EQ(Get(ini, "S", "k"), "3");
    EXPECT_EQ(Get(ini, "S", "j"), "4");
}

TEST(Profile, RefusesWritesThatCouldNotBeReadBack)
{
    ScratchDir dir;
    const std::string ini = dir.Write("a.ini", "[S]\nk=1\n");
    EXPECT_FALSE(WritePrivateProfileString("S", "k", "1\n[Evil]\nx=y", ini.c_str()));
    EXPECT_FALSE(WritePrivateProfileString("S", "a=b", "v", ini.c_str()));
    EXPECT_FALSE(WritePrivateProfileString("S]x", "k", "v", ini.c_str()));
    EXPECT_FALSE(WritePrivateProfileString("S", "  ", "v", ini.c_str()));
    EXPECT_FALSE(WritePrivateProfileString("S", "[k", "v", ini.c_str()));
    EXPECT_FALSE(WritePrivateProfileString(nullptr, "k", "v", ini.c_str()));
    EXPECT_FALSE(WritePrivateProfileString("S", "k", "v", nullptr));
    EXPECT_EQ(dir.Read("a.ini"), "[S]\nk=1\n");
}

TEST(Profile, KeepsWindows1252BytesAsTheyAre)
{
    ScratchDir dir;
    const std::string bytes =
        "[Keys]\n1=\"F\xBD\xA0 \xAB"
        "x\xBB\"\n";
    const std::string ini = dir.Write("k.ini", bytes);
    EXPECT_EQ(Get(ini, "Keys", "1"),
              "\"F\xBD\xA0 \xAB"
              "x\xBB\"");
    ASSERT_TRUE(WritePrivateProfileString("Keys", "2", "\xE9\xE8", ini.c_str()));
    EXPECT_EQ(dir.Read("k.ini"), bytes + "2=\xE9\xE8\n");
}

TEST(Profile, ReadsTheFileAgainAfterAnOutsideChange)
{
    ScratchDir dir;
    const std::string ini = dir.Write("a.ini", "[S]\nk=old\n");
    EXPECT_EQ(Get(ini, "S", "k"), "old");
    dir.Write("a.ini", "[S]\nk=changed outside\n");  // same inode, new size
    EXPECT_EQ(Get(ini, "S", "k"), "changed outside");
    // A file deleted under us keeps the copy read before, and the next write
    // puts all of it back: deleting is no way to lose the other entries.
    std::filesystem::remove(ini);
    EXPECT_EQ(Get(ini, "S", "k"), "changed outside");
    ASSERT_TRUE(WritePrivateProfileString("S", "new", "1", ini.c_str()));
    EXPECT_EQ(dir.Read("a.ini"), "[S]\nk=changed outside\nnew=1\n");
    dir.Write("other.ini", "[S]\nk=renamed\n");
    std::filesystem::rename(dir.File("other.ini"), ini);
    EXPECT_EQ(Get(ini, "S", "k"), "renamed");

    // A change of our own after the outside change starts from the new file.
    ASSERT_TRUE(WritePrivateProfileString("S", "j", "1", ini.c_str()));
    EXPECT_EQ(dir.Read("a.ini"), "[S]\nk=renamed\nj=1\n");
}

TEST(Profile, SpellingsOfOnePathShareOneCopy)
{
    ScratchDir dir;
    const std::string ini = dir.Write("a.ini", "[S]\nk=1\n");
    const std::string other = dir.Path() + "/./sub/../a.ini";
    std::filesystem::create_directory(dir.File("sub"));
    ProfileBatch batch;
    WritePrivateProfileString("S", "k", "2", ini.c_str());
    EXPECT_EQ(Get(other, "S", "k"), "2");
}

TEST(Profile, ABatchCostsOneRewritePerFile)
{
    ScratchDir dir;
    const std::string first = dir.File("one.ini");
    const std::string second = dir.File("two.ini");
    const auto before = ProfileRewriteCount();
    {
        ProfileBatch batch;
        for (int i = 0; i < 500; ++i) {
            const std::string key = std::to_string(i);
            ASSERT_TRUE(WritePrivateProfileString("Big", key.c_str(), key.c_str(), first.c_str()));
        }
        WritePrivateProfileString("S", "k", "v", second.c_str());
        WritePrivateProfileString("Big", "7", nullptr, first.c_str());
        EXPECT_EQ(Get(first, "Big", "499"), "499") << "visible before it is written";
        EXPECT_FALSE(std::filesystem::exists(first)) << "nothing written yet";
        {
            ProfileBatch nested;
            WritePrivateProfileString("S", "k2", "v2", second.c_str());
        }
        EXPECT_FALSE(std::filesystem::exists(second)) << "a nested batch waits for the outer one";
    }
    EXPECT_EQ(ProfileRewriteCount() - before, 2u);
    ForgetProfiles();
    EXPECT_EQ(Get(first, "Big", "0"), "0");
    EXPECT_EQ(Get(first, "Big", "7"), "<none>");
    EXPECT_EQ(GetProfileKeyNames(first, "Big").size(), 499u);
    EXPECT_EQ(Get(second, "s", "K2"), "v2");
}

TEST(Profile, CommitWritesAtOnceAndAllNullFlushesOneFile)
{
    ScratchDir dir;
    const std::string ini = dir.File("c.ini");
    ProfileBatch batch;
    WritePrivateProfileString("S", "k", "v", ini.c_str());
    EXPECT_FALSE(std::filesystem::exists(ini));
    EXPECT_TRUE(WritePrivateProfileString(nullptr, nullptr, nullptr, ini.c_str()));
    EXPECT_EQ(dir.Read("c.ini"), "[S]\nk=v\n");
    WritePrivateProfileString("S", "k", "w", ini.c_str());
    EXPECT_TRUE(batch.Commit());
    EXPECT_EQ(dir.Read("c.ini"), "[S]\nk=w\n");
}

TEST(Profile, TheSchedulerIsAskedOnceForEachFileThatGetsPendingChanges)
{
    ScratchDir dir;
    const std::string ini = dir.File("s.ini");
    int scheduled = 0;
    SetProfileFlushScheduler([&] { ++scheduled; });
    WritePrivateProfileString("S", "a", "1", ini.c_str());
    WritePrivateProfileString("S", "b", "2", ini.c_str());
    EXPECT_EQ(scheduled, 1);
    EXPECT_FALSE(std::filesystem::exists(ini));
    EXPECT_TRUE(FlushProfiles());
    EXPECT_EQ(dir.Read("s.ini"), "[S]\na=1\nb=2\n");
    WritePrivateProfileString("S", "c", "3", ini.c_str());
    EXPECT_EQ(scheduled, 2);
    SetProfileFlushScheduler({});
    EXPECT_TRUE(FlushProfiles());
    EXPECT_EQ(dir.Read("s.ini"), "[S]\na=1\nb=2\nc=3\n");
}

TEST(Profile, AWriteIntoAnImpossiblePlaceFailsAndLeavesNothingBehind)
{
    ScratchDir dir;
    dir.Write("plain", "a regular file");
    const std::string ini = dir.File("plain/cantrel.ini");
    EXPECT_FALSE(WritePrivateProfileString("S", "k", "v", ini.c_str()));
    EXPECT_EQ(Get(ini, "S", "k"), "<none>") << "the failed change is not kept";
    {
        ProfileBatch batch;
        WritePrivateProfileString("S", "k", "v", ini.c_str());
        EXPECT_FALSE(batch.Commit());
    }
    EXPECT_TRUE(FlushProfiles()) << "a failed file does not stay pending forever";
}

TEST(Profile, TheOldFileSurvivesADiskThatFillsUpDuringTheWrite)
{
    ScratchDir dir;
    const std::string ini = dir.Write("cantrel.ini", Sample);
    EXPECT_EQ(Get(ini, "Midi", "Velocity"), "64");
    // The child may write at most 4 KiB per file: the new copy does not fit.
    const int status = RunInChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        const std::string big(8000, 'x');
        return WritePrivateProfileString("Midi", "Velocity", big.c_str(), ini.c_str()) ? 1 : 0;
    });
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the write must report its failure";
    EXPECT_EQ(dir.Read("cantrel.ini"), Sample);
    EXPECT_TRUE(OtherFiles(dir.Path(), "cantrel.ini").empty()) << "temporary file removed";
}

TEST(Profile, TheOldFileSurvivesACrashBeforeTheRename)
{
    ScratchDir dir;
    const std::string ini = dir.Write("cantrel.ini", Sample);
    EXPECT_EQ(Get(ini, "Midi", "Velocity"), "64");
    // Exceeding the size limit kills the child in the middle of its write.
    const int status = RunInChild([&] {
        rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        const std::string big(8000, 'x');
        WritePrivateProfileString("Midi", "Velocity", big.c_str(), ini.c_str());
        return 0;
    });
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
    EXPECT_EQ(dir.Read("cantrel.ini"), Sample);
    EXPECT_EQ(OtherFiles(dir.Path(), "cantrel.ini").size(), 1u) << "the dead writer's temporary file";

    // The program goes on with the intact file; its next save removes the
    // dead writer's leftover, and only that: another file's stays.
    dir.Write(".other.ini.Ab12Cd", "another file's temporary");
    EXPECT_EQ(Get(ini, "Midi", "Velocity"), "64");
    ASSERT_TRUE(WritePrivateProfileString("Midi", "Velocity", "90", ini.c_str()));
    EXPECT_EQ(GetPrivateProfileInt("Midi", "Velocity", 0, ini.c_str()), 90);
    EXPECT_EQ(OtherFiles(dir.Path(), "cantrel.ini"), std::vector<std::string>{".other.ini.Ab12Cd"});
}

TEST(Profile, TwoProcessesWritingAtOnceLoseNoKey)
{
    // In memory where there is such a folder: the disk would make each of the
    // 3000 rewrites wait, and it is the locking that is tested here.
    ScratchDir dir(std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path());
    const std::string ini = dir.Write("cantrel.ini", "[Chords]\n1=\"\",\"Major\", 1 3 5\n");
    ForgetProfiles();
    constexpr int WritesEach = 1500;
    // Each writer sets its own keys, one rewrite per key, both at once.
    auto startWriter = [&](const char* section) {
        const pid_t pid = fork();
        if (pid == 0) {
            for (int i = 0; i < WritesEach; ++i)
                if (!WritePrivateProfileString(section, std::to_string(i).c_str(), "v", ini.c_str())) _exit(1);
            _exit(0);
        }
        return pid;
    };
    const pid_t writers[] = {startWriter("First"), startWriter("Second")};
    for (pid_t pid : writers) {
        ASSERT_GT(pid, 0);
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(GetProfileKeyNames(ini, "First").size(), std::size_t(WritesEach));
    EXPECT_EQ(GetProfileKeyNames(ini, "Second").size(), std::size_t(WritesEach));
    EXPECT_EQ(Get(ini, "Chords", "1"), "\"\",\"Major\", 1 3 5");
    EXPECT_TRUE(OtherFiles(dir.Path(), "cantrel.ini").empty());
}

TEST(Profile, ASettingsFolderDeletedWhileInUseIsMadeAgain)
{
    ScratchDir dir;
    const std::string folder = dir.File("settings");
    std::filesystem::create_directory(folder);
    const std::string ini = dir.Write("settings/cantrel.ini", Sample);
    EXPECT_EQ(Get(ini, "Midi", "Velocity"), "64");
    std::filesystem::remove_all(folder);
    ASSERT_TRUE(WritePrivateProfileString("Midi", "Mute", "1", ini.c_str()));
    ForgetProfiles();
    EXPECT_EQ(Get(ini, "Midi", "Mute"), "1");
}

TEST(Profile, ChangesThatStayInMemoryNeverReachTheDisk)
{
    ScratchDir dir;
    const std::string ini = dir.Write("cantrel.ini", Sample);
    SetProfileChangesStayInMemory(true);
    EXPECT_TRUE(WritePrivateProfileString("Midi", "Velocity", "90", ini.c_str()));
    EXPECT_TRUE(FlushProfiles());
    EXPECT_EQ(Get(ini, "Midi", "Velocity"), "90") << "this run sees its own change";
    ForgetProfiles();
    SetProfileChangesStayInMemory(false);
    EXPECT_EQ(dir.Read("cantrel.ini"), Sample);
}

TEST(Profile, ARewriteKeepsPermissionsAndFollowsSymbolicLinks)
{
    ScratchDir dir;
    const std::string real = dir.Write("real.ini", "[S]\nk=1\n");
    std::filesystem::permissions(real, std::filesystem::perms(0640));
    const std::string link = dir.File("link.ini");
    std::filesystem::create_symlink(real, link);
    ASSERT_TRUE(WritePrivateProfileString("S", "k", "2", link.c_str()));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(dir.Read("real.ini"), "[S]\nk=2\n");
    EXPECT_EQ(std::filesystem::status(real).permissions(), std::filesystem::perms(0640));
}

TEST(Profile, WindowsStyleCallsCutAndListNames)
{
    ScratchDir dir;
    const std::string ini = dir.Write("w.ini", "[A]\nkey=abcdef\nx=1\n[B]\n");
    char out[4];
    EXPECT_EQ(GetPrivateProfileString("A", "key", "", out, sizeof out, ini.c_str()), 3u);
    EXPECT_STREQ(out, "abc");
    EXPECT_EQ(GetPrivateProfileString("A", "none", nullptr, out, sizeof out, ini.c_str()), 0u);
    EXPECT_STREQ(out, "");

    char list[32];
    const std::size_t n = GetPrivateProfileString("A", nullptr, "", list, sizeof list, ini.c_str());
    EXPECT_EQ(std::string(list, n + 2), std::string("key\0x\0\0", 7));
    GetPrivateProfileString(nullptr, nullptr, "", list, sizeof list, ini.c_str());
    EXPECT_EQ(std::string(list, 5), std::string("A\0B\0\0", 5));
}

TEST(Profile, ASectionAddedAndDeletedAgainLeavesTheFileAsItWas)
{
    ScratchDir dir;
    for (const std::string original : {"; only a comment\n", "[A]\nk=1\n", "[A]\nk=1\n\n", "\n"}) {
        const std::string ini = dir.Write("p.ini", original);
        ASSERT_TRUE(WritePrivateProfileString("Section", "Entry", "String", ini.c_str()));
        EXPECT_EQ(dir.Read("p.ini"), original + (original.ends_with("\n\n") || original == "\n" ? "" : "\n") +
                                         "[Section]\nEntry=String\n");
        ASSERT_TRUE(WritePrivateProfileString("Section", nullptr, nullptr, ini.c_str()));
        EXPECT_EQ(dir.Read("p.ini"), original);
    }
}

namespace {

enum class UnprivilegedWrite { Refused, Written, CannotDropRights };

// Writes the probe entry into ini as user nobody, in a child process, with
// the file's permission bits set to mode (root would write anyway).
UnprivilegedWrite WriteProbeAsNobody(const ScratchDir& dir, const std::string& ini, mode_t mode)
{
    chmod(dir.Path().c_str(), 0777);
    chmod(ini.c_str(), mode);
    const int status = RunInChild([&] {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            return int(UnprivilegedWrite::CannotDropRights);
        return int(WritePrivateProfileString("Section", "Entry", "String", ini.c_str()) ? UnprivilegedWrite::Written
                                                                                        : UnprivilegedWrite::Refused);
    });
    chmod(ini.c_str(), 0600);
    return WIFEXITED(status) ? UnprivilegedWrite(WEXITSTATUS(status)) : UnprivilegedWrite::Written;
}

}  // namespace

// A settings file this user cannot read would look empty: replacing it would
// lose every definition.
TEST(Profile, AFileThatCannotBeReadIsNeverReplaced)
{
    ScratchDir dir;
    const std::string ini = dir.Write("cantrel.ini", Sample);
    const UnprivilegedWrite outcome = WriteProbeAsNobody(dir, ini, 0200);
    if (outcome == UnprivilegedWrite::CannotDropRights) GTEST_SKIP() << "cannot run as an unprivileged user here";
    EXPECT_EQ(outcome, UnprivilegedWrite::Refused);
    EXPECT_EQ(dir.Read("cantrel.ini"), Sample) << "every entry kept";
}

// A settings file its owner made read-only is not replaced through the
// writable folder around it.
TEST(Profile, AReadOnlyFileIsNotRewritten)
{
    ScratchDir dir;
    const std::string ini = dir.Write("cantrel.ini", Sample);
    const UnprivilegedWrite outcome = WriteProbeAsNobody(dir, ini, 0444);
    if (outcome == UnprivilegedWrite::CannotDropRights) GTEST_SKIP() << "cannot run as an unprivileged user here";
    EXPECT_EQ(outcome, UnprivilegedWrite::Refused);
    EXPECT_EQ(dir.Read("cantrel.ini"), Sample);
}

// A new file gets the usual permissions of the user's file-creation mask.
TEST(Profile, ANewFileTakesTheCreationMask)
{
    ScratchDir dir;
    const mode_t old = umask(027);
    const std::string ini = dir.File("fresh.ini");
    const bool written = WritePrivateProfileString("Global", "Welcome", "0", ini.c_str());
    umask(old);
    ASSERT_TRUE(written);
    struct stat st;
    ASSERT_EQ(stat(ini.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

// A pipe where the settings file should be has no writer: opening it must not
// wait for one. The child is stopped by an alarm if it hangs.
TEST(Profile, APipeInPlaceOfTheFileIsNeitherWaitedForNorReplaced)
{
    ScratchDir dir;
    const std::string ini = dir.File("cantrel.ini");
    ASSERT_EQ(mkfifo(ini.c_str(), 0600), 0);
    const int status = RunInChild([&] {
        alarm(5);
        const bool defaultRead = Get(ini, "Chords", "1", "def") == "def";
        const bool written = WritePrivateProfileString("Chords", "1", "x", ini.c_str());
        return defaultRead && !written ? 0 : 1;
    });
    ASSERT_TRUE(WIFEXITED(status)) << "the child hung on the pipe";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(std::filesystem::is_fifo(ini));
}

TEST(Profile, ASectionRewriteKeepsItsPlaceItsCommentsAndTheBlanksOfItsValues)
{
    ScratchDir dir;
    const std::string ini = dir.Write("cantrel.ini", Sample);
    const std::size_t rewrites = ProfileRewriteCount();
    ASSERT_TRUE(WriteProfileSection("chords", {{"1", "  \"M\", 1 3 5 "}, {"2", " \"m\", 1 3b 5"}}, ini.c_str()));
    EXPECT_EQ(ProfileRewriteCount(), rewrites + 1);
    EXPECT_EQ(dir.Read("cantrel.ini"),
              "; Cantrel settings\n\n[Chords]\n1=  \"M\", 1 3 5 \n2= \"m\", 1 3b 5\n; a comment inside\n\n"
              "[Midi]\nOutDeviceID=-1\nVelocity=64\n");
    EXPECT_EQ(Get(ini, "Chords", "1"), "\"M\", 1 3 5");

    // An entry that could not be read back refuses the whole rewrite.
    EXPECT_FALSE(WriteProfileSection("Chords", {{"1", "x"}, {"2", "two\nlines"}}, ini.c_str()));
    EXPECT_EQ(Get(ini, "Chords", "1"), "\"M\", 1 3 5");
    // A missing section is added at the end; an empty list leaves it bare.
    ASSERT_TRUE(WriteProfileSection("Tunings", {}, ini.c_str()));
    EXPECT_TRUE(dir.Read("cantrel.ini").ends_with("Velocity=64\n\n[Tunings]\n"));
}

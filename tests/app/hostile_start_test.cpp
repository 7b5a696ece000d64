// Hostile starts, one table: studios handed over by a second start under
// names ending in a blank, holding a line break or a byte that is not UTF-8;
// handed over while the first start still shows a start-up message, or while
// its start-up ends early; studios and settings files far too large to be
// real ones. The program runs on, opens exactly the file named or says why
// not, and the second start hears the truth.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <future>
#include <optional>

#include "app/shell/instance_channel.h"
#include "app/shell/single_instance.h"
#include "app/studio/remembered_studio.h"
#include "cli/cli_runner.h"
#include "core/services/atomic_file.h"
#include "shell_fixture.h"
#include "support/scoped_environment.h"

namespace {

using Outcome = InstanceChannel::Outcome;

enum class Moment { Running, DuringStartUpMessage, StartUpStops };

constexpr std::int64_t OverTheBound = WholeFileReadLimit + 1;
constexpr std::int64_t FourGigabytes = std::int64_t(4) << 30;
const char* const EmptyStudio = "[Windows]\n0=513\n";

struct HostileStart {
    const char* name;
    std::string studio;           // the file name handed over, as bytes
    std::string decoy;            // what a path altered on the way would open
    std::int64_t sparseStudio;    // > 0: the studio is a sparse file this large
    std::size_t lineEnds;         // empty lines after the studio's own
    std::int64_t sparseSettings;  // > 0: so is cantrel.ini
    Moment moment;
    Outcome outcome;  // what the second start hears
    bool opened;      // the handed studio is open afterwards
    bool remembered;  // and opens at the next start
    std::vector<int> messages;
};

using HostileStartTest = ShellTest;

TEST_F(HostileStartTest, EachIsTakenWholeOrRefusedAndTheProgramRunsOn)
{
    std::string shippedSettings;
    FileIdentity ignored;
    ASSERT_TRUE(ReadWholeFile(TestSettings::File(), shippedSettings, ignored));
    constexpr std::size_t MillionLineEnds = std::size_t(1) << 20;
    const HostileStart starts[] = {
        {"name ending in a blank", "trail.cts ", "trail.cts", 0, 0, 0, Moment::Running, Outcome::Taken, true, true, {}},
        {"name with a line break",
         "line\nbreak.cts",
         "linebreak.cts",
         0,
         0,
         0,
         Moment::Running,
         Outcome::Taken,
         true,
         false,
         {}},
        {"name that is not UTF-8", "caf\xE9.cts", "", 0, 0, 0, Moment::Running, Outcome::Taken, true, true, {}},
        {"studio one byte over the bound",
         "big.cts",
         "",
         OverTheBound,
         0,
         0,
         Moment::Running,
         Outcome::Taken,
         false,
         false,
         {440}},
        {"4 GB studio", "huge.cts", "", FourGigabytes, 0, 0, Moment::Running, Outcome::Taken, false, false, {440}},
        {"more line ends than any studio",
         "lines.cts",
         "",
         0,
         MillionLineEnds,
         0,
         Moment::Running,
         Outcome::Taken,
         false,
         false,
         {407}},
        {"4 GB settings file", "ok.cts", "", 0, 0, FourGigabytes, Moment::Running, Outcome::Taken, true, false, {440}},
        {"during the start-up message",
         "held.cts",
         "",
         0,
         0,
         0,
         Moment::DuringStartUpMessage,
         Outcome::Taken,
         true,
         true,
         {448, 449}},
        {"start-up ends early",
         "lost.cts",
         "",
         0,
         0,
         0,
         Moment::StartUpStops,
         Outcome::Refused,
         false,
         false,
         {448, 408}},
    };
    for (const HostileStart& s : starts) {
        SCOPED_TRACE(s.name);
        app.reset();
        errors.Clear();
        std::ofstream(TestSettings::File(), std::ios::binary | std::ios::trunc) << shippedSettings;
        ForgetProfiles();
        const std::string first = scratch.Write("first.cts", EmptyStudio);
        const std::string handed = scratch.File(s.studio);
        scratch.Write(s.studio, s.sparseStudio > 0 ? "" : EmptyStudio + std::string(s.lineEnds, '\n'));
        if (s.sparseStudio > 0) std::filesystem::resize_file(handed, std::uintmax_t(s.sparseStudio));
        if (!s.decoy.empty()) scratch.Write(s.decoy, EmptyStudio);
        if (s.sparseSettings > 0) std::filesystem::resize_file(TestSettings::File(), std::uintmax_t(s.sparseSettings));
        std::optional<ScopedEnvironment> library, config;
        if (s.moment != Moment::Running) std::filesystem::remove(TestSettings::File());
        if (s.moment == Moment::StartUpStops) {
            const std::string blocker = scratch.Write("file", "x");
            library.emplace("CANTREL_LIBRARY_DIR", blocker + "/lib");
            config.emplace("XDG_CONFIG_HOME", blocker + "/config");
        }

        // The second start, on a thread of its own while this one runs the program.
        const QString channel = SingleInstanceLock().ChannelPath();
        std::future<Outcome> answered;
        std::atomic<bool> toldToWait{false};
        auto handOver = [&] {
            answered = std::async(std::launch::async, [&] {
                return InstanceChannel::HandOver(channel, handed, 3000, [&] { toldToWait = true; });
            });
        };
        // The start-up message waits for the user while the second start comes.
        SetErrorPresenter([&](const ErrorReport& report) {
            errors.reports.push_back(report);
            if (report.number != 448) return;
            handOver();
            EXPECT_TRUE(QTest::qWaitFor([&] { return toldToWait.load(); }, 10000));
        });
        mmApp::Options options = QuietOptions();
        options.singleInstance = true;
        if (s.moment == Moment::Running) {
            StartShown(options, QString::fromStdString(first));
            handOver();
        } else {
            app = std::make_unique<mmApp>(options);
            const bool started = app->Start();
            EXPECT_EQ(started, s.moment != Moment::StartUpStops);
            if (started) {
                app->InitMainWindow();
                frame = app->MainWindow();
                studio = app->StudioClient();
                app->InitInstance(first);
            } else {
                app->Shutdown();
            }
        }
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return answered.valid() && answered.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
            10000));
        EXPECT_EQ(answered.get(), s.outcome);

        if (s.moment != Moment::StartUpStops) {
            // The studio opens once the answer has gone.
            const std::string expected = s.opened ? handed : first;
            EXPECT_TRUE(QTest::qWaitFor(
                [&] { return errors.Numbers() == s.messages && studio->StudioPath() == expected; }, 5000));
            EXPECT_EQ(studio->StudioPath(), expected);
            EXPECT_TRUE(frame->isVisible());
            // A settings file that takes no writes remembers nothing.
            if (s.sparseSettings == 0) {
                EXPECT_EQ(RememberedStudio(), s.remembered ? handed : first);
            }
        }
        EXPECT_EQ(errors.Numbers(), s.messages);
        // Refused, never read nor written over.
        if (s.sparseSettings > 0) {
            EXPECT_EQ(std::filesystem::file_size(TestSettings::File()), std::uintmax_t(s.sparseSettings));
            app.reset();
            EXPECT_EQ(std::filesystem::file_size(TestSettings::File()), std::uintmax_t(s.sparseSettings));
        }
        app.reset();
        SetErrorPresenter([this](const ErrorReport& report) { errors.reports.push_back(report); });
    }

    // The command line refuses the same files before reading them.
    const std::string hugeIni = scratch.File("huge.ini");
    std::ofstream(hugeIni).close();
    std::filesystem::resize_file(hugeIni, std::uintmax_t(FourGigabytes));
    const std::vector<std::vector<std::string>> commands = {
        {"--ini", hugeIni, "text", "C5", "E5", "G5"},
        {"studio", scratch.File("huge.cts")},
    };
    for (const auto& args : commands) {
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.exitCode, 1) << args[0];
        EXPECT_NE(result.err.find("is larger than 64 MB"), std::string::npos) << result.err;
    }
}

}  // namespace

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "cli/cli_runner.h"
#include "support/scratch_dir.h"

namespace {

// Runs cantrel-cli on a settings file of our own, with the capture backend
// (the test environment's) or with the machine's own MIDI and audio.
class CliSound : public ::testing::Test {
protected:
    CliResult Run(std::vector<std::string> args, const std::string& ini = "")
    {
        args.insert(args.begin(), {"--ini", scratch.Write("cantrel.ini", ini)});
        return RunCli(args);
    }
    CliResult RunOnThisMachine(std::vector<std::string> args, const std::string& ini = "")
    {
        const std::string saved = std::getenv("CANTREL_MIDI_BACKEND") ? std::getenv("CANTREL_MIDI_BACKEND") : "";
        setenv("CANTREL_MIDI_BACKEND", "system", 1);
        CliResult r = Run(std::move(args), ini);
        setenv("CANTREL_MIDI_BACKEND", saved.c_str(), 1);
        return r;
    }

    ScratchDir scratch;
};

TEST_F(CliSound, DevicesListsOutputsAndInputsWithTheirNumbers)
{
    const CliResult r = Run({"devices"}, "[Midi]\nOutDeviceID=1\nInDeviceID=-1\n");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out,
              "Output devices:\n"
              "   -2  [Default]\n"
              "   -1  Built-in Synthesizer\n"
              "    0  Capture Output 0\n"
              "*   1  Capture Output 1\n"
              "    2  Capture Output 2\n"
              "    3  Capture Output 3\n"
              "Input devices:\n"
              "*  -1  [None]\n"
              "    0  Capture Input 0\n"
              "    1  Capture Input 1\n"
              "    2  Capture Input 2\n"
              "    3  Capture Input 3\n"
              "Own ports of Cantrel Studio (while the program runs):\n"
              "       none now\n");
    EXPECT_EQ(Run({"devices", "extra"}).exitCode, 2);
}

TEST_F(CliSound, PlayLastsItsTimeAndEnds)
{
    const auto start = std::chrono::steady_clock::now();
    const CliResult r = Run({"play", "--ms", "150", "--program=24", "--device", "1", "C5", "E5", "G5"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(150));
}

TEST_F(CliSound, PlayRefusesWhatItCannotPlay)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"play"},
             {"play", "H5"},
             {"play", "--ms", "0", "C5"},
             {"play", "--ms", "x", "C5"},
             {"play", "--program", "128", "C5"},
             {"play", "--device", "-3", "C5"},
             {"play", "--wav", "out.wav", "--device", "0", "C5"},
             {"play", "--loud", "C5"},
             {"play", "--ms"},
         }) {
        const CliResult r = Run(args);
        EXPECT_EQ(r.exitCode, 2) << args.back();
        EXPECT_NE(r.err, "") << args.back();
    }
}

TEST_F(CliSound, PlayWavRendersOffline)
{
    const std::string wav = scratch.File("chord.wav");
    const CliResult r = Run({"play", "--wav", wav, "--ms", "200", "C5", "E5", "G5"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.rfind(wav + ": 3 notes, ", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("(0.200 s held"), std::string::npos) << r.out;
    EXPECT_GT(scratch.Read("chord.wav").size(), 44u + 200u * 44100 * 4 / 1000);

    const CliResult bad = Run({"play", "--wav", scratch.File("no/such/dir.wav"), "C5"});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_NE(bad.err.find("no/such/dir.wav"), std::string::npos) << bad.err;
}

TEST_F(CliSound, MonitorReportsAnInputItCannotOpen)
{
    const CliResult r = Run({"monitor", "--device", "99"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err,
              "cantrel-cli: 451: There was an error opening the MIDI device (Input 99) for input: no such input\n");
    EXPECT_EQ(Run({"monitor", "--device", "-1"}).exitCode, 2);
    EXPECT_EQ(Run({"monitor", "--speed", "1"}).exitCode, 2);
}

// Whatever this machine has in sound and MIDI: a clean end, and words when
// something is missing. Muted, so that a real machine stays quiet.
TEST_F(CliSound, EveryCommandEndsCleanlyOnThisMachine)
{
    const std::string muted = "[Midi]\nMute=1\n";
    CliResult r = RunOnThisMachine({"devices"}, muted);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("-1  Built-in Synthesizer"), std::string::npos) << r.out;

    r = RunOnThisMachine({"play", "--ms", "50", "C5", "E5", "G5"}, muted);
    EXPECT_TRUE(r.exitCode == 0 || r.exitCode == 1) << r.exitCode;
    if (r.exitCode != 0) {
        EXPECT_NE(r.err, "");
    }

    r = RunOnThisMachine({"play", "--wav", scratch.File("c.wav"), "--ms", "50", "C5"}, muted);
    EXPECT_EQ(r.exitCode, 0) << r.err;

    r = RunOnThisMachine({"monitor", "--device", "99"}, muted);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("451: "), std::string::npos) << r.err;

    if (access("/dev/snd/seq", F_OK) != 0) {
        r = RunOnThisMachine({"monitor"}, muted);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_NE(r.err.find("451: "), std::string::npos) << r.err;
    }
}

}  // namespace

#include "jack_server.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <rtmidi/RtMidi.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <thread>
#include <vector>

#include "core/midi/jack_log.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto TurnLimit = std::chrono::seconds(60);
constexpr auto StartLimit = std::chrono::seconds(5);
constexpr auto StopLimit = std::chrono::seconds(3);
constexpr auto PollStep = std::chrono::milliseconds(10);

// jackd from PATH, or empty.
std::string FindJackd()
{
    const char* path = std::getenv("PATH");
    std::istringstream dirs(path ? path : "/usr/bin:/bin");
    std::string dir;
    while (std::getline(dirs, dir, ':')) {
        const std::string candidate = (dir.empty() ? "." : dir) + "/jackd";
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return {};
}

}  // namespace

// Waits for the servers of other test programs to stop.
bool JackServer::TakeTurn()
{
    const auto path = std::filesystem::temp_directory_path() / "cantrel-test-jackd.lock";
    turn_ = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (turn_ < 0) return false;
    const auto limit = Clock::now() + TurnLimit;
    while (flock(turn_, LOCK_EX | LOCK_NB) != 0) {
        if (Clock::now() >= limit) {
            close(turn_);
            turn_ = -1;
            return false;
        }
        std::this_thread::sleep_for(PollStep);
    }
    return true;
}

// Starts jackd with its output in the log. It dies with us: a test program
// that crashes leaves no server behind.
bool JackServer::Spawn(const std::string& jackd)
{
    // A short period keeps each hop through the server to a few
    // milliseconds; the long client timeout keeps a busy machine from
    // throwing our clients out.
    std::vector<std::string> args = {jackd, "--no-realtime", "--name", name_, "--timeout", "5000", "-d", "dummy",
                                     "-r",  "48000",         "-p",     "256", "-w",        "5333"};
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    const pid_t parent = getpid();
    pid_ = fork();
    if (pid_ < 0) {
        why_ = "jackd did not start: " + std::string(strerror(errno));
        return false;
    }
    if (pid_ == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) _exit(127);
        const int log = open(log_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int nothing = open("/dev/null", O_RDONLY);
        if (log < 0 || nothing < 0) _exit(127);
        dup2(nothing, STDIN_FILENO);
        dup2(log, STDOUT_FILENO);
        dup2(log, STDERR_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    return true;
}

bool JackServer::Start()
{
    if (Running()) return true;
    why_.clear();
    const std::string jackd = FindJackd();
    if (jackd.empty()) {
        why_ = "jackd is not installed (Debian package jackd2)";
        return false;
    }
    if (!TakeTurn()) {
        why_ = "another test's JACK server did not finish within 60 s";
        return false;
    }
    name_ = "cantrel-test-" + std::to_string(getpid());
    log_ = (std::filesystem::temp_directory_path() / (name_ + ".log")).string();

    if (const char* old = std::getenv("JACK_DEFAULT_SERVER")) {
        hadOldServer_ = true;
        oldServer_ = old;
    }
    setenv("JACK_DEFAULT_SERVER", name_.c_str(), 1);
    setenv("JACK_NO_START_SERVER", "1", 1);
    if (!Spawn(jackd)) {
        Stop();
        return false;
    }

    const auto limit = Clock::now() + StartLimit;
    while (Clock::now() < limit) {
        if (Exited()) {
            why_ = "jackd stopped at once: " + LogTail();
            Stop();
            return false;
        }
        if (Answers()) return true;
        std::this_thread::sleep_for(PollStep);
    }
    why_ = "jackd did not take clients within 5 s: " + LogTail();
    Stop();
    return false;
}

void JackServer::Stop()
{
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        const auto limit = Clock::now() + StopLimit;
        while (!Exited() && Clock::now() < limit) std::this_thread::sleep_for(PollStep);
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
    }
    if (!log_.empty()) {
        std::error_code ignored;
        std::filesystem::remove(log_, ignored);
        log_.clear();
    }
    if (turn_ >= 0) {
        close(turn_);  // lets the next test program's server start
        turn_ = -1;
    }
    if (!name_.empty()) {
        if (hadOldServer_)
            setenv("JACK_DEFAULT_SERVER", oldServer_.c_str(), 1);
        else
            unsetenv("JACK_DEFAULT_SERVER");
        name_.clear();
        hadOldServer_ = false;
    }
}

// A client connects: RtMidi's JACK client only warns (on standard error)
// when there is no server.
bool JackServer::Answers() const
{
    QuietJackLog();
    std::ostringstream warnings;
    std::streambuf* old = std::cerr.rdbuf(warnings.rdbuf());
    bool connected = false;
    try {
        RtMidiOut probe(RtMidi::UNIX_JACK, "Cantrel Test Probe");
        connected = warnings.str().empty();
    } catch (const RtMidiError&) {
    }
    std::cerr.rdbuf(old);
    return connected;
}

bool JackServer::Exited()
{
    if (pid_ <= 0) return true;
    if (waitpid(pid_, nullptr, WNOHANG) != pid_) return false;
    pid_ = -1;
    return true;
}

std::string JackServer::LogTail() const
{
    std::ifstream in(log_);
    std::string line;
    std::string last;
    while (std::getline(in, line))
        if (!line.empty()) last = line;
    return last.empty() ? "no output" : last;
}

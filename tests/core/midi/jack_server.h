#pragma once
// A JACK server of the tests' own: the dummy driver (no sound hardware), a
// server name no other program uses, stopped again by Stop or destruction.
// While it runs, JACK_DEFAULT_SERVER names it, so every JACK client of this
// process (RtMidi, FluidSynth) connects to it and to nothing else.
//
// Test programs run side by side (ctest -j) take turns: with two servers of
// one user starting and stopping at the same moment, clients were seen to
// miss ports in the lists and to crash.

#include <sys/types.h>

#include <string>

class JackServer {
public:
    JackServer() = default;
    ~JackServer() { Stop(); }
    JackServer(const JackServer&) = delete;
    JackServer& operator=(const JackServer&) = delete;

    // Starts jackd and waits (a few seconds at most) until it takes clients.
    // False with Why() saying what went wrong: jackd not installed, or the
    // server not coming up.
    bool Start();
    void Stop();
    bool Running() const { return pid_ > 0; }
    const std::string& Why() const { return why_; }
    const std::string& Name() const { return name_; }

private:
    bool TakeTurn();
    bool Spawn(const std::string& jackd);
    bool Answers() const;
    bool Exited();
    std::string LogTail() const;

    int turn_ = -1;  // the lock held while our server runs
    pid_t pid_ = -1;
    std::string name_;
    std::string log_;
    std::string why_;
    std::string oldServer_;
    bool hadOldServer_ = false;
};

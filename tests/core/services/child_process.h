#pragma once
// Runs a piece of a test in a forked child so that it can crash, change its
// user or its limits without touching the test program.

#include <functional>

#include <sys/wait.h>
#include <unistd.h>

// The child's wait status (use WIFEXITED, WEXITSTATUS, WIFSIGNALED ...), or
// -1 when no child could be started. body's result becomes the exit code.
inline int RunInChild(const std::function<int()>& body)
{
    const pid_t pid = fork();
    if (pid < 0) return -1;
    if (pid == 0) _exit(body());
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
    }
    return status;
}

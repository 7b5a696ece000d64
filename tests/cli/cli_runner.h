#pragma once
// Runs the built cantrel-cli with arguments and collects what it wrote.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <vector>

#include "support/scratch_dir.h"

extern char** environ;

struct CliResult {
    int exitCode = -1;  // -1: did not start or did not exit normally
    std::string out;
    std::string err;
};

// `input` becomes standard input (empty: /dev/null); standard output goes to
// `outputTo` when given (out then stays empty).
inline CliResult RunCli(const std::vector<std::string>& args, const std::string& input = "",
                        const std::string& outputTo = "")
{
    ScratchDir scratch;
    const std::string program = CANTREL_OUTPUT_DIR "/cantrel-cli";
    const std::string outPath = outputTo.empty() ? scratch.File("stdout") : outputTo;
    const std::string errPath = scratch.File("stderr");

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string inPath = input.empty() ? std::string("/dev/null") : scratch.Write("stdin", input);
    posix_spawn_file_actions_addopen(&actions, 0, inPath.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(),
                                     O_WRONLY | O_CREAT | (outputTo.empty() ? O_TRUNC : 0), 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

    CliResult result;
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        result.err = "cannot start " + program;
        return result;
    }
    int status = 0;
    if (waitpid(pid, &status, 0) == pid && WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
    result.out = scratch.Read("stdout");
    result.err = scratch.Read("stderr");
    return result;
}

// The lines of what the command wrote, each without its line end.
inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t at = 0;
    for (std::size_t end; (end = text.find('\n', at)) != std::string::npos; at = end + 1)
        lines.push_back(text.substr(at, end - at));
    return lines;
}

#pragma once
// What cantrel-cli writes besides a command's own result.

#include <cstdio>
#include <string>

constexpr const char* ProgramName = "cantrel-cli";

// The usage text: commands and global options.
void PrintUsage(std::FILE* to);

// "cantrel-cli: problem" and a pointer to --help on standard error; returns
// the usage exit status so that callers can `return UsageError(...)`.
int UsageError(const std::string& problem);

// Messages of the library appear on standard error as "cantrel-cli: NNN: text".
void InstallErrorPresenter();
// How many messages have appeared so far.
int ReportedMessageCount();

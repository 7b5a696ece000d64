#pragma once
// Exit statuses of cantrel-cli.

constexpr int ExitOk = 0;
constexpr int ExitFailure = 1;  // the work could not be done
constexpr int ExitUsage = 2;    // bad command line or bad input on it

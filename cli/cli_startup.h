#pragma once
// Bringing up cantrelcore the way the program does, before any command runs.

struct CliCommand;
struct GlobalOptions;

// Locates the settings file (or takes --ini), loads the definition lists and
// applies the naming options. A command that only reads settings makes every
// settings change of this run stay in memory, so the file is never written.
// False, after a message on standard error, when no settings file could be
// located, the one named cannot be read as a settings file, one of its lists
// has a bad entry (reported through Error), or a list the command answers
// from is empty.
bool StartCore(const GlobalOptions& options, const CliCommand& command);

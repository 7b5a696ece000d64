#pragma once
// Bringing up cantrelcore the way the program does, before any command runs.

struct GlobalOptions;

// Locates the settings file (or takes --ini), loads the definition lists and
// applies the naming options. False when no settings file could be located,
// the one named could not be read, or one of its lists has a bad entry
// (reported through Error).
bool StartCore(const GlobalOptions& options);

#pragma once
// Where cantrel.ini and the template files live, and small path routines.
// Paths use '/' but also split at '\' and ':' so that paths stored by older
// files still work.

#include <cstddef>

constexpr std::size_t PathSize = 256;

enum class SettingsAccess { ReadWrite, ReadOnly };

// Fixes the settings path: beside the cantrelcore library when that place can
// be written, else $XDG_CONFIG_HOME/cantrel (seeded from the copy beside the
// library). False (after message 408) when neither can be written. Whether a
// place can be written is found out without writing the file; ReadOnly
// makes no file or folder at all and picks the file the program would read.
bool InitializeFileNames(SettingsAccess access = SettingsAccess::ReadWrite);

// Uses `iniPath` as the settings file without probing or seeding (the command
// line's --ini). Template paths are derived from its folder.
void UseINIFileName(const char* iniPath);

const char* GetINIFileName();
const char* GetSheetTemplateFileName();
const char* GetStudioTemplateFileName();

// The folder holding the loaded cantrelcore library, ending in '/'. The
// environment variable CANTREL_LIBRARY_DIR, when set, names another folder to
// use instead (tests point it at scratch folders).
const char* GetLibraryDirectory();
// $XDG_CONFIG_HOME/cantrel/ (default ~/.config/cantrel/), ending in '/'.
const char* GetUserSettingsDirectory();

// 1 when the file can be opened for reading.
int Exists(const char* path);
// Cuts the path just behind its last '/', '\' or ':'; no separator: empty.
void RemoveFilename(char* path);
// Appends '/' unless path is empty or already ends in a separator, then name,
// never writing past PathSize. Returns path.
char* AppendFilename(char* path, const char* name);
// Pointer behind the last '/', '\' or ':' of path, or path itself.
const char* FilenameOnly(const char* path);

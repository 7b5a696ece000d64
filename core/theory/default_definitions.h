#pragma once
// The definitions the program comes with, built into it, and their return to
// a settings file that has lost a definition section altogether (deleted
// while the program ran, or cut short by hand). A section the user emptied is
// the user's choice and stays empty.

#include <string>
#include <vector>

// The four definition sections, in the order they are loaded.
const std::vector<std::string>& DefinitionSections();

// Where the restored definitions go: into the settings file, or only into
// this run's parsed copy of it (a run that never writes the file, such as the
// command line's).
enum class DefinitionRestore { IntoTheFile, ForThisRunOnly };

// Writes every definition section missing from the settings file
// (GetINIFileName) with its default entries, and tells the user once, naming
// them: message 449 when they are in the file now, 447 when they serve this
// run only. Returns the sections restored. Nothing happens to a file that
// cannot be read.
std::vector<std::string> RestoreMissingDefinitions(DefinitionRestore where = DefinitionRestore::IntoTheFile);

#pragma once
// Installs what the studio reaches without knowing it by name: the maker of
// each component kind and the Search dialog of the Find command. The program
// does it at start; so do the tools and tests that make components.

void InstallStudioParts();

#pragma once
// The string table of the program, one array per subject.

#include <span>

#include "core/services/string_table.h"

std::span<const StringTableEntry> StudioStrings();       // component names, studio file filter
std::span<const StringTableEntry> CommandHintStrings();  // status-bar hints, numbered like the commands
std::span<const StringTableEntry> IntervalStrings();     // the Analyzer's interval texts, 32-43

const StringTable& AppStrings();

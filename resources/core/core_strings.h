#pragma once
// The string table of cantrelcore, one array per subject.

#include <span>

#include "core/services/string_table.h"

std::span<const StringTableEntry> MessageStrings();   // 400-455, error messages
std::span<const StringTableEntry> NoteNameStrings();  // 23, 28, note-name tables
std::span<const StringTableEntry> MidiStrings();      // 81-96 channels, 3090-3217 MIDI programs

#pragma once
// Reads a studio file without any window: for each component line in file
// order its type, title, line text and extra lines. The loader builds the
// components from it; cantrel-cli prints it.

#include <cstdint>
#include <string>
#include <vector>

#include "core/studio/base_settings_record.h"

namespace StudioFile {
constexpr const char* Windows = "Windows";
constexpr const char* Titles = "Titles";
constexpr const char* Help = "Help";
constexpr const char* VersionKey = "0";
constexpr const char* Version = "513";
// A component line holds at most this many characters.
constexpr int LineLimit = 1023;
constexpr int LineBufferSize = 1024;
// The placement record (44 bytes) takes 90 characters; the type id of the
// base record follows its own 2-character length.
constexpr int PlacementRecordLength = 90;
constexpr int TypeIdColumn = PlacementRecordLength + 2;
}  // namespace StudioFile

struct StudioComponentLine {
    int index = 0;                        // 1-based position in the file
    int typeId = -1;                      // from the line's characters 92-95; -1 when they are not hex
    std::string title;                    // [Titles] n; empty for an automatic title
    std::string line;                     // [Windows] n
    std::vector<std::string> extraLines;  // [Windows] n.1, n.2, ...
};

struct StudioFileContents {
    std::vector<StudioComponentLine> components;
    // The file breaks off: components holds what was whole before the break.
    bool cutShort = false;
};

// Reads path; false after message 407 when [Windows] "0" is missing or empty,
// or after message 440, without reading it, when the file is far too large
// for a studio. A file cut short is read up to its last whole component and
// reported (message 438, with how many were read).
bool ReadStudioFile(const std::string& path, StudioFileContents& contents);

// The type id stored at characters 92-95 of a component line (low byte
// first), or -1.
int TypeIdOfLine(const std::string& line);

// The key of extra line j (1-based) of component n: "n.j".
std::string ExtraLineKey(int n, int j);

// The records of a component line as stored: the 11 fields of the placement
// record and the base settings record. Nothing is reported: the flags say
// which parts were read, and the caller names a damaged line.
struct DecodedComponentLine {
    bool placementRead = false;
    std::int32_t placement[11] = {};  // length, flags, show, min x/y, max x/y, left, top, right, bottom
    bool baseRead = false;
    BaseSettingsRecord base;
};
DecodedComponentLine DecodeComponentLine(const std::string& line);

#pragma once
// Whether a studio file ends where the program wrote its end. A copy broken
// off in transfer, or a disk that filled up under another program, leaves a
// file that ends inside a component line, or before components that the
// lines read still link to. What was read up to the last whole component can
// be opened; the rest is lost.

#include <string>

#include "core/studio/studio_file_reader.h"

// Drops from contents (read from path) the component line or extra line the
// file breaks off inside, and every component after it. True when the file
// was cut short: [Windows] is its last section (the titles the program
// writes behind it are gone) and it ends inside a [Windows] line, or a
// component links to one the file does not hold. (A line damaged in the
// middle of a whole file is not a file cut short: its records report their
// own damage, and a link end beyond the studio is no end.)
bool DropCutShortEnd(const std::string& path, StudioFileContents& contents);

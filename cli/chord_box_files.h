#pragma once
// cantrel-cli fingerings --svg DIR: one SVG chord box per fingering, named by
// rank (01.svg for the best).

#include <string>
#include <vector>

#include "core/theory/chord_box.h"
#include "core/theory/ranked_fingerings.h"

// Makes the folder when it is missing and writes the boxes into it. False
// after reporting the first folder or file that could not be written
// (messages 470, 471).
bool WriteChordBoxFiles(const std::string& folder, const std::vector<Fingering>& fingerings, int capo,
                        ChordBoxHand hand);

// "01.svg" ... "10.svg"; three digits and more once the count needs them.
std::string ChordBoxFileName(std::size_t rank, std::size_t count);

#include "core/theory/octave_numbering.h"

#include <atomic>

namespace {
std::atomic<OctaveNumbering> numbering{OctaveNumbering::FromA};
}

OctaveNumbering ShownOctaveNumbering() { return numbering; }

void SetShownOctaveNumbering(OctaveNumbering chosen) { numbering = chosen; }

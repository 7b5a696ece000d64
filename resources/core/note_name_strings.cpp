// Note-name tables: two characters per pitch class, counted from A.
#include "resources/core/core_strings.h"

namespace {

constexpr StringTableEntry noteNameStrings[] = {
    {23, "A BbB C DbD EbE F GbG Ab "},
    {28, "A A#B C C#D D#E F F#G G#"},
};

}  // namespace

std::span<const StringTableEntry> NoteNameStrings() { return noteNameStrings; }

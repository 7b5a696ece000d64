#include "resources/app/app_strings.h"

namespace {
const StringTableEntry entries[] = {
    {1, "Sheet"},
    {2, "Keyboard"},
    {3, "Guitar"},
    {5, "Splitter"},
    {6, "Joiner"},
    {7, "Player"},
    {24, "Analyzer"},
    {26, "Studio File (*.CTS)|*.CTS|Studio File Template|TEMPLATE.!CT"},
};
}  // namespace

std::span<const StringTableEntry> StudioStrings() { return entries; }

#include "resources/controls/controls_strings.h"

namespace {

// Phrases: key letter, '%', phrase. An info text names a phrase by '%' and
// its key.
constexpr StringTableEntry Phrases[] = {
    {7, "G%Take some "},
    {8, "A%Take a "},
    {9, "n%note"},
    {10, "c%chord"},
    {11, "k%key"},
    {12, "t%triad"},
    {13, "s%scale"},
    {14, "F%, and find the "},
    {15, "C% that contain that "},
    {16, "W% within that "},
    {17, "M% comprised of those "},
    {18, "T% that contain those "},
    {19, "U%Perform a user-defined "},
    {20, "S% substitution"},
    {21, "i%interval"},
};

// Info texts of the LED buttons, numbered 50 + info. 50-54 describe the
// Analyzer's output views (Notes, Chord, Key, Scale, Interval).
constexpr StringTableEntry InfoTexts[] = {
    {50, "Display all %ns and their position in the major %s, and mark common %ns with an asterisk"},
    {51, "%G%ns%F%cs%M%ns"},
    {52, "%G%ns%F%k(s)%T%ns"},
    {53, "%G%ns%F%s(s)%T%ns"},
    {54, "%G%ns%F%is between the selected %ns"},
    {57, "%A%c%F%k(s)%C%c"},
};

}  // namespace

const StringTable& ControlStrings()
{
    static const StringTable table{Phrases, InfoTexts};
    return table;
}

#pragma once
// The string table of cantrelctl: the phrases of the LED buttons' info texts
// (7-21) and the info texts themselves (50 + info).

#include "core/services/string_table.h"

const StringTable& ControlStrings();

#include "resources/core/core_strings.h"

const StringTable& CoreStrings()
{
    static const StringTable table{
        MessageStrings(),
        NoteNameStrings(),
        MidiStrings(),
    };
    return table;
}

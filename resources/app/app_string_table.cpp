#include "resources/app/app_strings.h"

const StringTable& AppStrings()
{
    static const StringTable table{
        StudioStrings(),
        CommandHintStrings(),
        IntervalStrings(),
    };
    return table;
}

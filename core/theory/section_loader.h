#pragma once
// Loading of one definition section: keys "1", "2", ... until the first
// missing or empty value, each parsed into a new record at the tail.

#include <cstdio>

#include "core/services/error.h"
#include "core/services/file_names.h"
#include "core/services/profile.h"
#include "core/theory/record_list.h"

// A profile value is read into 256 bytes, so at most 255 characters count.
constexpr std::size_t EntryValueSize = 256;

template <typename Record>
int LoadSection(RecordList<Record>& list, const char* section, int badEntryMessage, int (*parse)(const char*, Record*))
{
    for (int k = list.count + 1;; ++k) {
        char key[16];
        std::snprintf(key, sizeof key, "%d", k);
        char value[EntryValueSize] = "";
        GetPrivateProfileString(section, key, "", value, sizeof value, GetINIFileName());
        if (value[0] == '\0') return 1;
        Record* record = new Record{};
        if (!parse(value, record)) {
            delete record;
            Error(badEntryMessage, k);
            return 0;
        }
        list.Append(record);
    }
}

#include "core/services/settings_write_failure.h"

#include "core/services/error.h"
#include "core/services/file_names.h"

namespace {

constexpr int SettingsNotWrittenMessage = 446;

}  // namespace

void ReportSettingsNotWritten(const char* consequence)
{
    Error(SettingsNotWrittenMessage, GetINIFileName(), consequence);
}

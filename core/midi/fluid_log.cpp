#include "core/midi/fluid_log.h"

#include <fluidsynth.h>

#include <mutex>
#include <utility>

namespace {

std::mutex logMutex;
std::string lastError;

void KeepError(int, const char* message, void*)
{
    std::lock_guard lock(logMutex);
    lastError = message ? message : "";
}

void Ignore(int, const char*, void*) {}

}  // namespace

void CaptureFluidLog()
{
    static std::once_flag once;
    std::call_once(once, [] {
        fluid_set_log_function(FLUID_PANIC, KeepError, nullptr);
        fluid_set_log_function(FLUID_ERR, KeepError, nullptr);
        fluid_set_log_function(FLUID_WARN, Ignore, nullptr);
        fluid_set_log_function(FLUID_INFO, Ignore, nullptr);
        fluid_set_log_function(FLUID_DBG, Ignore, nullptr);
    });
}

std::string TakeFluidError()
{
    std::lock_guard lock(logMutex);
    return std::exchange(lastError, std::string());
}

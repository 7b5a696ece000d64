#include "core/midi/jack_log.h"

#include <dlfcn.h>

#include <mutex>

namespace {

using JackPrinter = void (*)(const char*);
using SetJackPrinter = void (*)(JackPrinter);

void Discard(const char*) {}

// libjack is there only as a dependency of RtMidi and FluidSynth, so its
// setters are looked up rather than linked.
void Install(const char* setter)
{
    if (auto set = reinterpret_cast<SetJackPrinter>(dlsym(RTLD_DEFAULT, setter))) set(&Discard);
}

}  // namespace

void QuietJackLog()
{
    static std::once_flag done;
    std::call_once(done, [] {
        Install("jack_set_error_function");
        Install("jack_set_info_function");
    });
}

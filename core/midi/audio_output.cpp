#include "core/midi/audio_output.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>

#include "core/midi/fluid_log.h"
#include "core/midi/jack_log.h"

namespace {

// Sound servers before raw devices; "file" would write a file, never sound.
constexpr const char* PreferredDrivers[] = {"pulseaudio", "pipewire", "alsa", "jack", "oss", "sdl2", "portaudio"};
constexpr const char* NeverDrivers[] = {"file"};

void CollectOption(void* data, const char*, const char* option)
{
    static_cast<std::vector<std::string>*>(data)->push_back(option);
}

// Without sound hardware the ALSA and OSS drivers can only fail, and ALSA
// says so at length on standard error.
bool DeviceFilesAllow(const std::string& driver)
{
    if (driver == "alsa") return access("/dev/snd", F_OK) == 0;
    if (driver == "oss") return access("/dev/dsp", F_OK) == 0;
    return true;
}

}  // namespace

std::vector<std::string> AudioDriverCandidates(fluid_settings_t* settings)
{
    std::vector<std::string> offered;
    fluid_settings_foreach_option(settings, "audio.driver", &offered, CollectOption);
    auto isOffered = [&offered](const std::string& name) {
        return std::find(offered.begin(), offered.end(), name) != offered.end();
    };
    std::vector<std::string> ordered;
    for (const char* name : PreferredDrivers)
        if (isOffered(name)) ordered.push_back(name);
    for (const auto& name : offered) {
        const bool never =
            std::any_of(std::begin(NeverDrivers), std::end(NeverDrivers), [&name](const char* n) { return name == n; });
        if (!never && std::find(ordered.begin(), ordered.end(), name) == ordered.end()) ordered.push_back(name);
    }
    std::erase_if(ordered, [](const std::string& name) { return !DeviceFilesAllow(name); });
    return ordered;
}

fluid_audio_driver_t* OpenAudioDriver(fluid_settings_t* settings, fluid_synth_t* synth, const std::string& name,
                                      std::string& why)
{
    CaptureFluidLog();
    // A JACK client must not start a JACK server of its own: that takes
    // seconds and outlives us. Without a server FluidSynth says so itself.
    setenv("JACK_NO_START_SERVER", "1", 0);
    QuietJackLog();
    fluid_settings_setstr(settings, "audio.driver", name.c_str());
    fluid_audio_driver_t* driver = new_fluid_audio_driver(settings, synth);
    const std::string error = TakeFluidError();
    if (!driver) why = error;
    return driver;
}

fluid_audio_driver_t* OpenAudioOutput(fluid_settings_t* settings, fluid_synth_t* synth, std::string& why)
{
    std::string tried;
    for (const std::string& name : AudioDriverCandidates(settings)) {
        std::string error;
        if (fluid_audio_driver_t* driver = OpenAudioDriver(settings, synth, name, error)) return driver;
        tried += (tried.empty() ? "" : "; ") + name + (error.empty() ? "" : ": " + error);
    }
    why = tried.empty() ? "no audio output on this machine" : "no audio output opened (" + tried + ")";
    return nullptr;
}

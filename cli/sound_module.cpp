// The sound commands run from cantrel-cli-sound.so beside this program,
// loaded on their first use: only they need MIDI, the synthesizer and QtCore.
#include <dlfcn.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "cli/cli_commands.h"
#include "cli/cli_exit_codes.h"
#include "cli/cli_output.h"

namespace {

constexpr const char* SoundModuleFile = "cantrel-cli-sound.so";

using FindSoundCommand = CommandHandler (*)(const char* name);

// Beside the program itself, wherever it was started from.
std::string SoundModulePath()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return (error ? std::filesystem::path(SoundModuleFile) : program.parent_path() / SoundModuleFile).string();
}

int RunFromSoundModule(const char* name, const std::vector<std::string>& args)
{
    const std::string path = SoundModulePath();
    // Never closed: the commands leave Qt's application object and MIDI
    // threads behind until the process ends.
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    const char* problem = module ? nullptr : dlerror();
    const auto find = module ? reinterpret_cast<FindSoundCommand>(dlsym(module, "CantrelSoundCommand")) : nullptr;
    const CommandHandler run = find ? find(name) : nullptr;
    if (!run) {
        std::fprintf(stderr, "%s: cannot load the sound commands: %s\n", ProgramName, problem ? problem : path.c_str());
        return ExitFailure;
    }
    return run(args);
}

}  // namespace

int RunDevicesCommand(const std::vector<std::string>& args) { return RunFromSoundModule("devices", args); }
int RunPlayCommand(const std::vector<std::string>& args) { return RunFromSoundModule("play", args); }
int RunMonitorCommand(const std::vector<std::string>& args) { return RunFromSoundModule("monitor", args); }

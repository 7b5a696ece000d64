#include <cstring>

#include "cli/sound/sound_commands.h"

namespace {

struct SoundCommand {
    const char* name;
    CommandHandler run;
};

const SoundCommand soundCommands[] = {
    {"devices", SoundDevicesCommand},
    {"play", SoundPlayCommand},
    {"monitor", SoundMonitorCommand},
};

}  // namespace

extern "C" __attribute__((visibility("default"))) CommandHandler CantrelSoundCommand(const char* name)
{
    for (const SoundCommand& command : soundCommands)
        if (std::strcmp(name, command.name) == 0) return command.run;
    return nullptr;
}

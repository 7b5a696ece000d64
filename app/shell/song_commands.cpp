#include "app/shell/song_commands.h"

#include "app/commands/shell_commands.h"
#include "app/components/player/player_client.h"
#include "app/shell/main_frame.h"
#include "app/studio/component_factory.h"
#include "app/studio/mm_mdi_child.h"
#include "core/studio/component_types.h"

void InstallSongCommands(mmMainFrame* frame)
{
    frame->SetCommandHandler(ShellCommand::OpenMidiFile, [frame] {
        const QString path = PlayerClient::ChooseSongFile()(frame);
        if (path.isEmpty()) return;
        mmMDIChild* player = CreateComponent(frame->StudioClient(), ComponentKind::Player, false);
        if (!player) return;
        // A file that is no song leaves no empty Player behind.
        auto* client = static_cast<PlayerClient*>(player->Client());
        if (client->OpenSong(path))
            client->GrowToFit();
        else
            delete player;
    });
}

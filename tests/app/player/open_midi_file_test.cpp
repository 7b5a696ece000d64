// File > Open MIDI File... in the whole program: a song opens in a new
// Player; a file that is no song, or a cancelled choice, leaves the studio as
// it was.

#include "app/components/player/player_client.h"
#include "app/shell_fixture.h"
#include "support/midi_file_writer.h"

namespace {

std::string TwoChords()
{
    MidiFileWriter file(0, 480);
    MidiTrackWriter& track = file.Track();
    track.Chord(0, 480, {60, 64, 67});
    track.Chord(480, 480, {55, 59, 62});
    return file.Bytes();
}

int Players()
{
    int players = 0;
    for (ComponentNode* n = FirstComponent(); n; n = n->Next) players += n->TypeId == ComponentType::Player;
    return players;
}

}  // namespace

class OpenMidiFileTest : public ShellTest {};

TEST_F(OpenMidiFileTest, OpensASongInANewPlayerOrNothing)
{
    StartShown();
    errors.Clear();
    const auto chooser = PlayerClient::ChooseSongFile();
    struct Case {
        const char* name;
        std::string contents;  // empty: the choice is cancelled
        int players;
        bool reported;
    };
    const Case cases[] = {
        {"song.mid", TwoChords(), 1, false},
        {"broken.mid", TwoChords().substr(0, 30), 1, true},
        {"cancelled", "", 1, false},
        {"again.mid", TwoChords(), 2, false},
    };
    for (const Case& c : cases) {
        errors.Clear();
        const std::string path = c.contents.empty() ? std::string() : scratch.Write(c.name, c.contents);
        PlayerClient::ChooseSongFile() = [path](QWidget*) { return QString::fromStdString(path); };
        frame->Command(24332);
        EXPECT_EQ(Players(), c.players) << c.name;
        EXPECT_EQ(!errors.Empty(), c.reported) << c.name;
        if (c.reported || c.contents.empty()) continue;
        auto* player = dynamic_cast<PlayerClient*>(mmMDIChild::ActiveComponent()->Client());
        ASSERT_NE(player, nullptr) << c.name;
        EXPECT_EQ(player->SongPath().toStdString(), path);
        EXPECT_EQ(player->Spans().size(), 2u);
    }
    PlayerClient::ChooseSongFile() = chooser;
}

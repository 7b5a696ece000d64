// The Player in a studio: a song read from a MIDI file written here, played
// through the capture backend into a real Keyboard and Analyzer; the
// transport, the channel switches, and the studio file.

#include <QComboBox>
#include <QLabel>
#include <QTableWidget>

#include <filesystem>
#include <set>

#include "app/components/analyzer/analyzer_client.h"
#include "app/components/analyzer/history_list.h"
#include "app/components/player/chord_chart.h"
#include "app/components/player/player_client.h"
#include "app/keyboard/keyboard_fixture.h"
#include "core/studio/component_links.h"
#include "core/theory/definition_lists.h"
#include "support/midi_file_writer.h"

namespace {

constexpr int Beat = 480;

// C Am F G, a beat each in 4/4 at 120 a minute, over drums on channel 10;
// with a melody on channel 2 when asked, which the chords must not take in.
std::string OneSixFourFive(bool melody = false)
{
    MidiFileWriter file(1, Beat);
    MidiTrackWriter& chords = file.Track();
    const std::vector<std::vector<int>> progression = {{60, 64, 67}, {57, 60, 64}, {53, 57, 60}, {55, 59, 62}};
    for (std::size_t i = 0; i < progression.size(); ++i) chords.Chord(std::int64_t(i) * Beat, Beat, progression[i]);
    MidiTrackWriter& drums = file.Track();
    for (int i = 0; i < 8; ++i) drums.Note(std::int64_t(i) * Beat / 2, Beat / 4, 42, 9);
    if (melody) {
        MidiTrackWriter& tune = file.Track();
        for (int i = 0; i < 4; ++i) tune.Note(std::int64_t(i) * Beat, Beat, 74 + i, 1);
    }
    return file.Bytes();
}

// The same progression with its own instruments and dynamics: a guitar,
// then strings from the third chord, on channel 1; a melody on channel 2
// left to the piano; a drum kit of its own asked on channel 10.
std::string WithInstruments()
{
    MidiFileWriter file(1, Beat);
    MidiTrackWriter& chords = file.Track();
    chords.Raw(0, {0xC0, 24});
    chords.Raw(2 * Beat, {0xC0, 48});
    const std::vector<std::vector<int>> progression = {{60, 64, 67}, {57, 60, 64}, {53, 57, 60}, {55, 59, 62}};
    const int velocities[] = {100, 60, 100, 30};
    for (std::size_t i = 0; i < progression.size(); ++i)
        for (int key : progression[i]) chords.Note(std::int64_t(i) * Beat, Beat, key, 0, velocities[i]);
    MidiTrackWriter& drums = file.Track();
    drums.Raw(0, {0xC9, 25});
    drums.Note(0, Beat / 4, 42, 9, 80);
    file.Track().Note(3 * Beat, Beat, 74, 1, 127);
    return file.Bytes();
}

// A pianist's song: the pedal down over C, changed at F (up with the chord,
// down again just after), held over a long G; the volume lowered at F; a
// melody on channel 2 bent up at F and back at the end.
std::string Pedalled()
{
    MidiFileWriter file(1, Beat);
    MidiTrackWriter& piano = file.Track();
    piano.Raw(0, {0xB0, 7, 100});
    piano.Raw(0, {0xB0, 64, 127});
    piano.Chord(0, Beat, {60, 64, 67});
    piano.Raw(Beat, {0xB0, 64, 0});
    piano.Raw(Beat, {0xB0, 7, 50});
    piano.Chord(Beat, Beat, {65, 69, 72});
    piano.Raw(Beat + 20, {0xB0, 64, 127});
    piano.Chord(2 * Beat, 8 * Beat, {67, 71, 74});
    piano.Raw(10 * Beat, {0xB0, 64, 0});
    MidiTrackWriter& melody = file.Track();
    melody.Raw(Beat, {0xE1, 0x00, 0x50});
    melody.Note(2 * Beat, 8 * Beat, 84, 1);
    melody.Raw(10 * Beat, {0xE1, 0x00, 0x40});
    return file.Bytes();
}

// A song that leaves its channels otherwise than it found them: the piano
// panned, softened and with modulation, fading out a step every second under
// the pedal; a melody on channel 2 with reverb of its own, bent.
std::string Faded()
{
    MidiFileWriter file(1, Beat);
    MidiTrackWriter& piano = file.Track();
    for (auto [controller, value] : {std::pair{10, 30}, {11, 90}, {1, 40}, {64, 127}})
        piano.Raw(0, {0xB0, std::uint8_t(controller), std::uint8_t(value)});
    piano.Chord(0, 8 * Beat, {60, 64, 67});
    for (int step = 1; step <= 4; ++step) piano.Raw(2 * step * Beat, {0xB0, 7, std::uint8_t(100 - 20 * step)});
    MidiTrackWriter& melody = file.Track();
    melody.Raw(0, {0xB1, 91, 100});
    melody.Raw(0, {0xB1, 7, 60});
    melody.Raw(Beat, {0xE1, 0x00, 0x50});
    melody.Note(0, 8 * Beat, 84, 1);
    return file.Bytes();
}

// What puts the channels Faded() moved back as they were: each controller
// with a value to go back to on the piano; a reset on the melody, whose
// reverb has none, then the volume the reset leaves alone.
const std::vector<std::string> FadedPutBack = {"C0:1=0",  "C0:7=100", "C0:10=64", "C0:11=127",
                                               "C0:64=0", "C1:121=0", "C1:7=100"};

std::vector<std::string> ChartLines(const PlayerClient* player)
{
    std::vector<std::string> lines;
    auto* chart = player->findChild<ChordChart*>("chart");
    for (int row = 0; row < chart->count(); ++row) lines.push_back(chart->item(row)->text().toStdString());
    return lines;
}

}  // namespace

class PlayerTest : public KeyboardTest {
protected:
    void SetUp() override
    {
        KeyboardTest::SetUp();
        scratch.Write("cantrel.ini", "[Global]\nMaxChords=5\n"
                                     "[Chords]\n1=\"\",\"Major\", 1 3 5\n2=\"m\",\"Minor\", 1 3b 5\n");
        ForgetProfiles();
        UseINIFileName(iniPath.c_str());
        ASSERT_TRUE(InitializeChordList());
        chooseSong = PlayerClient::ChooseSongFile();
        PlayerClient::ChooseSongFile() = [this](QWidget*) { return QString::fromStdString(songPath); };
        songPath = scratch.Write("progression.mid", OneSixFourFive());
    }
    void TearDown() override
    {
        PlayerClient::ChooseSongFile() = chooseSong;
        KeyboardTest::TearDown();
        ReleaseChordList();
    }

    // A Player made with New Component, which asks for its song.
    PlayerClient* NewPlayer()
    {
        studio->ChooseNewComponent = [] { return ComponentKind::Player; };
        studio->Command(StudioCommand::NewComponent);
        auto* frame = qobject_cast<mmMDIChild*>(studio->subWindowList().constLast());
        return frame ? dynamic_cast<PlayerClient*>(frame->Client()) : nullptr;
    }
    // Plays to the end at four times the speed.
    void PlayThrough(PlayerClient* player)
    {
        player->SetTempoPercent(400);
        player->Play();
        QTRY_VERIFY_WITH_TIMEOUT(!player->Transport().Playing(), 5000);
    }
    std::vector<std::vector<NOTES>> History(AnalyzerClient* analyzer) const
    {
        std::vector<std::vector<NOTES>> chords;
        THistoryList* history = analyzer->HistoryList();
        // The newest entry is at the top.
        for (int row = history->count() - 1; row >= 0; --row) {
            std::vector<NOTES> notes;
            for (NOTES n : history->RecordAt(row)->notes)
                if (n != NoNote) notes.push_back(n);
            std::sort(notes.begin(), notes.end());
            chords.push_back(notes);
        }
        return chords;
    }
    // Channel (from 0) and key of every note-on sent, in order; every note
    // switched on has been switched off again when `balanced`.
    std::vector<std::pair<int, int>> NoteOns(bool* balanced = nullptr) const
    {
        std::vector<std::pair<int, int>> on;
        std::map<std::pair<int, int>, int> sounding;
        for (const CapturedMessage& m : capture->Messages()) {
            if (m.size != 3) continue;
            const int kind = m.bytes[0] & 0xF0;
            const std::pair<int, int> note{m.bytes[0] & 0x0F, m.bytes[1]};
            if (kind == 0x90 && m.bytes[2] > 0) {
                on.push_back(note);
                ++sounding[note];
            } else if (kind == 0x80 || kind == 0x90) {
                sounding[note] = 0;
            }
        }
        if (balanced)
            *balanced = std::all_of(sounding.begin(), sounding.end(), [](const auto& s) { return s.second == 0; });
        return on;
    }

    // Program changes ("P channel:program") and note-ons ("N channel:key:
    // velocity") sent, channels from 0, in order.
    std::vector<std::string> Sent() const
    {
        std::vector<std::string> sent;
        for (const CapturedMessage& m : capture->Messages()) {
            const int channel = m.bytes[0] & 0x0F;
            if (m.size == 2 && (m.bytes[0] & 0xF0) == 0xC0)
                sent.push_back("P" + std::to_string(channel) + ":" + std::to_string(m.bytes[1]));
            else if (m.size == 3 && (m.bytes[0] & 0xF0) == 0x90 && m.bytes[2] > 0)
                sent.push_back("N" + std::to_string(channel) + ":" + std::to_string(m.bytes[1]) + ":" +
                               std::to_string(m.bytes[2]));
        }
        return sent;
    }

    // Everything but note-offs, in order: "C channel:controller=value",
    // "B channel:bend", "P channel:program", "N channel:key".
    std::vector<std::string> Played() const
    {
        std::vector<std::string> played;
        for (const CapturedMessage& m : capture->Messages()) {
            const std::string channel = std::to_string(m.bytes[0] & 0x0F);
            const int kind = m.bytes[0] & 0xF0;
            if (kind == 0xB0)
                played.push_back("C" + channel + ":" + std::to_string(m.bytes[1]) + "=" + std::to_string(m.bytes[2]));
            else if (kind == 0xE0)
                played.push_back("B" + channel + ":" + std::to_string(m.bytes[2] << 7 | m.bytes[1]));
            else if (kind == 0xC0)
                played.push_back("P" + channel + ":" + std::to_string(m.bytes[1]));
            else if (kind == 0x90 && m.bytes[2] > 0)
                played.push_back("N" + channel + ":" + std::to_string(m.bytes[1]));
        }
        return played;
    }
    // Channels whose sustain pedal was last sent down or whose wheel was
    // last sent off the centre: "P channel", "B channel".
    std::set<std::string> Hanging() const
    {
        std::map<std::string, bool> held;
        for (const CapturedMessage& m : capture->Messages()) {
            const std::string channel = std::to_string(m.bytes[0] & 0x0F);
            if ((m.bytes[0] & 0xF0) == 0xB0 && m.bytes[1] == 64) held["P" + channel] = m.bytes[2] != 0;
            if ((m.bytes[0] & 0xF0) == 0xE0) held["B" + channel] = (m.bytes[2] << 7 | m.bytes[1]) != 8192;
        }
        std::set<std::string> hanging;
        for (const auto& [what, on] : held)
            if (on) hanging.insert(what);
        return hanging;
    }

    std::function<QString(QWidget*)> chooseSong;
    std::string songPath;
};

TEST_F(PlayerTest, PlaysTheProgressionIntoAKeyboardAndAnAnalyzerInOrder)
{
    PlayerClient* player = NewPlayer();
    ASSERT_NE(player, nullptr);
    ASSERT_TRUE(player->HasSong());
    EXPECT_EQ(player->SongPath().toStdString(), songPath);
    EXPECT_EQ(ChartLines(player), (std::vector<std::string>{"1:1\tC", "1:2\tAm", "1:3\tF", "1:4\tG"}));
    // Player -> Keyboard, passing notes through -> Analyzer.
    auto* analyzer = Create<AnalyzerClient>(ComponentKind::Analyzer);
    keyboard->PassThrough = 1;
    keyboard->SoundOn = 0;
    Connect(player, 0, keyboard, 0);
    Connect(keyboard, 0, analyzer, 0);
    capture->ClearMessages();

    PlayThrough(player);

    EXPECT_EQ(History(analyzer), (std::vector<std::vector<NOTES>>{{63, 67, 70}, {60, 63, 67}, {56, 60, 63}, {58, 62, 65}}));
    EXPECT_EQ(Notes(), (std::vector<NOTES>{58, 62, 65}));
    // The song sounded on its own channels: the chords on 1, the drums on 10,
    // and nothing is left sounding at the end.
    bool balanced = false;
    const auto on = NoteOns(&balanced);
    EXPECT_TRUE(balanced);
    ASSERT_FALSE(on.empty());
    EXPECT_EQ(std::count_if(on.begin(), on.end(), [](auto n) { return n.first == 0; }), 12);
    EXPECT_EQ(std::count_if(on.begin(), on.end(), [](auto n) { return n.first == 9; }), 8);
    EXPECT_TRUE(errors.Empty());
}

TEST_F(PlayerTest, SoundsTheSongsInstrumentsAndDynamicsAndEachChordOnce)
{
    songPath = scratch.Write("instruments.mid", WithInstruments());
    PlayerClient* player = NewPlayer();
    ASSERT_TRUE(player && player->HasSong());
    // A Keyboard after it with its sound on shows the chords as they come,
    // without sounding them a second time over the song.
    Connect(player, 0, keyboard, 0);
    ASSERT_TRUE(keyboard->SoundOn);
    MidiDev::lastmidi->velocity = 127;  // full volume: the velocities as written
    capture->ClearMessages();
    PlayThrough(player);
    EXPECT_EQ(Sent(), (std::vector<std::string>{"P0:24", "P1:0",  // each melodic channel's instrument first
                                                "N9:42:80", "N0:60:100", "N0:64:100", "N0:67:100",  //
                                                "N0:57:60", "N0:60:60", "N0:64:60",                 //
                                                "P0:48", "N0:53:100", "N0:57:100", "N0:60:100",     //
                                                "N0:55:30", "N0:59:30", "N0:62:30", "N1:74:127"}));
    EXPECT_EQ(Notes(), (std::vector<NOTES>{58, 62, 65, 77}));  // the melody is analysed too

    // Standing still, a chord chosen in the chart is sounded by the Keyboard,
    // since the Player sounds nothing then.
    MidiDev::lastmidi->velocity = 64;
    capture->ClearMessages();
    player->JumpToSpan(3);
    const auto chosen = Sent();
    EXPECT_EQ(std::count_if(chosen.begin(), chosen.end(), [](const std::string& s) { return s[0] == 'N'; }), 4);

    // Playing on from there, at half volume: the instruments in force there
    // go out before the notes, in the order the song chose them.
    capture->ClearMessages();
    PlayThrough(player);
    EXPECT_EQ(Sent(), (std::vector<std::string>{"P1:0", "P0:48", "N0:55:15", "N0:59:15", "N0:62:15", "N1:74:64"}));

    // The Player silenced, the Keyboard sounds every chord as it comes.
    player->SetSound(0);
    capture->ClearMessages();
    PlayThrough(player);
    const auto silenced = Sent();
    EXPECT_EQ(std::count(silenced.begin(), silenced.end(), "P0:0"), 4);
    std::vector<std::string> on;
    std::copy_if(silenced.begin(), silenced.end(), std::back_inserter(on),
                 [](const std::string& s) { return s[0] == 'N'; });
    EXPECT_EQ(on.size(), 13u);  // three notes a chord, the melody with the last
    EXPECT_TRUE(std::all_of(on.begin(), on.end(), [](const std::string& s) { return s.ends_with(":64"); }));
    EXPECT_TRUE(errors.Empty());
}

TEST_F(PlayerTest, TransportAndSwitches)
{
    songPath = scratch.Write("melody.mid", OneSixFourFive(true));
    PlayerClient* player = NewPlayer();
    ASSERT_NE(player, nullptr);
    Connect(player, 0, keyboard, 0);
    keyboard->SoundOn = 0;
    auto* channels = player->findChild<QTableWidget*>("channels");
    auto* position = player->findChild<QLabel*>("position");
    ASSERT_EQ(channels->rowCount(), 3);  // channels 1, 2 and 10
    // The melody on channel 2 is analysed at first and changes the chords;
    // switched off, the chart reads the progression alone.
    EXPECT_NE(ChartLines(player)[0], "1:1\tC");
    channels->item(1, 2)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(player->Analysed() & 0x3, 0x1);
    EXPECT_EQ(ChartLines(player), (std::vector<std::string>{"1:1\tC", "1:2\tAm", "1:3\tF", "1:4\tG"}));

    // A click on a line, standing still: the position moves there and its
    // chord goes out at once.
    auto* chart = player->findChild<ChordChart*>("chart");
    QTest::mouseClick(chart->viewport(), Qt::LeftButton, {}, chart->visualItemRect(chart->item(2)).center());
    EXPECT_DOUBLE_EQ(player->Transport().Position(), 1.0);
    EXPECT_TRUE(position->text().startsWith("Bar 1, beat 3"));
    EXPECT_EQ(Notes(), (std::vector<NOTES>{56, 60, 63}));
    EXPECT_EQ(chart->currentRow(), 2);

    // Rewind, play a while, pause: the position stands, nothing sounds on.
    QTest::mouseClick(player->findChild<QToolButton*>("rewind"), Qt::LeftButton);
    EXPECT_EQ(player->Transport().Position(), 0.0);
    capture->ClearMessages();
    QTest::mouseClick(player->findChild<QToolButton*>("play"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(player->Transport().Position() > 0.6, 3000);
    QTest::mouseClick(player->findChild<QToolButton*>("pause"), Qt::LeftButton);
    const double paused = player->Transport().Position();
    EXPECT_FALSE(player->Transport().Playing());
    QTest::qWait(50);
    EXPECT_EQ(player->Transport().Position(), paused);
    bool balanced = false;
    EXPECT_FALSE(NoteOns(&balanced).empty());
    EXPECT_TRUE(balanced);

    // Stop goes back to the start; the Hear switch of channel 1 off leaves
    // the progression silent while its chords still go out.
    QTest::mouseClick(player->findChild<QToolButton*>("stop"), Qt::LeftButton);
    EXPECT_EQ(player->Transport().Position(), 0.0);
    channels->item(0, 1)->setCheckState(Qt::Unchecked);
    capture->ClearMessages();
    PlayThrough(player);
    const auto on = NoteOns(&balanced);
    EXPECT_TRUE(balanced);
    EXPECT_TRUE(std::none_of(on.begin(), on.end(), [](auto n) { return n.first == 0; }));
    EXPECT_TRUE(std::any_of(on.begin(), on.end(), [](auto n) { return n.first == 1; }));
    EXPECT_EQ(Notes(), (std::vector<NOTES>{58, 62, 65}));
}

TEST_F(PlayerTest, TheStudioFileKeepsTheSongItsPlaceAndSwitches)
{
    // A path longer than one line's record holds.
    const std::string folder = scratch.Path() + "/" + std::string(120, 's') + "/" + std::string(120, 'o');
    std::filesystem::create_directories(folder);
    songPath = folder + "/ng \xC3\xA9t\xC3\xA9.mid";
    scratch.Write(songPath.substr(scratch.Path().size() + 1), OneSixFourFive(true));
    PlayerClient* player = NewPlayer();
    ASSERT_TRUE(player && player->HasSong());
    player->JumpToSpan(3);
    player->SetTempoPercent(150);
    player->SetHeard(0xFFFF & ~(1u << 9));
    player->SetAnalysed(0x1);
    Connect(player, 0, keyboard, 0);
    const std::string studioPath = scratch.File("song.cts");
    ASSERT_TRUE(studio->SaveStudio(studioPath.c_str()));

    auto reloaded = [&]() -> PlayerClient* {
        if (!studio->LoadStudio(studioPath.c_str(), true, false)) return nullptr;
        for (mmMDIChild* frame : studio->Frames())
            if (auto* p = dynamic_cast<PlayerClient*>(frame->Client())) return p;
        return nullptr;
    };
    player = reloaded();
    ASSERT_NE(player, nullptr);
    EXPECT_TRUE(player->HasSong());
    EXPECT_EQ(player->SongPath().toStdString(), songPath);
    EXPECT_DOUBLE_EQ(player->Transport().Position(), 1.5);
    EXPECT_EQ(player->Transport().TempoPercent(), 150);
    EXPECT_EQ(player->Transport().Heard(), 0xFFFF & ~(1u << 9));
    EXPECT_EQ(player->Analysed(), 0x1);
    EXPECT_EQ(player->findChild<ChordChart*>("chart")->currentRow(), 3);
    EXPECT_EQ(player->Links[0].To, dynamic_cast<ComponentNode*>(studio->Frames().first()->Client()));
    EXPECT_FALSE(StudioModified());
    EXPECT_TRUE(errors.Empty());

    // The song moved away: the studio still opens, the Player says so and
    // stays with its links and its song's name, which a save keeps.
    std::filesystem::rename(songPath, songPath + ".moved");
    player = reloaded();
    ASSERT_NE(player, nullptr);
    EXPECT_EQ(errors.Numbers(), std::vector<int>{PlayerClient::SongMissingMessage});
    EXPECT_NE(errors.reports.at(0).text.find(songPath), std::string::npos);
    EXPECT_FALSE(player->HasSong());
    EXPECT_TRUE(player->findChild<QLabel*>("file")->text().endsWith("(not found)"));
    EXPECT_NE(player->Links[0].To, nullptr);
    ASSERT_TRUE(studio->SaveStudio(studioPath.c_str()));
    std::filesystem::rename(songPath + ".moved", songPath);
    errors.Clear();
    player = reloaded();
    ASSERT_NE(player, nullptr);
    EXPECT_TRUE(player->HasSong());
    EXPECT_EQ(player->Analysed(), 0x1);
    EXPECT_TRUE(errors.Empty());
}

TEST_F(PlayerTest, ABrokenFileIsReportedAndLeavesThePlayerAsItWas)
{
    PlayerClient* player = NewPlayer();
    ASSERT_TRUE(player && player->HasSong());
    songPath = scratch.Write("broken.mid", OneSixFourFive().substr(0, 40));
    EXPECT_FALSE(player->AskForSong());
    ASSERT_EQ(errors.Numbers().size(), 1u);
    EXPECT_GE(errors.Numbers()[0], 475);
    EXPECT_LE(errors.Numbers()[0], 484);
    EXPECT_TRUE(player->HasSong());
    EXPECT_EQ(ChartLines(player).size(), 4u);
}

TEST_F(PlayerTest, PlaysThePedalVolumeAndBendsAsWrittenAndTakesThemUpAfterAJump)
{
    songPath = scratch.Write("pedalled.mid", Pedalled());
    PlayerClient* player = NewPlayer();
    ASSERT_TRUE(player && player->HasSong());
    MidiDev::lastmidi->velocity = 30;  // the volume setting scales notes, not controllers
    capture->ClearMessages();
    PlayThrough(player);
    EXPECT_EQ(Played(), (std::vector<std::string>{"C0:7=100", "C0:64=127", "P0:0", "P1:0", "N0:60", "N0:64", "N0:67",
                                                  "C0:64=0", "C0:7=50", "B1:10240", "N0:65", "N0:69", "N0:72",
                                                  "C0:64=127", "N0:67", "N0:71", "N0:74", "N1:84",  //
                                                  "C0:64=0", "B1:8192", "C0:7=100", "C0:64=0"}));

    // Played on from the long G, the channels first take up what the song
    // last set them to, in the order it set them.
    player->JumpToSpan(2);
    capture->ClearMessages();
    PlayThrough(player);
    EXPECT_EQ(Played(), (std::vector<std::string>{"P0:0", "P1:0", "C0:7=50", "B1:10240", "C0:64=127",  //
                                                  "N0:67", "N0:71", "N0:74", "N1:84", "C0:64=0", "B1:8192",  //
                                                  "C0:7=100", "C0:64=0"}));
    EXPECT_TRUE(errors.Empty());
}

TEST_F(PlayerTest, NothingHeldDownOutlivesAHearSwitchAJumpOrStop)
{
    songPath = scratch.Write("pedalled.mid", Pedalled());
    PlayerClient* player = NewPlayer();
    ASSERT_TRUE(player && player->HasSong());
    auto* channels = player->findChild<QTableWidget*>("channels");
    auto playInto = [&](double seconds) {
        capture->ClearMessages();
        player->Play();
        // The long G: pedal down, melody bent, for four seconds.
        QTRY_VERIFY_WITH_TIMEOUT(player->Transport().Position() > seconds, 5000);
        ASSERT_EQ(Hanging(), (std::set<std::string>{"P0", "B1"}));
    };
    playInto(1.1);
    // The piano's Hear switch off lifts its pedal and puts its volume back;
    // on again, it takes up its volume and pedal as the song has them.
    channels->item(0, 1)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(Hanging(), std::set<std::string>{"B1"});
    const auto silenced = Played();
    EXPECT_EQ(std::vector<std::string>(silenced.end() - 2, silenced.end()),
              (std::vector<std::string>{"C0:7=100", "C0:64=0"}));
    capture->ClearMessages();
    channels->item(0, 1)->setCheckState(Qt::Checked);
    EXPECT_EQ(Played(), (std::vector<std::string>{"C0:7=50", "C0:64=127"}));
    // A jump puts everything back, then takes up what the song had set by
    // there: the volume it lowered later is not kept.
    capture->ClearMessages();
    player->JumpToSpan(1);
    const auto jumped = Played();
    ASSERT_GE(jumped.size(), 7u);
    EXPECT_EQ(std::vector<std::string>(jumped.begin(), jumped.begin() + 7),
              (std::vector<std::string>{"C0:7=100", "C0:64=0", "B1:8192", "C0:7=100", "C0:64=127", "P0:0", "P1:0"}));

    for (auto stop : {&PlayerClient::Pause, &PlayerClient::Stop}) {
        player->Rewind();
        playInto(1.1);
        (player->*stop)();
        EXPECT_TRUE(Hanging().empty());
    }
    EXPECT_TRUE(errors.Empty());
}

TEST_F(PlayerTest, LeavesTheChannelsAsItFoundThemWhenItStopsPlaying)
{
    const std::string other = scratch.Write("other.mid", OneSixFourFive());
    const std::string faded = scratch.Write("faded.mid", Faded());
    auto closeWindow = [](PlayerClient* player) {
        player->Frame()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    const struct {
        const char* how;
        std::function<void(PlayerClient*)> leave;  // null: plays to the end
        bool closes = false;
        bool playsOn = false;  // elsewhere, after putting back the output it leaves
    } cases[] = {
        {"pause", [](PlayerClient* p) { p->Pause(); }},
        {"stop", [](PlayerClient* p) { p->Stop(); }},
        {"end of the song", nullptr},
        {"window closed", closeWindow, true},
        {"another song", [&](PlayerClient* p) { songPath = other; EXPECT_TRUE(p->AskForSong()); }},
        {"output changed", [](PlayerClient* p) { p->findChild<QComboBox*>("output")->setCurrentIndex(1); }, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        songPath = faded;
        PlayerClient* player = NewPlayer();
        ASSERT_TRUE(player && player->HasSong());
        capture->ClearMessages();
        if (!c.leave) {
            PlayThrough(player);
        } else {
            player->Play();
            QTRY_VERIFY_WITH_TIMEOUT(player->Transport().Position() > 1.1, 5000);
            capture->ClearMessages();
            c.leave(player);
        }
        const auto played = Played();
        ASSERT_GE(played.size(), FadedPutBack.size());
        if (c.leave) {
            EXPECT_EQ(std::vector<std::string>(played.begin(), played.begin() + FadedPutBack.size()), FadedPutBack);
            EXPECT_EQ(played.size() == FadedPutBack.size(), !c.playsOn);
        } else {
            EXPECT_EQ(std::vector<std::string>(played.end() - FadedPutBack.size(), played.end()), FadedPutBack);
        }
        bool balanced = false;
        NoteOns(&balanced);
        EXPECT_TRUE(balanced);
        if (!c.closes) closeWindow(player);
    }

    // Played on after a pause, the song takes up its settings again.
    songPath = faded;
    PlayerClient* player = NewPlayer();
    player->Play();
    QTRY_VERIFY_WITH_TIMEOUT(player->Transport().Position() > 1.1, 5000);
    player->Pause();
    capture->ClearMessages();
    player->Play();
    const auto resumed = Played();
    ASSERT_GE(resumed.size(), 10u);
    EXPECT_EQ(std::vector<std::string>(resumed.begin(), resumed.begin() + 10),
              (std::vector<std::string>{"C0:10=30", "C0:11=90", "C0:1=40", "C0:64=127", "C1:91=100", "C1:7=60",
                                        "P0:0", "P1:0", "B1:10240", "C0:7=80"}));
    player->Stop();
    EXPECT_TRUE(errors.Empty());
}

TEST_F(PlayerTest, TheSoundSwitchPutsTheChannelsBackAndTakesThemUpAtOnce)
{
    songPath = scratch.Write("faded.mid", Faded());
    PlayerClient* player = NewPlayer();
    ASSERT_TRUE(player && player->HasSong());
    player->Play();
    QTRY_VERIFY_WITH_TIMEOUT(player->Transport().Position() > 1.1, 5000);
    capture->ClearMessages();
    player->SetSound(0);
    bool balanced = false;
    NoteOns(&balanced);
    EXPECT_TRUE(balanced);  // the song falls silent at once
    EXPECT_EQ(Played(), FadedPutBack);

    capture->ClearMessages();
    player->SetSound(1);
    EXPECT_EQ(Played(), (std::vector<std::string>{"C0:10=30", "C0:11=90", "C0:1=40", "C0:64=127", "C1:91=100",
                                                  "C1:7=60", "B1:10240", "C0:7=80"}));
    player->Stop();
    EXPECT_TRUE(errors.Empty());
}

#pragma once
// The Player: plays a song from a MIDI file through the chosen output and
// puts out each of its chords as it begins, so that the components wired
// after it show and name the song as it sounds. Its window shows the file,
// the position in bars and beats, the transport buttons, the tempo, the
// channels with their switches and the chord chart, which follows the
// playing and jumps where it is clicked.

#include <QString>

#include <functional>
#include <vector>

#include "app/components/player/player_record.h"
#include "app/components/player/song_transport.h"
#include "app/studio/mm_mdi_child_client.h"
#include "core/songs/midi_song.h"
#include "core/songs/song_chords.h"

class ChannelSwitches;
class MidiDev;
class ChordChart;
class QComboBox;
class QLabel;
class QSpinBox;
class QToolButton;

class PlayerClient : public mmMDIChildClient {
    Q_OBJECT
public:
    static constexpr int SongMissingMessage = 485;

    PlayerClient();
    ~PlayerClient() override;

    // Asks the user for a song file (empty when cancelled); tests replace it.
    static std::function<QString(QWidget* parent)>& ChooseSongFile();

    // Reads the song at path and shows it from its start. False after a
    // message; a missing file keeps its path, so the studio still names it.
    bool OpenSong(const QString& path);
    // Open: asks for a file and opens it.
    bool AskForSong();
    const QString& SongPath() const { return path_; }
    bool HasSong() const { return song_.has_value(); }
    const std::vector<ChordSpan>& Spans() const { return spans_; }
    const SongTransport& Transport() const { return transport_; }

    void Play();
    void Pause();
    void Stop();
    void Rewind();
    // Goes to the start of span `index` and puts its chord out.
    void JumpToSpan(int index);
    void SetTempoPercent(int percent);
    void SetHeard(std::uint16_t channels);
    void SetAnalysed(std::uint16_t channels);
    std::uint16_t Analysed() const { return analysed_; }

    // Makes the frame large enough to show the whole window, when it is not.
    void GrowToFit();

    // "Bar 3, beat 2" of the position now.
    QString PositionText() const;

    int SaveExtra(char* buf, int size, int index) override;
    int LoadExtra(const char* text, int length, int index) override;
    void SaveSettings(char*& out, int& remaining) override;
    void LoadSettings(char*& in, int& remaining) override;
    void CreatedByUser() override;
    bool PlayOrPause() override;
    void SoundChanged() override;
    // Space plays and pauses.
    void KeyDown(int key, int repeat, int flags) override;
    void KeyUp(int key, int repeat, int flags) override;

private:
    void ReadChords();
    void ChordBegins(int span);
    void SendNote(int channel, int key, int velocity);
    void SendProgram(int channel, int program);
    void SendControl(int channel, int controller, int value);
    void SendBend(int channel, int value);
    MidiDev* Output() const;
    void ShowPosition();
    void ShowSong();
    void ChooseOutput(int index);

    QString path_;
    std::optional<MidiSong> song_;
    std::vector<ChordSpan> spans_;
    std::uint16_t analysed_ = ChordReadingOptions().channels;
    SongTransport transport_;
    QTimer positionTimer_;
    // While a studio loads: where to stand once the song is read.
    double loadedPosition_ = 0;
    PathPieces loadedPath_;

    QLabel* fileLabel_;
    QComboBox* output_;
    QLabel* positionLabel_;
    QToolButton* playButton_;
    QToolButton* pauseButton_;
    QSpinBox* tempo_;
    ChannelSwitches* channels_;
    ChordChart* chart_;
};

#include "app/components/player/player_client.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QSplitter>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

#include "app/components/player/channel_switches.h"
#include "app/components/player/chord_chart.h"
#include "app/studio/mm_mdi_child.h"
#include "core/midi/midi_dev.h"
#include "core/services/error.h"
#include "core/services/file_names.h"
#include "app/components/shared/quiet_hex_record.h"
#include "core/studio/arrival_sound.h"
#include "core/studio/component_types.h"
#include "core/studio/note_flow.h"
#include "core/studio/studio_modified.h"

namespace {
// The position shown moves this often while playing; the chords and notes
// keep their own, exact times.
constexpr int PositionRefreshMs = 50;

QToolButton* TransportButton(QWidget* parent, const char* name, const QString& text, QStyle::StandardPixmap picture)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(text);
    button->setToolTip(text);
    button->setIcon(parent->style()->standardIcon(picture));
    button->setAutoRaise(true);
    return button;
}

std::uint16_t ChannelsUsed(const MidiSong& song)
{
    std::uint16_t used = 0;
    for (const SongNote& n : song.notes) used |= static_cast<std::uint16_t>(1u << n.channel);
    return used;
}
}  // namespace

std::function<QString(QWidget*)>& PlayerClient::ChooseSongFile()
{
    static std::function<QString(QWidget*)> choose = [](QWidget* parent) {
        // The example songs that come with the program, the first time.
        static QString folder = QString::fromUtf8(GetLibraryDirectory()) + QStringLiteral("/songs");
        const QString path =
            QFileDialog::getOpenFileName(parent, QStringLiteral("Open MIDI File"), folder,
                                         QStringLiteral("MIDI File (*.mid *.midi *.smf *.kar);;All Files (*)"));
        if (!path.isEmpty()) folder = QFileInfo(path).absolutePath();
        return path;
    };
    return choose;
}

PlayerClient::PlayerClient() : mmMDIChildClient(ComponentType::Player)
{
    InputCount = 0;
    OutputCount = 1;
    MinTrackWidth = 320;
    MinTrackHeight = 200;

    fileLabel_ = new QLabel(QStringLiteral("No song"), this);
    fileLabel_->setObjectName(QStringLiteral("file"));
    fileLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* open = new QToolButton(this);
    open->setObjectName(QStringLiteral("open"));
    open->setText(QStringLiteral("&Open..."));
    open->setToolTip(QStringLiteral("Open a MIDI file"));
    output_ = new QComboBox(this);
    output_->setObjectName(QStringLiteral("output"));
    output_->setToolTip(QStringLiteral("Where the song sounds"));
    TComboBoxData devices;
    MidiDev::FillMidiDevList(devices, 0, true);
    for (const std::string& name : devices.strings) output_->addItem(QString::fromStdString(name));
    output_->setCurrentIndex(Chord.midiOutput);

    auto* rewind = TransportButton(this, "rewind", QStringLiteral("Rewind"), QStyle::SP_MediaSkipBackward);
    playButton_ = TransportButton(this, "play", QStringLiteral("Play"), QStyle::SP_MediaPlay);
    pauseButton_ = TransportButton(this, "pause", QStringLiteral("Pause"), QStyle::SP_MediaPause);
    auto* stop = TransportButton(this, "stop", QStringLiteral("Stop"), QStyle::SP_MediaStop);
    positionLabel_ = new QLabel(this);
    positionLabel_->setObjectName(QStringLiteral("position"));
    tempo_ = new QSpinBox(this);
    tempo_->setObjectName(QStringLiteral("tempo"));
    tempo_->setRange(SongTransport::MinTempoPercent, SongTransport::MaxTempoPercent);
    tempo_->setSuffix(QStringLiteral("%"));
    tempo_->setValue(100);
    tempo_->setToolTip(QStringLiteral("Tempo, as a percentage of the song's own"));
    auto* tempoLabel = new QLabel(QStringLiteral("&Tempo:"), this);
    tempoLabel->setBuddy(tempo_);

    channels_ = new ChannelSwitches(this);
    chart_ = new ChordChart(this);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(fileLabel_, 1);
    fileRow->addWidget(output_);
    fileRow->addWidget(open);
    auto* transportRow = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(rewind), static_cast<QWidget*>(playButton_),
                       static_cast<QWidget*>(pauseButton_), static_cast<QWidget*>(stop)})
        transportRow->addWidget(w);
    transportRow->addWidget(positionLabel_, 1);
    transportRow->addWidget(tempoLabel);
    transportRow->addWidget(tempo_);
    auto* lists = new QSplitter(Qt::Horizontal, this);
    lists->addWidget(channels_);
    lists->addWidget(chart_);
    lists->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(fileRow);
    layout->addLayout(transportRow);
    layout->addWidget(lists, 1);

    connect(open, &QToolButton::clicked, this, [this] { AskForSong(); });
    connect(rewind, &QToolButton::clicked, this, &PlayerClient::Rewind);
    connect(playButton_, &QToolButton::clicked, this, &PlayerClient::Play);
    connect(pauseButton_, &QToolButton::clicked, this, &PlayerClient::Pause);
    connect(stop, &QToolButton::clicked, this, &PlayerClient::Stop);
    connect(tempo_, &QSpinBox::valueChanged, this, &PlayerClient::SetTempoPercent);
    connect(output_, &QComboBox::currentIndexChanged, this, &PlayerClient::ChooseOutput);
    connect(channels_, &ChannelSwitches::HeardChanged, this, &PlayerClient::SetHeard);
    connect(channels_, &ChannelSwitches::AnalysedChanged, this, &PlayerClient::SetAnalysed);
    connect(chart_, &ChordChart::SpanChosen, this, &PlayerClient::JumpToSpan);

    transport_.SendNote = [this](int channel, int key, int velocity) { SendNote(channel, key, velocity); };
    transport_.SendProgram = [this](int channel, int program) { SendProgram(channel, program); };
    transport_.SendControl = [this](int channel, int controller, int value) { SendControl(channel, controller, value); };
    transport_.SendBend = [this](int channel, int value) { SendBend(channel, value); };
    transport_.ChordBegins = [this](int span) { ChordBegins(span); };
    transport_.Finished = [this] {
        positionTimer_.stop();
        ShowPosition();
    };
    positionTimer_.setInterval(PositionRefreshMs);
    connect(&positionTimer_, &QTimer::timeout, this, &PlayerClient::ShowPosition);
    ShowSong();
}

PlayerClient::~PlayerClient()
{
    // The notes sounding end before the output can go.
    transport_.Pause();
}

bool PlayerClient::AskForSong()
{
    const QString path = ChooseSongFile()(this);
    if (path.isEmpty()) return false;
    return OpenSong(path);
}

bool PlayerClient::OpenSong(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        path_ = path;
        Error(SongMissingMessage, path.toUtf8().constData());
        ShowSong();
        return false;
    }
    MidiFileReading reading = ReadMidiSongFile(path.toStdString());
    if (!reading.song) {
        if (reading.problem) ReportMidiFileProblem(*reading.problem);
        return false;
    }
    transport_.Stop();
    path_ = path;
    song_ = std::move(reading.song);
    ReadChords();
    channels_->Show(ChannelsUsed(*song_), transport_.Heard(), analysed_);
    ShowSong();
    MarkStudioModified();
    return true;
}

void PlayerClient::ReadChords()
{
    spans_.clear();
    if (song_) {
        ChordReadingOptions options;
        options.channels = analysed_;
        spans_ = ReadSongChords(*song_, options);
    }
    transport_.SetTimeline(song_ ? BuildTimeline(*song_, spans_) : std::vector<TimelineEvent>(),
                           song_ ? song_->lengthSeconds : 0.0);
    chart_->SetSpans(spans_);
    chart_->Follow(SpanAt(spans_, transport_.Position()));
}

void PlayerClient::ShowSong()
{
    if (path_.isEmpty()) {
        fileLabel_->setText(QStringLiteral("No song: Open a MIDI file"));
        fileLabel_->setToolTip(QString());
    } else {
        const QString name = QFileInfo(path_).fileName();
        fileLabel_->setText(song_ ? name : QStringLiteral("%1 (not found)").arg(name));
        fileLabel_->setToolTip(path_);
    }
    if (!song_) {
        channels_->Show(0, transport_.Heard(), analysed_);
        chart_->SetSpans({});
    }
    ShowPosition();
}

void PlayerClient::ShowPosition()
{
    positionLabel_->setText(PositionText());
    playButton_->setEnabled(song_.has_value() && !transport_.Playing());
    pauseButton_->setEnabled(transport_.Playing());
    chart_->Follow(SpanAt(spans_, transport_.Position()));
}

QString PlayerClient::PositionText() const
{
    if (!song_) return QString();
    const double seconds = transport_.Position();
    const BarBeat at = song_->BarBeatAt(song_->TickAt(seconds));
    const int whole = static_cast<int>(seconds);
    return QStringLiteral("Bar %1, beat %2  (%3:%4)")
        .arg(at.bar)
        .arg(at.beat)
        .arg(whole / 60)
        .arg(whole % 60, 2, 10, QLatin1Char('0'));
}

void PlayerClient::Play()
{
    if (!song_ || transport_.Playing()) return;
    transport_.Play();
    if (transport_.Playing()) positionTimer_.start();
    ShowPosition();
}

void PlayerClient::Pause()
{
    transport_.Pause();
    positionTimer_.stop();
    ShowPosition();
}

void PlayerClient::Stop()
{
    transport_.Stop();
    positionTimer_.stop();
    ShowPosition();
}

void PlayerClient::Rewind()
{
    transport_.Rewind();
    ShowPosition();
}

void PlayerClient::JumpToSpan(int index)
{
    if (index < 0 || index >= static_cast<int>(spans_.size())) return;
    const bool playing = transport_.Playing();
    // Playing, the span's own event puts its chord out; standing still, the
    // jump does, so the components after show where the song stands.
    transport_.JumpTo(spans_[index].startSeconds);
    if (!playing) ChordBegins(index);
    ShowPosition();
}

void PlayerClient::SetTempoPercent(int percent)
{
    if (percent == transport_.TempoPercent()) return;
    transport_.SetTempoPercent(percent);
    if (tempo_->value() != transport_.TempoPercent()) tempo_->setValue(transport_.TempoPercent());
    MarkStudioModified();
}

void PlayerClient::SetHeard(std::uint16_t channels)
{
    if (channels == transport_.Heard()) return;
    transport_.SetHeard(channels);
    if (song_ && channels_->Heard() != channels) channels_->Show(ChannelsUsed(*song_), channels, analysed_);
    MarkStudioModified();
}

void PlayerClient::SetAnalysed(std::uint16_t channels)
{
    if (channels == analysed_) return;
    analysed_ = channels;
    if (song_ && channels_->Analysed() != channels) channels_->Show(ChannelsUsed(*song_), transport_.Heard(), channels);
    ReadChords();
    MarkStudioModified();
}

void PlayerClient::ChooseOutput(int index)
{
    if (index < 0 || index == Chord.midiOutput) return;
    // What sounds on the old output ends there.
    const std::uint16_t heard = transport_.Heard();
    transport_.SetHeard(0);
    Chord.midiOutput = static_cast<std::int16_t>(index);
    if (transport_.Playing()) transport_.SendChannelSettings();
    transport_.SetHeard(heard);
    MarkStudioModified();
}

MidiDev* PlayerClient::Output() const { return MidiDev::MidiOut(Chord.midiOutput - 2); }

void PlayerClient::SendNote(int channel, int key, int velocity)
{
    MidiDev* device = Output();
    if (!device) return;
    if (velocity > 0)
        device->NoteWithVelocity(channel, key + 3, velocity);
    else
        device->Note(channel, key + 3, 0);
}

void PlayerClient::SendProgram(int channel, int program)
{
    if (MidiDev* device = Output()) device->SetInstrument(channel, program);
}

void PlayerClient::SendControl(int channel, int controller, int value)
{
    if (MidiDev* device = Output()) device->ControlChange(channel, controller, value);
}

void PlayerClient::SendBend(int channel, int value)
{
    if (MidiDev* device = Output()) device->PitchBend(channel, value);
}

void PlayerClient::ChordBegins(int span)
{
    if (span < 0 || span >= static_cast<int>(spans_.size())) return;
    Chord.Clear();
    for (NOTES n : spans_[span].notes) Chord.AddNote(n);
    chart_->Follow(span);
    ShowChordNamesWhenActive();
    // The song already sounds its chords: the components after show and name
    // them without sounding them again. Silenced, or standing still, the
    // Player leaves the sounding to them.
    std::optional<SoundedAtSource> sounded;
    if (transport_.Playing() && SoundOn) sounded.emplace();
    PutOut(this);
}

void PlayerClient::CreatedByUser()
{
    GrowToFit();
    AskForSong();
}

void PlayerClient::GrowToFit()
{
    mmMDIChild* frame = Frame();
    if (!frame || frame->isMaximized() || frame->isMinimized()) return;
    const QSize room = frame->size() - size();  // the frame's border, title and tool bar
    frame->resize(frame->size().expandedTo(sizeHint().expandedTo(QSize(560, 360)) + room));
}

void PlayerClient::KeyDown(int key, int repeat, int flags)
{
    if (key != Qt::Key_Space)
        mmMDIChildClient::KeyDown(key, repeat, flags);
    else if (flags == 0)  // a held key does not toggle again
        PlayOrPause();
}

void PlayerClient::KeyUp(int key, int repeat, int flags)
{
    if (key != Qt::Key_Space) mmMDIChildClient::KeyUp(key, repeat, flags);
}

// Silenced, the song's notes, controllers and wheels stay off the output,
// which is put back as the song found it; heard again, it takes them up.
void PlayerClient::SoundChanged() { transport_.SetSounding(SoundOn != 0); }

bool PlayerClient::PlayOrPause()
{
    if (transport_.Playing())
        Pause();
    else
        Play();
    return true;
}

int PlayerClient::SaveExtra(char* buf, int size, int index)
{
    const QByteArray path = path_.toUtf8();
    return WritePathPiece(std::string(path.constData(), path.size()), index, buf, size);
}

int PlayerClient::LoadExtra(const char* text, int length, int index)
{
    if (!ReadPathPiece(text, length, index, loadedPath_)) return 0;
    if (!loadedPath_.Whole()) return 1;
    const QString path = QString::fromUtf8(loadedPath_.path.data(), static_cast<qsizetype>(loadedPath_.path.size()));
    const bool modified = StudioModified();
    if (OpenSong(path)) {
        transport_.JumpTo(loadedPosition_);
        ShowPosition();
    }
    // Reading the studio's own song is no change to the studio.
    if (!modified) ClearStudioModified();
    return 1;
}

void PlayerClient::SaveSettings(char*& out, int& remaining)
{
    mmMDIChildClient::SaveSettings(out, remaining);
    PlayerRecord record;
    record.positionMilliseconds = static_cast<std::int32_t>(std::lround(transport_.Position() * 1000.0));
    record.heard = transport_.Heard();
    record.analysed = analysed_;
    record.tempoPercent = static_cast<std::uint16_t>(transport_.TempoPercent());
    record.output = static_cast<std::int16_t>(Chord.midiOutput);
    std::uint8_t bytes[PlayerRecord::Size];
    record.Encode(bytes);
    AppendRecord(bytes, PlayerRecord::Size, out, remaining);
}

void PlayerClient::LoadSettings(char*& in, int& remaining)
{
    mmMDIChildClient::LoadSettings(in, remaining);
    loadedPath_ = PathPieces();
    std::uint8_t bytes[PlayerRecord::Size];
    int used = 0;
    if (!ReadHexRecordQuietly(in, remaining, bytes, PlayerRecord::Size, used)) return;
    in += used;
    remaining -= used;
    PlayerRecord record;
    record.Decode(bytes);
    loadedPosition_ = std::max(0, record.positionMilliseconds) / 1000.0;
    // An output that is gone leaves the default.
    if (record.output > 0 && record.output < output_->count()) {
        const QSignalBlocker quiet(output_);
        output_->setCurrentIndex(record.output);
        Chord.midiOutput = record.output;
    }
    transport_.SetHeard(record.heard);
    analysed_ = record.analysed;
    tempo_->setValue(record.tempoPercent);
    transport_.SetTempoPercent(tempo_->value());
    ShowSong();
}

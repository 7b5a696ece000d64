#include "app/components/player/song_transport.h"

#include <algorithm>
#include <cmath>

#include "app/components/player/channel_defaults.h"
#include "app/components/player/channel_settings.h"

namespace {
// Waking within this of an event counts as reaching it: the timer works in
// whole milliseconds.
constexpr double Reach = 0.0005;
}  // namespace

SongTransport::SongTransport(QObject* parent) : QObject(parent)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &SongTransport::Dispatch);
}

SongTransport::~SongTransport() { SilenceChannels(0xFFFF); }

void SongTransport::SetTimeline(std::vector<TimelineEvent> events, double length)
{
    const double at = std::min(Position(), length);
    events_ = std::move(events);
    length_ = length;
    Anchor(at);
    next_ = FirstEventAt(events_, at);
    if (playing_) ArmTimer(at);
}

double SongTransport::Position() const
{
    if (!playing_) return anchorSeconds_;
    const double wall = std::chrono::duration<double>(Clock::now() - anchorTime_).count();
    return anchorSeconds_ + wall * tempoPercent_ / 100.0;
}

void SongTransport::Anchor(double seconds)
{
    anchorSeconds_ = seconds;
    anchorTime_ = Clock::now();
}

void SongTransport::Play()
{
    if (playing_) return;
    if (anchorSeconds_ >= length_) JumpTo(0);
    Anchor(anchorSeconds_);
    playing_ = true;
    SendChannelSettings();
    Dispatch();
}

void SongTransport::Pause()
{
    if (!playing_) return;
    Anchor(Position());
    playing_ = false;
    timer_.stop();
    SilenceChannels(0xFFFF);
}

void SongTransport::Stop()
{
    Pause();
    JumpTo(0);
}

void SongTransport::Rewind() { JumpTo(0); }

void SongTransport::JumpTo(double seconds)
{
    SilenceChannels(0xFFFF);
    const double at = std::clamp(seconds, 0.0, length_);
    Anchor(at);
    next_ = FirstEventAt(events_, at);
    if (!playing_) return;
    SendChannelSettings();
    Dispatch();
}

void SongTransport::SendChannelSettings(std::uint16_t instruments, std::uint16_t controls)
{
    if (!(instruments | controls)) return;
    ChannelSettings settings;
    for (std::size_t i = 0; i < next_; ++i) settings.Take(events_[i]);
    for (const TimelineEvent& e : settings.Messages(instruments, controls)) SendSetting(e);
}

void SongTransport::SendSetting(const TimelineEvent& e)
{
    const auto bit = static_cast<std::uint16_t>(1u << e.channel);
    switch (e.kind) {
    case TimelineEvent::Control:
        if (ChangesChannelSetting(e.controller)) changed_[e.channel].set(e.controller);
        if (SendControl) SendControl(e.channel, e.controller, e.value);
        return;
    case TimelineEvent::Bend:
        bent_ = e.value == PitchBend::Centre ? (bent_ & ~bit) : (bent_ | bit);
        if (SendBend) SendBend(e.channel, e.value);
        return;
    case TimelineEvent::ProgramChange:
        if (SendProgram) SendProgram(e.channel, e.program);
        return;
    default: return;
    }
}

void SongTransport::SetTempoPercent(int percent)
{
    const int clamped = std::clamp(percent, MinTempoPercent, MaxTempoPercent);
    if (clamped == tempoPercent_) return;
    Anchor(Position());
    tempoPercent_ = clamped;
    if (playing_) ArmTimer(anchorSeconds_);
}

void SongTransport::SetHeard(std::uint16_t channels)
{
    const std::uint16_t before = Audible();
    heard_ = channels;
    Hear(before);
}

void SongTransport::SetSounding(bool on)
{
    const std::uint16_t before = Audible();
    soundOn_ = on;
    Hear(before);
}

void SongTransport::Hear(std::uint16_t before)
{
    SilenceChannels(before & ~Audible());
    if (playing_) SendChannelSettings(0, Audible() & ~before);
}

void SongTransport::SilenceChannels(std::uint16_t channels)
{
    for (int channel = 0; channel < 16; ++channel) {
        if (!(channels & (1u << channel))) continue;
        for (int key = 0; key < 128; ++key) {
            std::uint8_t& count = sounding_[channel * 128 + key];
            if (count == 0) continue;
            count = 0;
            if (SendNote) SendNote(channel, key, 0);
        }
        // Nothing the song held down or turned may carry on into what sounds
        // next on the channel: a song that faded out would leave it silent.
        const auto bit = static_cast<std::uint16_t>(1u << channel);
        for (const TimelineEvent& e : ChannelDefaults(channel, changed_[channel], bent_ & bit)) {
            if (e.kind == TimelineEvent::Bend && SendBend) SendBend(e.channel, e.value);
            if (e.kind == TimelineEvent::Control && SendControl) SendControl(e.channel, e.controller, e.value);
        }
        changed_[channel].reset();
        bent_ &= ~bit;
    }
}

void SongTransport::Handle(const TimelineEvent& e, double now)
{
    std::uint8_t& count = sounding_[e.channel * 128 + e.key];
    switch (e.kind) {
    case TimelineEvent::NoteOn:
        if (!(Audible() & (1u << e.channel)) || count == 255) return;
        if ((now - e.seconds) * 100.0 / tempoPercent_ > LateNoteSeconds) return;
        ++count;
        if (SendNote) SendNote(e.channel, e.key, e.velocity);
        return;
    case TimelineEvent::NoteOff:
        if (count == 0 || --count > 0) return;
        if (SendNote) SendNote(e.channel, e.key, 0);
        return;
    case TimelineEvent::ProgramChange:
        // Late or not, heard or not: the notes after it need their instrument.
        SendSetting(e);
        return;
    case TimelineEvent::Control:
    case TimelineEvent::Bend:
        // Late or not, the notes after it need the channel as the song set it.
        if (Audible() & (1u << e.channel)) SendSetting(e);
        return;
    case TimelineEvent::ChordBegins:
        if (ChordBegins) ChordBegins(e.span);
        return;
    }
}

void SongTransport::Dispatch()
{
    if (!playing_) return;
    double now = Position();
    // A receiver may pause, jump or replace the timeline while handling an event.
    while (playing_ && next_ < events_.size() && events_[next_].seconds <= now + Reach) {
        const TimelineEvent e = events_[next_++];
        Handle(e, now);
    }
    if (!playing_) return;
    now = Position();
    if (next_ >= events_.size() && now >= length_) {
        Anchor(length_);
        playing_ = false;
        SilenceChannels(0xFFFF);
        if (Finished) Finished();
        return;
    }
    ArmTimer(now);
}

void SongTransport::ArmTimer(double now)
{
    const double due = next_ < events_.size() ? events_[next_].seconds : length_;
    const double wallSeconds = std::max(0.0, due - now) * 100.0 / tempoPercent_;
    timer_.start(std::chrono::milliseconds(static_cast<long long>(std::floor(wallSeconds * 1000.0))));
}

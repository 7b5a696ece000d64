#pragma once
// Plays a timeline against the steady clock. The song's position is measured
// from the moment playing began, never summed from timer ticks, so a late
// wake-up is made good at the next one instead of drifting: the timer only
// wakes the thread for the next event due. Notes held too long behind (after
// the thread was kept busy) are left out rather than sounded late in a heap;
// the chords that began meanwhile still go out, in order.

#include <QObject>
#include <QTimer>

#include <array>
#include <bitset>
#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

#include "app/components/player/song_timeline.h"

class SongTransport : public QObject {
    Q_OBJECT
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int MinTempoPercent = 25;
    static constexpr int MaxTempoPercent = 400;
    // How far behind (in the listener's time, whatever the tempo) a note may
    // start and still be sounded.
    static constexpr double LateNoteSeconds = 0.25;

    explicit SongTransport(QObject* parent = nullptr);
    ~SongTransport() override;

    // A new timeline of `length` seconds; the position stays where it is
    // (within the length) and the notes sounding go on.
    void SetTimeline(std::vector<TimelineEvent> events, double length);

    void Play();
    void Pause();
    // Silences the song and goes back to its start.
    void Stop();
    // Back to the start; playing goes on when it was playing.
    void Rewind();
    void JumpTo(double seconds);

    bool Playing() const { return playing_; }
    // The song's position in its own seconds.
    double Position() const;
    double Length() const { return length_; }

    void SetTempoPercent(int percent);
    int TempoPercent() const { return tempoPercent_; }

    // Channels heard (bit per channel); a channel switched off falls silent
    // at once and is put back as the song found it, and one switched on
    // while playing takes up its controllers where the song has them.
    void SetHeard(std::uint16_t channels);
    std::uint16_t Heard() const { return heard_; }
    // The whole song heard or silenced, as a Hear switch does for a channel.
    // Silenced, it still puts out the instruments and the chords.
    void SetSounding(bool on);
    bool Sounding() const { return soundOn_; }

    // Sends what the song has set its channels to by the position: every
    // channel's instrument, and the controllers and wheels of those heard.
    // Playing starts or goes on from there, or the output changed.
    void SendChannelSettings() { SendChannelSettings(0xFFFF, Audible()); }

    // Where events go; set by the owner. A note's velocity is the song's own,
    // 0 when it ends; a bend's value 0..16383, 8192 at rest.
    std::function<void(int channel, int key, int velocity)> SendNote;
    std::function<void(int channel, int program)> SendProgram;
    std::function<void(int channel, int controller, int value)> SendControl;
    std::function<void(int channel, int value)> SendBend;
    std::function<void(int span)> ChordBegins;
    // The song reached its end and stopped there.
    std::function<void()> Finished;

private:
    void Dispatch();
    void Handle(const TimelineEvent& e, double now);
    void ArmTimer(double now);
    void Anchor(double seconds);
    std::uint16_t Audible() const { return soundOn_ ? heard_ : 0; }
    // Silences the channels no longer audible since `before` and sets up
    // those that became so.
    void Hear(std::uint16_t before);
    // Ends the channels' notes and puts back what the song moved on them.
    void SilenceChannels(std::uint16_t channels);
    void SendChannelSettings(std::uint16_t instruments, std::uint16_t controls);
    // Sends a controller, wheel or instrument change, minding what it leaves held.
    void SendSetting(const TimelineEvent& e);

    std::vector<TimelineEvent> events_;
    std::size_t next_ = 0;
    double length_ = 0;
    bool playing_ = false;
    int tempoPercent_ = 100;
    std::uint16_t heard_ = 0xFFFF;
    bool soundOn_ = true;
    double anchorSeconds_ = 0;     // the song's position at anchorTime_
    Clock::time_point anchorTime_;  // when playing began or the tempo last changed
    QTimer timer_;
    // How many starts of each channel's key are sounding now: overlapping
    // notes of one pitch end with the last of them.
    std::array<std::uint8_t, 16 * 128> sounding_{};
    // What silencing a channel must put back: the controllers the song moved
    // on the output since, and its wheel when off the centre.
    std::array<std::bitset<128>, 16> changed_{};
    std::uint16_t bent_ = 0;
};

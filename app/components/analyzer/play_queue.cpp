#include "app/components/analyzer/play_queue.h"

#include <QCoreApplication>
#include <QPointer>

namespace {
QPointer<PlayQueue>& SharedQueue()
{
    static QPointer<PlayQueue> queue;
    return queue;
}
}  // namespace

PlayQueue& PlayQueue::Shared()
{
    QPointer<PlayQueue>& queue = SharedQueue();
    if (!queue) queue = new PlayQueue(QCoreApplication::instance());
    return *queue;
}

PlayQueue::PlayQueue(QObject* parent) : QObject(parent)
{
    timer_.setInterval(StepMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &PlayQueue::Step);
}

PlayQueue::~PlayQueue()
{
    if (playing_) playingChord_.SoundOff();
}

bool PlayQueue::Enqueue(const chord& c)
{
    if (count_ >= Capacity) return false;
    if (count_ == 0) timer_.start();
    queue_[count_++] = c;
    return true;
}

void PlayQueue::Step()
{
    if (count_ < 1) {
        playing_ = false;
        count_ = 0;
        timer_.stop();
        playingChord_.SoundOff();
        return;
    }
    if (playing_) playingChord_.SoundOff();
    playingChord_ = queue_[0];
    playingChord_.soundCount = 0;
    playingChord_.SoundOn();
    playing_ = true;
    for (int i = 1; i < count_; ++i) queue_[i - 1] = queue_[i];
    --count_;
}

void PlayQueue::Clear()
{
    timer_.stop();
    if (playing_) playingChord_.SoundOff();
    playing_ = false;
    count_ = 0;
}

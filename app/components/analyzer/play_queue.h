#pragma once
// The one play queue of the program, shared by every Analyzer: chords wait in
// it and sound one after another, each for half a second. It belongs to the
// program, not to the window that filled it, so closing an Analyzer never
// stops the playing of another.

#include <QObject>
#include <QTimer>

#include "core/theory/chord.h"

class PlayQueue : public QObject {
    Q_OBJECT
public:
    static constexpr int Capacity = 24;
    static constexpr int StepMilliseconds = 500;

    // The program's queue, made on first use and gone with the application.
    static PlayQueue& Shared();

    // Adds a copy of c; a full queue drops it (false). Adding to an empty
    // queue starts the steps: the first sounds one step later.
    bool Enqueue(const chord& c);
    int Count() const { return count_; }
    bool Playing() const { return playing_; }
    bool Stepping() const { return timer_.isActive(); }
    const chord& PlayingChord() const { return playingChord_; }

    // One step: silences what sounds, then sounds the next chord; with none
    // left, the steps stop.
    void Step();
    // Silences what sounds and empties the queue.
    void Clear();

    ~PlayQueue() override;

private:
    explicit PlayQueue(QObject* parent);

    chord queue_[Capacity];
    int count_ = 0;
    chord playingChord_;
    bool playing_ = false;
    QTimer timer_;
};

#pragma once
// The song's chords as a list, one line a span ("3:2  Am7"), with the one
// sounding marked as the song plays; a click asks to jump there.

#include <QListWidget>

#include <vector>

#include "core/songs/song_chords.h"

class ChordChart : public QListWidget {
    Q_OBJECT
public:
    explicit ChordChart(QWidget* parent = nullptr);

    void SetSpans(const std::vector<ChordSpan>& spans);
    // Marks the line of span `index` (-1: none) without a jump.
    void Follow(int index);

signals:
    void SpanChosen(int index);
};

// The line of a span: where it begins, then its chosen name, or its notes
// when it has no name, or a rest.
QString ChordChartLine(const ChordSpan& span);

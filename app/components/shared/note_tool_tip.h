#pragma once
// Names the note under the pointer of a drawn instrument, with its octave as
// the user reads it ("C4"), so that one C can be told from another.

#include <QObject>
#include <QPoint>

#include <functional>

#include "core/theory/notes.h"

class QWidget;

class NoteToolTip : public QObject {
public:
    // noteAt: the note a point of the widget plays, or NoNote.
    NoteToolTip(QWidget* instrument, std::function<NOTES(QPoint)> noteAt);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<NOTES(QPoint)> noteAt_;
};

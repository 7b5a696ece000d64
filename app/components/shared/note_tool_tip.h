#pragma once
// Names the note under the pointer of a drawn instrument, with its octave as
// the user reads it ("C4"), so that one C can be told from another.

#include <QObject>
#include <QPoint>

#include <functional>

#include "core/theory/notes.h"
#include "core/theory/shown_notes.h"

class QWidget;

class NoteToolTip : public QObject {
public:
    // noteAt: the note a point of the widget plays, or NoNote; spelling: the
    // chord the instrument holds, so that a note of it is named as its label.
    NoteToolTip(QWidget* instrument, std::function<NOTES(QPoint)> noteAt, std::function<SpellingContext()> spelling);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<NOTES(QPoint)> noteAt_;
    std::function<SpellingContext()> spelling_;
};

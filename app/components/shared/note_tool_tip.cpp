#include "app/components/shared/note_tool_tip.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

#include "core/theory/shown_notes.h"

NoteToolTip::NoteToolTip(QWidget* instrument, std::function<NOTES(QPoint)> noteAt,
                         std::function<SpellingContext()> spelling)
    : QObject(instrument), noteAt_(std::move(noteAt)), spelling_(std::move(spelling))
{
    instrument->installEventFilter(this);
}

bool NoteToolTip::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ToolTip) return false;
    auto* help = static_cast<QHelpEvent*>(event);
    auto* instrument = static_cast<QWidget*>(watched);
    const NOTES n = noteAt_(help->pos());
    if (n == NoNote) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), QString::fromStdString(ShownFullNoteName(n, spelling_())), instrument);
    }
    return true;
}

#pragma once
// The tool tip a widget shows with the pointer resting at p.

#include <QApplication>
#include <QHelpEvent>
#include <QString>
#include <QToolTip>
#include <QWidget>

inline QString ToolTipAt(QWidget* widget, QPoint p)
{
    QHelpEvent event(QEvent::ToolTip, p, widget->mapToGlobal(p));
    QApplication::sendEvent(widget, &event);
    const QString text = QToolTip::isVisible() ? QToolTip::text() : QString();
    QToolTip::hideText();
    return text;
}

#include "app/studio/connections/layout_edit.h"

#include <QKeyEvent>

TLayoutEdit::TLayoutEdit(const QString& text, QWidget* parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("id%1").arg(ControlId));
    setMaxLength(TextLimit);
    setText(text);
    // Black on white, whatever the theme.
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
    selectAll();
}

void TLayoutEdit::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: emit Finished(true); return;
    case Qt::Key_Escape: emit Finished(false); return;
    case Qt::Key_Pause:
        if (event->modifiers() & Qt::ControlModifier) {
            emit Finished(false);
            return;
        }
        break;
    default: break;
    }
    QLineEdit::keyPressEvent(event);
}

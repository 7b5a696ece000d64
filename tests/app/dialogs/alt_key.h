#pragma once
// Presses Alt and a letter in a dialog as a user would. A button chosen by
// its Alt key clicks itself a moment later, as on screen; this waits for it.

#include <QAbstractButton>
#include <QTest>

inline void PressAltKey(QWidget* dialog, Qt::Key key)
{
    QTest::keyClick(dialog, key, Qt::AltModifier);
    (void)QTest::qWaitFor([dialog] {
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            if (button->isDown()) return false;
        return true;
    });
}

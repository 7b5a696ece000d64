#pragma once
// Works a modal dialog the program opens: the action runs once the dialog is
// up, inside its own event loop, as a user at the screen would act. The
// action must close the dialog; one left open fails the test and is
// cancelled, so the test never hangs.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>

template <typename Dialog = QDialog>
void WhenModal(std::function<void(Dialog*)> action)
{
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        QPointer<Dialog> dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        // Keys go to the active window; the dialog is made so at once.
        QApplication::setActiveWindow(dialog);
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
        action(dialog);
        if (dialog && dialog->isVisible()) {
            ADD_FAILURE() << "the dialog was left open";
            dialog->reject();
        }
    });
    poll->start();
}

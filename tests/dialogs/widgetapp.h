// One QApplication for all widget tests, created on first use, and a few helpers to
// drive dialogs the way a user would.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <clocale>
#include <cstdlib>
#include <functional>

#include <gtest/gtest.h>
#include <string>

inline QApplication &widgetApp()
{
    static int argc = 1;
    static char name[] = "dialogs_tests";
    static char *argv[] = { name, nullptr };
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QApplication *app = [] {
        auto *a = new QApplication(argc, argv);
        // Creating the application adopts the environment's locale; the tests must run
        // under the German one whatever the environment says.
        std::setlocale(LC_ALL, "de_DE.UTF-8");
        return a;
    }();
    return *app;
}

// Shows a window and waits until it is active, so that focus changes take place.
inline bool showActive(QWidget *w)
{
    widgetApp();
    w->show();
    w->activateWindow();
    return QTest::qWaitForWindowActive(w);
}

// Lets queued work (the line operation after a focus change) run.
inline void settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

// Runs `act` on the modal window that opens next, from inside its event loop. Should
// `act` leave that window open, it is rejected after a few seconds so that a failing
// test ends instead of waiting for ever. The watcher is returned so that a test that
// expects no window can stop it.
inline QPointer<QTimer> whenModalOpens(std::function<void(QWidget *)> act)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(modal);
            QPointer<QDialog> left = qobject_cast<QDialog *>(modal);
            QTimer::singleShot(5000, [left] {
                if (left && left->isVisible()) {
                    ADD_FAILURE() << "a modal window stayed open: "
                                  << left->metaObject()->className();
                    left->reject();
                }
            });
        }
    });
    timer->start();
    return timer;
}

inline void clickButton(QAbstractButton *b)
{
    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, b->rect().center());
}

#pragma once

#include <QApplication>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

// Steps of the main-window tests that drive the dialogs of a repair with a
// sample and of back and close.
namespace mainwindowsample {

// Once a modal widget of type T is on screen (looked for every 50 ms, for up
// to `tries` times), runs action on it; action gets null when none appeared.
template <typename T>
void whenModalOf(std::function<void(T*)> action, int tries = 400)
{
    auto* poll = new QTimer;
    poll->setInterval(50);
    auto attempts = std::make_shared<int>(tries);
    QObject::connect(poll, &QTimer::timeout, [poll, attempts, action] {
        T* modal = qobject_cast<T*>(QApplication::activeModalWidget());
        if ((!modal || !modal->isVisible()) && --*attempts > 0)
            return;
        poll->stop();
        poll->deleteLater();
        action(modal && modal->isVisible() ? modal : nullptr);
    });
    poll->start();
}

} // namespace mainwindowsample

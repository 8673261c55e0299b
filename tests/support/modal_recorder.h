#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

// While running, closes every message box that opens modally (the
// application's one-button box, the saving-finished box with OK, or a
// toolkit message box) and records its text, so a test can check what the
// user would have been told.
class ModalRecorder : public QObject {
public:
    ModalRecorder();

    QStringList messages;

private:
    void poll();

    QTimer m_timer;
};

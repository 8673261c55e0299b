#pragma once

#include "dialog_driver.h"

#include <QStringList>

// While it lives, closes every message box that opens modally (the
// application's one-button box, the saving-finished box with OK, or a
// toolkit message box) and records its text, so a test can check what the
// user would have been told.
class ModalRecorder {
public:
    ModalRecorder();

    QStringList messages;

private:
    bool closeMessage(QWidget* modal);

    ModalDriver m_driver;
};

#pragma once

#include "frameless_dialog.h"

class QLabel;

// The frame shared by the offer and download dialogs: frameless like every
// dialog of the program, a drag by the top 30 pixels (scaled), and no key
// that closes or triggers anything.
class UpdateDialog : public FramelessDialog {
    Q_OBJECT
public:
    explicit UpdateDialog(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;

    // The picture behind the whole dialog for the current interface scale.
    static void SetBackground(QLabel* label);
};

// Window flags of the update dialogs: no frame of the window manager.
constexpr Qt::WindowFlags kUpdateWindowFlags = Qt::Window | Qt::FramelessWindowHint;

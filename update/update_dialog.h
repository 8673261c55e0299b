#pragma once

#include "frameless_dialog.h"

class QLabel;

// The frame shared by the offer and download dialogs: a title bar without
// buttons, a drag by the top 30 pixels (scaled) of the client area, and no
// key that closes or triggers anything.
class UpdateDialog : public FramelessDialog {
    Q_OBJECT
public:
    explicit UpdateDialog(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;

    // The picture behind the whole dialog for the current interface scale.
    static void SetBackground(QLabel* label);
};

// Window flags of the update dialogs: a title bar without buttons.
constexpr Qt::WindowFlags kUpdateWindowFlags = Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint;

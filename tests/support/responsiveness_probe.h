#pragma once

#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <functional>

// Shows whether the user-interface thread keeps serving a window while
// something is under way: a timer that ticks on every turn of the event
// loop and a button clicked from it, both counted only while `busy()` is
// true. No time is measured: a blocked loop simply counts nothing.
class ResponsivenessProbe {
public:
    explicit ResponsivenessProbe(std::function<bool()> busy);

    int ticksWhileBusy() const { return m_ticks; }
    int clicksWhileBusy() const { return m_clicks; }
    // At least `ticks` ticks and one click were handled while busy.
    bool served(int ticks = 5) const { return m_ticks >= ticks && m_clicks >= 1; }

private:
    std::function<bool()> m_busy;
    QWidget m_window;
    QPushButton* m_button;
    QTimer m_timer;
    int m_ticks = 0;
    int m_clicks = 0;
};

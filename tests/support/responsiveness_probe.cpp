#include "responsiveness_probe.h"

ResponsivenessProbe::ResponsivenessProbe(std::function<bool()> busy)
    : m_busy(std::move(busy)), m_button(new QPushButton(&m_window))
{
    QObject::connect(m_button, &QPushButton::clicked, [this] {
        if (m_busy())
            ++m_clicks;
    });
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (!m_busy())
            return;
        ++m_ticks;
        if (m_ticks % 5 == 1)
            m_button->click();
    });
    m_window.show();
    m_timer.start(0);
}

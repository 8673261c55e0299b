#include "custom_button.h"

CustomButton::CustomButton(QWidget* parent) : QPushButton(parent)
{
    setAttribute(Qt::WA_MouseTracking);
    setFlat(true);
}

void CustomButton::mousePressEvent(QMouseEvent* event)
{
    QAbstractButton::mousePressEvent(event);
    emit MousePressed(m_id);
}

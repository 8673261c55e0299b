#include "frameless_dialog.h"

#include "window_frame.h"

#include <QMouseEvent>

FramelessDialog::FramelessDialog(QWidget* parent, int stripWidth)
    : QDialog(parent), m_dragOffset(0, 0), m_stripWidth(stripWidth)
{
}

bool FramelessDialog::IsInTitleBar(const QPoint& point) const
{
    return isInTitleStrip(point, m_stripWidth);
}

void FramelessDialog::mousePressEvent(QMouseEvent* event)
{
    beginStripDrag(this, event, m_stripWidth, m_dragOffset);
    QWidget::mousePressEvent(event);
}

void FramelessDialog::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    endStripDrag();
}

void FramelessDialog::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    followStripDrag(this, event, m_dragOffset);
}

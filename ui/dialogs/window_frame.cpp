#include "window_frame.h"

#include "dialog_look.h"
#include "global_state.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

bool g_dragging = false;

void CenterWidgetOnRect(QWidget* widget, const QRect& rect)
{
    const int x = (rect.width() - widget->width()) / 2 + rect.x();
    const int y = (rect.height() - widget->height()) / 2 + rect.y();
    widget->move(x, y);
}

QRect titleStripRect(int stripWidth)
{
    const float scale = g_state.uiScale;
    return QRect(0, 0, scaledLength(stripWidth, scale), scaledLength(30, scale));
}

bool isInTitleStrip(const QPoint& point, int stripWidth)
{
    return titleStripRect(stripWidth).contains(point);
}

void beginStripDrag(QWidget* window, const QMouseEvent* event, int stripWidth, QPoint& dragOffset)
{
    if (event->button() != Qt::LeftButton)
        return;
    g_dragging = false;
    if (isInTitleStrip(event->pos(), stripWidth)) {
        g_dragging = true;
        dragOffset = event->globalPos() - window->frameGeometry().topLeft();
    }
}

void followStripDrag(QWidget* window, QMouseEvent* event, const QPoint& dragOffset)
{
    if (g_dragging && (event->buttons() & Qt::LeftButton)) {
        window->move(event->globalPos() - dragOffset);
        event->accept();
    }
}

void endStripDrag()
{
    g_dragging = false;
}

void swallowWindowKey(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        event->ignore();
    else
        event->accept();
}

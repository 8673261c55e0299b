#include "surface_drag.h"

#include <QMouseEvent>
#include <QWidget>

void beginSurfaceDrag(QWidget* window, QMouseEvent* event, bool& dragging, QPoint& dragOffset)
{
    if (event->button() != Qt::LeftButton)
        return;
    dragging = true;
    dragOffset = event->globalPos() - window->frameGeometry().topLeft();
    event->accept();
}

void followSurfaceDrag(QWidget* window, QMouseEvent* event, const QPoint& dragOffset)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    window->move(event->globalPos() - dragOffset);
    event->accept();
}

void endSurfaceDrag(QWidget* window, QMouseEvent* event, bool& dragging, QPoint& dragOffset)
{
    if (event->button() != Qt::LeftButton || !dragging)
        return;
    window->move(window->pos() + (event->pos() - dragOffset));
    dragOffset = event->pos();
    dragging = false;
}

#pragma once

#include <QPoint>

class QMouseEvent;
class QWidget;

// Dragging a window from anywhere on its surface (the save prompts). Each
// window keeps its own flag and offset instead of the shared title-strip
// flag. Presses that a child widget takes never reach these functions.
void beginSurfaceDrag(QWidget* window, QMouseEvent* event, bool& dragging, QPoint& dragOffset);
void followSurfaceDrag(QWidget* window, QMouseEvent* event, const QPoint& dragOffset);
void endSurfaceDrag(QWidget* window, QMouseEvent* event, bool& dragging, QPoint& dragOffset);

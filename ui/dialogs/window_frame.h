#pragma once

#include <QPoint>
#include <QRect>

class QKeyEvent;
class QMouseEvent;
class QWidget;

// True while a title-strip drag is in progress. One flag for the whole
// process: a release in any window of the frameless family ends a drag.
extern bool g_dragging;

// Moves the widget so that it sits in the middle of rect. Integer division
// truncates toward zero, so a widget wider than rect lands left of it.
void CenterWidgetOnRect(QWidget* widget, const QRect& rect);

// The title strip of a window whose strip is stripWidth x 30 at 96 DPI,
// each side multiplied by the interface scale and truncated on its own.
QRect titleStripRect(int stripWidth);

// True when the point (window coordinates) lies in that title strip.
bool isInTitleStrip(const QPoint& point, int stripWidth);

// The three steps of the title-strip drag, without the base-class calls
// (each window calls its base handler itself, before or after as it must).
// A left press starts a drag inside the strip and ends any other drag.
void beginStripDrag(QWidget* window, const QMouseEvent* event, int stripWidth, QPoint& dragOffset);
void followStripDrag(QWidget* window, QMouseEvent* event, const QPoint& dragOffset);
void endStripDrag();

// Key handling of the windows that must never close from the keyboard:
// Escape is passed on unhandled, every other key is swallowed.
void swallowWindowKey(QKeyEvent* event);

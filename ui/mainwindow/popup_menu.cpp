#include "popup_menu.h"

#include "browse_repair_dlg.h"
#include "global_state.h"

PopupMenu::PopupMenu(QWidget* owner, bool alignRight, QWidget* parent)
    : QMenu(parent), m_owner(owner), m_alignRight(alignRight)
{
    setAttribute(Qt::WA_MouseTracking);
}

void PopupMenu::showEvent(QShowEvent*)
{
    const float scale = g_state.uiScale;
    const int y = int(12.0f * scale + float(pos().y()));
    if (!m_alignRight) {
        move(pos().x(), y);
        return;
    }
    if (!g_mainWindow || !g_mainWindow->isVisible())
        return;
    const float windowRight = float(g_mainWindow->x() + g_mainWindow->width());
    move(int(windowRight - (18.0f * scale + float(sizeHint().width()))), y);
}

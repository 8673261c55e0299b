#include "update_dialog.h"

#include "dialog_look.h"
#include "global_state.h"
#include "window_frame.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

namespace {
// Wider than either dialog, so the strip spans the whole width.
const int kStripWidth = 800;
} // namespace

UpdateDialog::UpdateDialog(QWidget* parent) : QDialog(parent), m_dragOffset(0, 0) {}

bool UpdateDialog::IsInTitleBar(const QPoint& pos) const
{
    return isInTitleStrip(pos, kStripWidth);
}

void UpdateDialog::mousePressEvent(QMouseEvent* event)
{
    beginStripDrag(this, event, kStripWidth, m_dragOffset);
    QWidget::mousePressEvent(event);
}

void UpdateDialog::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    followStripDrag(this, event, m_dragOffset);
}

void UpdateDialog::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    endStripDrag();
}

void UpdateDialog::keyPressEvent(QKeyEvent* event)
{
    swallowWindowKey(event);
}

void UpdateDialog::SetBackground(QLabel* label)
{
    const QString folder = imageSetFolder(g_state.uiScale);
    if (!folder.isEmpty())
        label->setPixmap(QPixmap(folder + QLatin1String("img_SoftwareUpdate.png")));
}

#include "update_dialog.h"

#include "dialog_look.h"
#include "global_state.h"
#include "window_frame.h"

#include <QLabel>
#include <QPixmap>

namespace {
// Wider than either dialog, so the strip spans the whole width.
const int kStripWidth = 800;
} // namespace

UpdateDialog::UpdateDialog(QWidget* parent) : FramelessDialog(parent, kStripWidth) {}

void UpdateDialog::keyPressEvent(QKeyEvent* event)
{
    swallowWindowKey(event);
}

void UpdateDialog::SetBackground(QLabel* label)
{
    const QString folder = imageSetFolder(g_state.uiScale);
    if (folder.isEmpty())
        return;
    // From the window's top-left corner, whatever the label's height.
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setPixmap(QPixmap(folder + QLatin1String("img_SoftwareUpdate.png")));
}

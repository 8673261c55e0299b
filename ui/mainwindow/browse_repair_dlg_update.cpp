#include "browse_repair_dlg.h"

#include "q_check_update.h"
#include "update_files.h"

void BrowseRepairDlg::onUpdateWizard()
{
    g_reportNoUpdate = true;
    // A check still under way (the one after start-up) now answers the
    // user when it ends; a second one would only race it for the same file.
    if (QCheckUpdate::AnyCheckRunning())
        return;
    auto* checker = new QCheckUpdate(this);
    checker->hide();
}

#include "browse_repair_dlg.h"

#include "q_check_update.h"
#include "update_files.h"

void BrowseRepairDlg::onUpdateWizard()
{
    g_reportNoUpdate = true;
    auto* checker = new QCheckUpdate(this);
    checker->hide();
}

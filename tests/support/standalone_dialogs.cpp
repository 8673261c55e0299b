#include "standalone_dialogs.h"

#include "already_exist_file_dlg.h"
#include "back_application_dlg.h"
#include "close_application_dlg.h"
#include "folder_exist.h"
#include "repair_finish_dialog.h"
#include "saving_finish_dlg.h"
#include "stop_dlg.h"

std::vector<std::unique_ptr<QWidget>> makeStandaloneDialogs()
{
    std::vector<std::unique_ptr<QWidget>> dialogs;
    dialogs.emplace_back(new repairFinishDialog(nullptr));
    dialogs.emplace_back(new StopDlg(nullptr));
    dialogs.emplace_back(new CloseApplicationDlg(nullptr));
    dialogs.emplace_back(new BackApplicationDlg(nullptr));
    dialogs.emplace_back(new SavingFinishDlg(nullptr, QString()));
    dialogs.emplace_back(new AlreadyExistFileDlg(nullptr));
    dialogs.emplace_back(new FolderExist());
    return dialogs;
}

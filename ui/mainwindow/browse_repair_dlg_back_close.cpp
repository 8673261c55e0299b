// Back to the file list and closing the window: after confirmation both throw
// the results away and wipe the work folder; the close also removes it and
// resets the repair state.
#include "browse_repair_dlg.h"

#include "back_application_dlg.h"
#include "close_application_dlg.h"
#include "file_list_columns.h"
#include "global_state.h"
#include "jpg_repair.h"
#include "my_tree_widget.h"
#include "run_state.h"
#include "save_file.h"
#include "update_files.h"
#include "wipe_folder.h"
#include "window_frame.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>

namespace {

bool answeredYes()
{
    return g_state.pressedButtonName == QLatin1String("YesBtn");
}

// Set when a More Tools entry leaves the application for another tool, or
// the accepted update for its installer.
bool leavingForAnotherTool()
{
    return g_state.launchedMonitorDrive || g_state.launchedRepairVideo || g_state.launchedRecoverData ||
           g_state.launchedRecoverPhoto || g_leavingForInstaller;
}

} // namespace

void BrowseRepairDlg::OnClickedBackBtn()
{
    CenterWidgetOnRect(m_backDlg, geometry());
    g_state.pressedButtonName.clear();
    m_backDlg->exec();
    if (!answeredYes())
        return;

    g_state.helpAddFiles = 1;
    g_state.helpStart = 0;
    g_state.helpRepair = 0;
    g_state.helpPreview = 0;
    g_state.helpAdvanced = 0;
    g_state.heicSampleMode = 0;
    Preview_Label->clear();
    m_buttonRecords.clear();
    m_sampleRows.clear();
    g_state.jpegSampleMode = 0;
    m_resultsCheckable = false;
    m_repairTree->clear();
    graphicsView->hide();
    frame2->hide();
    label_7->setText(QString());
    g_state.producedFiles.clear();

    checkBox1->setEnabled(true);
    label_2->setEnabled(true);
    AddFilesBtnN->show();
    RemovFileBtnN->setEnabled(true);
    StartRepairFilesBtnN->show();
    StartRepairFilesBtnN->setEnabled(true);
    g_state.resultsPageShown = 0;
    frame->show();
    UpdateBtn->setEnabled(true);
    g_state.invalidFileCount = 0;
    if (!g_state.workFolder.isEmpty())
        WipeWorkFolder();
}

void BrowseRepairDlg::closeEvent(QCloseEvent* event)
{
    m_closeDlg->label_2->clear();
    m_closeDlg->label_2->setText(tr("Are you sure you want to exit?"));
    CenterWidgetOnRect(m_closeDlg, geometry());
    g_state.pressedButtonName.clear();
    if (!leavingForAnotherTool())
        m_closeDlg->exec();

    const bool leaving = answeredYes() || leavingForAnotherTool();
    if (leaving && m_repairThread.isRunning()) {
        // The wipe and the resets must not run under a working run: stop it,
        // wait for it, and drop the row changes it left for a closing window.
        g_state.stopRequested = 1;
        g_state.runActive = 0;
        m_repairThread.wait();
        QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
    }
    // The normal run uses the widths while it works.
    if (!m_repairThread.isRunning())
        m_imageWidths.clear();
    if (!leaving) {
        event->ignore();
        return;
    }

    WipeAndRemoveWorkFolder();
    jpg_repair().ResetState();
    g_state.thumbnailOnly = 0;
    g_state.thumbnailsEnabled = 2;
    g_state.workFolder.clear();
    g_state.inputPath.clear();
    ClearRunAnswers();
    g_state.resultIndex = 0;
    freeResultList();
    event->accept();
}

// The paths of the file list's photos.
QStringList BrowseRepairDlg::ListedInputs() const
{
    QStringList paths;
    for (int i = 0; i < m_fileTree->topLevelItemCount(); ++i)
        paths << m_fileTree->topLevelItem(i)->text(FileColPath);
    return paths;
}

// Wipes the work folder's files, except the photos of the list that the user
// took from it, as the run does.
void BrowseRepairDlg::WipeWorkFolder() const
{
    FolderWiper(ListedInputs()).WipeFolder(g_state.workFolderName);
}

// Wipes the work folder's files, then removes its two subfolders and the
// folder itself where the wipe left them empty.
void BrowseRepairDlg::WipeAndRemoveWorkFolder()
{
    const QString folder = g_state.workFolder;
    if (folder.isEmpty())
        return;
    WipeWorkFolder();
    QDir dir;
    for (const QString& path : {folder + QStringLiteral("/HEIC_Repaired"), folder + QStringLiteral("/Thumbnail Repaired"),
                                folder}) {
        if (dir.exists(path))
            dir.rmdir(path);
    }
}

// Saving the results: the destination folder, the output folder and its
// prompt, the copy of the checked outputs with the file-exists prompt, and
// the saving-finished dialog.
#include "browse_repair_dlg.h"

#include "already_exist_file_dlg.h"
#include "folder_exist.h"
#include "global_state.h"
#include "my_tree_widget.h"
#include "repair_finish_dialog.h"
#include "repair_tree_columns.h"
#include "run_state.h"
#include "save_names.h"
#include "save_prompts.h"
#include "saving_finish_dlg.h"
#include "window_frame.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>
#include <QTreeWidgetItemIterator>

FolderExist* g_folderExistDlg = nullptr;
AlreadyExistFileDlg* g_alreadyExistDlg = nullptr;

namespace {

const QString kThumbnailFolder = QStringLiteral("Thumbnail Repaired");
const QString kHeicFolder = QStringLiteral("HEIC_Repaired");

enum class CopyResult { Copied, NotWanted, Failed };

bool isThumbnailName(const QString& name)
{
    return name.contains(QLatin1String("_[T1]")) || name.contains(QLatin1String("_[T2]")) ||
           name.contains(QLatin1String("_[T3]"));
}

// True when an output folder "RepairedFiles" made in `destination` would be
// the work folder or lie inside it: the work folder is emptied on Back and
// on exit, and writing into it would copy the outputs onto themselves.
bool wouldSaveIntoWorkFolder(const QString& destination, const QString& outputFolderName)
{
    const QString work = QFileInfo(g_state.workFolder).canonicalFilePath();
    const QString chosen = QFileInfo(destination).canonicalFilePath();
    if (work.isEmpty() || chosen.isEmpty())
        return false;
    const QString output = chosen + QLatin1Char('/') + outputFolderName;
    return output == work || output.startsWith(work + QLatin1Char('/'));
}

// Replaces `destination` by a copy of `source` in one step: the new content
// is written beside it first, so a copy that fails leaves the old file as it
// was.
bool replaceWithCopy(const QString& source, const QString& destination)
{
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly))
        return false;
    QSaveFile output(destination);
    if (!output.open(QIODevice::WriteOnly))
        return false;
    while (!input.atEnd()) {
        const QByteArray chunk = input.read(1 << 20);
        if (chunk.isEmpty() || output.write(chunk) != chunk.size()) {
            output.cancelWriting();
            break;
        }
    }
    return input.error() == QFileDevice::NoError && output.commit();
}

CopyResult copyOutput(const QString& source, const QString& destination, bool replace)
{
    if (destination.isEmpty())
        return CopyResult::NotWanted;
    if (replace)
        return replaceWithCopy(source, destination) ? CopyResult::Copied : CopyResult::Failed;
    // An existing file is never replaced without the overwrite answer.
    if (QFileInfo::exists(destination))
        return CopyResult::NotWanted;
    return QFile::copy(source, destination) ? CopyResult::Copied : CopyResult::Failed;
}

// Where one output of the results tree comes from and goes to; an empty
// source for a row that is no output of a known kind.
struct OutputPlace {
    QString source, destination, subfolder;
};

OutputPlace placeOutput(const QString& name, const QString& work, const QString& outputRoot)
{
    const QString suffix = g_state.fileSuffix.toUpper();
    if (suffix == QLatin1String("JPG") || suffix == QLatin1String("JPEG")) {
        if (!isThumbnailName(name))
            return {work + name, outputRoot + name, QString()};
        const QString subfolder = kThumbnailFolder + QLatin1Char('/');
        return {work + subfolder + name, outputRoot + subfolder + name, subfolder};
    }
    if (suffix == QLatin1String("HEIC")) {
        const QString subfolder = kHeicFolder + QLatin1Char('/');
        return {work + subfolder + name, outputRoot + subfolder + name, subfolder};
    }
    return {};
}

// The folders of one copy: the renamed output folder with its
// "RepairedFiles", the HEIC folder when the run made HEIC outputs, and the
// thumbnail folder always.
void prepareCopyFolders(const QString& workFolder, const QString& outputRoot)
{
    QDir dir;
    const bool renamed = g_state.folderRename == 1;
    if (renamed) {
        g_state.saveRoot = g_state.destinationFolder;
        dir.mkdir(g_state.saveRoot);
        dir.mkdir(g_state.saveRoot + QLatin1String("/RepairedFiles"));
    }
    if (QFileInfo(workFolder + QLatin1Char('/') + kHeicFolder).isDir()) {
        dir.mkdir(g_state.saveRoot);
        if (renamed) {
            dir.mkdir(g_state.saveRoot + QLatin1String("/RepairedFiles"));
            dir.mkdir(g_state.saveRoot + QLatin1String("/RepairedFiles/") + kHeicFolder);
        } else {
            dir.mkdir(g_state.saveRoot + kHeicFolder);
        }
    }
    const QString thumbnails = outputRoot + kThumbnailFolder + QLatin1Char('/');
    if (!QFileInfo(thumbnails).isDir())
        dir.mkpath(thumbnails);
}

} // namespace

void BrowseRepairDlg::SaveImage()
{
    const QString chosen = QFileDialog::getExistingDirectory(this, tr("Select Folder"), QStringLiteral("/root"),
                                                             QFileDialog::ShowDirsOnly);
    g_state.destinationFolder = chosen;
    if (chosen.isEmpty())
        return;
    if (wouldSaveIntoWorkFolder(chosen, g_state.workFolderName)) {
        ShowSaveMessage(tr("The repaired files cannot be saved into the program's work folder, which is emptied "
                           "when you go back or exit. Please choose another folder."));
        return;
    }

    g_state.saveParentFolder = chosen;
    ClearPromptAnswers();
    g_state.savedCount = 0;

    g_state.saveFolderName = g_state.workFolderName;
    g_state.saveRoot = chosen + QLatin1Char('/') + g_state.saveFolderName + QLatin1Char('/');

    delete g_folderExistDlg;
    delete g_alreadyExistDlg;
    g_folderExistDlg = new FolderExist();
    g_alreadyExistDlg = new AlreadyExistFileDlg(nullptr);
    CenterWidgetOnRect(g_folderExistDlg, geometry());
    CenterWidgetOnRect(g_alreadyExistDlg, geometry());

    PrepareOutputFolder(g_state.saveRoot);
    g_state.inputFileSize = 0;
    if (g_state.folderCancel == 1)
        return;
    if (g_state.folderRename == 1)
        g_state.destinationFolder += QLatin1Char('/') + g_state.saveFolderName;

    const int failed = CopyRepairedFiles(g_state.workFolder);
    if (failed > 0)
        ShowSaveMessage(tr("%1 file(s) could not be saved.").arg(failed));

    if (g_state.savedCount == 0 && failed == 0)
        ShowSaveMessage(tr("No files were saved."));
    if (g_state.savedCount != 0) {
        SavingFinishDlg finished(this, chosen + QLatin1Char('/') + g_state.saveFolderName);
        CenterWidgetOnRect(&finished, geometry());
        finished.exec();
    }
}

bool BrowseRepairDlg::PrepareOutputFolder(const QString& path)
{
    if (QFileInfo(path).isDir()) {
        g_state.overwriteFolder = 0;
        g_folderExistDlg->exec();
        // Closed without an answer (Escape): nothing was agreed to, so the
        // save is cancelled rather than half done.
        if (g_state.folderRename != 1 && g_state.overwriteFolder != 1)
            g_state.folderCancel = 1;
        if (g_state.folderCancel != 1) {
            g_state.saveRoot = g_state.saveParentFolder + QLatin1String("//") + g_state.saveFolderName +
                               QLatin1String("//");
            QDir().mkdir(g_state.saveRoot);
        }
    } else {
        QDir().mkdir(path);
    }
    return true;
}

int BrowseRepairDlg::CopyRepairedFiles(const QString& workFolder)
{
    const QString outputRoot =
        g_state.destinationFolder + QLatin1Char('/') + QFileInfo(workFolder).fileName() + QLatin1Char('/');
    prepareCopyFolders(workFolder, outputRoot);

    int failed = 0;
    for (QTreeWidgetItemIterator it(m_repairTree); *it; ++it) {
        QTreeWidgetItem* item = *it;
        // A file row or a stopped row is no output, even when checked.
        if (item->checkState(0) != Qt::Checked || item->isHidden() || !IsSavableOutput(item))
            continue;
        const QString name = item->text(0);
        g_state.fileSuffix = QFileInfo(workFolder + QLatin1Char('/') + name).suffix();
        OutputPlace place = placeOutput(name, workFolder + QLatin1Char('/'), outputRoot);
        if (place.source.isEmpty())
            continue;

        bool replace = false;
        if (g_state.overwriteFolder == 1) {
            g_state.saveFileName = name;
            if (QFileInfo::exists(place.destination)) {
                place.destination = GetSavePath(g_state.saveRoot + place.subfolder + name);
                replace = !place.destination.isEmpty() && g_state.renameThis != 1 &&
                          (g_state.overwriteThis == 1 || g_state.overwriteAll == 1);
            }
        }

        const CopyResult result = copyOutput(place.source, place.destination, replace);
        item->setCheckState(0, Qt::Unchecked);
        if (result == CopyResult::Copied)
            ++g_state.savedCount;
        else if (result == CopyResult::Failed)
            ++failed;
        checkBox1_2->setCheckState(Qt::Unchecked);
    }

    SaveRepairBtn->show();
    SaveRepairBtn->setEnabled(false);
    for (QTreeWidgetItemIterator it(m_repairTree); *it; ++it) {
        if ((*it)->checkState(0) == Qt::Checked)
            (*it)->setCheckState(0, Qt::Unchecked);
    }
    g_state.overwriteFolder = 0;
    return failed;
}

QString BrowseRepairDlg::GetSavePath(const QString& target)
{
    if (!QFileInfo::exists(target))
        return target;
    if (g_state.skipAll == 1 && g_state.overwriteAll != 1 && g_state.renameAll != 1)
        return QString();

    if (g_state.overwriteAll != 1 && g_state.renameAll != 1) {
        // The prompt clears the single answers and proposes a name for this
        // file each time it is shown.
        g_alreadyExistDlg->exec();
    }

    const QString root = g_state.saveRoot;
    if (g_state.skipAll == 1 || g_state.skipThis == 1)
        return QString();
    if (g_state.renameThis == 1) {
        g_state.saveFileName = g_state.renamedFileName;
        return root + saveSubfolder(g_state.saveFileName, g_state.fileSuffix) + g_state.saveFileName;
    }
    const QString subfolder = saveSubfolder(g_state.saveFileName, g_state.fileSuffix);
    if (g_state.overwriteThis == 1 || g_state.overwriteAll == 1)
        return root + subfolder + g_state.saveFileName;
    if (g_state.renameAll == 1) {
        QString name = g_state.saveFileName;
        QString candidate = target;
        while (QFileInfo::exists(candidate)) {
            ++g_state.copyCounter;
            name = copyName(g_state.copyCounter, g_state.saveFileName);
            candidate = root + subfolder + name;
        }
        g_state.saveFileName = name;
        return candidate;
    }
    return target;
}

void BrowseRepairDlg::ShowSaveMessage(const QString& message)
{
    ShowInformation(this, tr("Save Repaired Files"), message);
}

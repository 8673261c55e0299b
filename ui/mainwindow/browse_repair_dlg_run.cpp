// The normal repair run: the body that the repair thread runs over the
// checked results rows. It works from the window's copy of the rows and
// reaches the tree only through the window's signals, whose slots run queued
// on the user-interface thread in the order of emission.
#include "browse_repair_dlg.h"

#include "global_state.h"
#include "jpg_repair.h"
#include "repair_tree_columns.h"
#include "run_state.h"
#include "run_suffixes.h"
#include "save_file.h"
#include "temp_folder.h"
#include "wipe_folder.h"
#include "work_subfolder.h"

#include <QDebug>
#include <QFileInfo>
#include <QImageReader>
#include <QTreeWidgetItem>

#include <algorithm>
#include <optional>

namespace {

bool stopSeen()
{
    return g_state.stopRequested != 0;
}

// Size of a picture read only as far as its header; 0 x 0 when unreadable.
QSize pictureSize(const QString& path)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    return size.isValid() ? size : QSize(0, 0);
}

QString resolutionText(const QSize& size)
{
    return QString::number(size.height()) + QLatin1Char('x') + QString::number(size.width());
}

OutputIcon iconFor(const QString& upperSuffix)
{
    if (IsJpegSuffix(upperSuffix))
        return OutputIcon::Jpeg;
    if (upperSuffix == QLatin1String("HEIC"))
        return OutputIcon::Heic;
    return OutputIcon::Other;
}

void freeResultList()
{
    ResultNode* node = g_state.resultHead;
    while (node) {
        ResultNode* next = node->next;
        delete node;
        node = next;
    }
    g_state.resultHead = nullptr;
    g_state.resultTail = nullptr;
    g_state.resultCursor = nullptr;
}

// One normal run over the window's copy of the results rows.
class NormalRun {
public:
    explicit NormalRun(BrowseRepairDlg& window) : m_window(window), m_count(window.m_repairRowCount) {}

    void execute()
    {
        begin();
        walk();
        end();
    }

private:
    // A file row as the run has changed it so far.
    struct FileState {
        const RunFileRow* row = nullptr;
        quint32 position = 0; // 1-based among the file rows
        unsigned int status = 0;
        QVector<QTreeWidgetItem*> outputs;
    };

    void begin();
    void walk();
    void end();
    // False when a stop ended the walk at this row.
    bool processFileRow(FileState& file);
    bool runEngine(FileState& file, const QString& path);
    bool fail(FileState& file);
    bool addOutputs(FileState& file);
    bool addOutput(FileState& file, const QString& name);
    void labelPreviews(FileState& file, OutputRowDetails& details);
    void setStatus(FileState& file, unsigned int status);
    void markRepaired(FileState& file);
    void stopAt(QTreeWidgetItem* row);

    BrowseRepairDlg& m_window;
    const quint32 m_count; // n of the progress text
    quint32 m_taken = 0;   // k of the progress text
};

void NormalRun::begin()
{
    m_window.m_runStopped = false;
    ClearRunAnswers();
    g_state.stopRequested = 0;
    g_state.resultsPageShown = 1;
    g_state.resultIndex = 0;
    g_state.helpRepair = 1;
    g_state.helpAddFiles = 0;
    emit m_window.Showlabel();
    g_state.thumbnailsEnabled = 2;

    emit m_window.SetProgressBarValue(m_count);
    emit m_window.displayItem();
    emit m_window.Showlabel();
    emit m_window.SetCheckBoxEnabled();

    g_state.workFolderName = QStringLiteral("RepairedFiles");
    // Below the program's private temporary folder; none when that cannot be
    // made, and the engine then writes nothing.
    g_state.workFolder = madeSubfolder(platform::tempFolder(), g_state.workFolderName);
    // Photos of the list that lie in the work folder are the user's own.
    FolderWiper(m_window.m_listedInputs).WipeFolder(g_state.workFolderName);
    freeResultList();
    g_state.runActive = 1;
}

void NormalRun::walk()
{
    quint32 position = 0;
    for (const RunFileRow& row : qAsConst(m_window.m_runRows)) {
        FileState file;
        file.row = &row;
        file.position = ++position;
        if (stopSeen()) {
            stopAt(row.item);
            return;
        }
        if (!row.checked)
            continue;
        if (!processFileRow(file))
            return;
        emit m_window.RunRowUncheck(row.item);
        // The output rows follow their file row in the walk; they are
        // unchecked, so only the stop is looked for.
        for (QTreeWidgetItem* output : qAsConst(file.outputs)) {
            if (stopSeen()) {
                stopAt(output);
                return;
            }
        }
    }
}

bool NormalRun::processFileRow(FileState& file)
{
    const quint32 k = ++m_taken;
    emit m_window.EnableProgressBar();

    const QString path = file.row->path;
    const QFileInfo info(path);
    qDebug() << path;
    g_state.inputPath = path;
    g_state.fileName = QLatin1Char('/') + info.fileName();
    g_state.fileSuffix = info.suffix();

    emit m_window.ShowProgressLabel(BrowseRepairDlg::tr("Repairing file ") + QString::number(k) + QLatin1Char(' ') +
                                        BrowseRepairDlg::tr("of") + QLatin1Char(' ') + QString::number(m_count),
                                    QString::number(k * 100 / m_count) + QStringLiteral(" %"));
    if (stopSeen()) {
        stopAt(file.row->item);
        return false;
    }
    if (m_count == 1)
        emit m_window.SetOverAllProgress(m_count);
    else
        emit m_window.SetOverAllProgressOne(k);

    g_state.producedFiles.clear();
    g_state.fileFailed = 0;
    m_window.m_imageWidths.clear();
    if (!runEngine(file, path))
        return false;
    if (!addOutputs(file))
        return false;
    // An input that could not be read, or an output that could not be
    // written completely, fails the file whatever else it delivered.
    if (g_state.fileFailed == 1 && file.status != RowFailed && !fail(file))
        return false;
    if (g_state.producedFiles.isEmpty() && file.status != RowFailed)
        setStatus(file, RowNoOutput);
    m_window.m_imageWidths.clear();
    return true;
}

bool NormalRun::runEngine(FileState& file, const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toUpper();
    jpg_repair repair;
    if (IsEngineSuffix(suffix))
        repair.RepairFile(path);
    if (stopSeen()) {
        stopAt(file.row->item);
        return false;
    }
    if (suffix == QLatin1String("HEIC")) {
        // A rebuild that writes no file fails like an unknown layout; a stop
        // during it is seen by fail().
        const bool rebuilt = repair.CheckHeic(path) != 0 && repair.CopyHevcData(repair.RebuildHeic(path));
        if (!rebuilt && !fail(file))
            return false;
    }
    if (g_state.invalidFileCount == 1 && IsJpegSuffix(suffix)) {
        if (!repair.SalvageJpeg(path) && !fail(file))
            return false;
    }
    g_state.invalidFileCount = 0;
    return true;
}

bool NormalRun::fail(FileState& file)
{
    if (stopSeen()) {
        stopAt(file.row->item);
        return false;
    }
    setStatus(file, RowFailed);
    emit m_window.setCustomButton(file.position);
    return true;
}

bool NormalRun::addOutputs(FileState& file)
{
    QStringList names = g_state.producedFiles;
    // A salvaged main image is produced after the thumbnails; it leads.
    if (!names.isEmpty() && names.first().contains(QLatin1String("_[T1]")))
        std::reverse(names.begin(), names.end());
    for (const QString& name : qAsConst(names)) {
        if (!addOutput(file, name))
            return false;
    }
    return true;
}

bool NormalRun::addOutput(FileState& file, const QString& name)
{
    if (stopSeen()) {
        stopAt(file.row->item);
        return false;
    }
    const QString kind = QFileInfo(file.row->name).suffix().toUpper();
    const QString folder = g_state.workFolder;
    OutputRowDetails details;
    details.name = QString(name).remove(QLatin1Char('/'));
    details.icon = iconFor(kind);
    QString picture;
    std::optional<QSize> size; // measured once, when first needed

    if (IsJpegSuffix(kind)) {
        if (stopSeen()) {
            stopAt(file.row->item);
            return false;
        }
        if (IsThumbnailName(name)) {
            picture = folder + QStringLiteral("/Thumbnail Repaired/") + name;
            details.type = BrowseRepairDlg::tr("Thumbnail");
        } else {
            picture = folder + QLatin1Char('/') + name;
            markRepaired(file);
            details.type = BrowseRepairDlg::tr("Repaired");
        }
        details.status = RowOutput;
    } else if (kind == QLatin1String("HEIC")) {
        if (file.outputs.isEmpty()) {
            markRepaired(file);
            details.type = BrowseRepairDlg::tr("Repaired");
            details.status = RowOutput;
        }
    } else {
        picture = folder + QLatin1Char('/') + name;
        size = pictureSize(picture);
        m_window.m_imageWidths.append(QString::number(size->width()));
        labelPreviews(file, details);
    }

    const bool stopped = stopSeen();
    if (!picture.isEmpty() && !stopped)
        details.resolution = resolutionText(size ? *size : pictureSize(picture));
    auto* output = new QTreeWidgetItem;
    file.outputs.append(output);
    emit m_window.RunOutputRow(file.row->item, output, details);
    if (stopped) {
        stopAt(file.row->item);
        return false;
    }
    emit m_window.ExpandThumb(file.row->item);
    return true;
}

// Types of the previews of a RAW or TIFF file, the newest being details: the
// first is "Extracted"; of two or three, the widest are "Extracted" and the
// others "Thumbnail"; from the fourth on a row gets neither type nor status.
void NormalRun::labelPreviews(FileState& file, OutputRowDetails& details)
{
    const QStringList& widths = m_window.m_imageWidths;
    const int count = widths.size();
    if (count == 1) {
        markRepaired(file);
        details.type = BrowseRepairDlg::tr("Extracted");
        details.status = RowOutput;
        return;
    }
    if (count > 3)
        return;
    uint widest = 0;
    for (const QString& width : widths)
        widest = qMax(widest, width.toUInt());
    auto typeOf = [&](int i) {
        return widths[i].toUInt() == widest ? BrowseRepairDlg::tr("Extracted") : BrowseRepairDlg::tr("Thumbnail");
    };
    for (int i = 0; i < count - 1; ++i)
        emit m_window.RunRowType(file.outputs[i], typeOf(i));
    details.type = typeOf(count - 1);
    details.status = RowOutput;
}

void NormalRun::setStatus(FileState& file, unsigned int status)
{
    file.status = status;
    emit m_window.RunRowStatus(file.row->item, status);
}

void NormalRun::markRepaired(FileState& file)
{
    setStatus(file, RowRepaired);
    emit m_window.showCustomButton(file.position - 1);
}

void NormalRun::stopAt(QTreeWidgetItem* row)
{
    m_window.m_runStopped = true;
    emit m_window.RunRowStatus(row, RowStopped);
    g_state.runActive = 0;
    emit m_window.RunMarkStopped();
}

void NormalRun::end()
{
    g_state.dhtReplacementSize = 0;
    emit m_window.RunFinalPass();
    emit m_window.ShowThumblabl();
    emit m_window.SetCheckBoxEnabled();
    emit m_window.ThumbChbox();
    emit m_window.SelectAllLable();
    emit m_window.CompletionMsgBox();
    g_state.runActive = 0;
}

} // namespace

void BrowseRepairDlg::RepairSelectedFiles()
{
    NormalRun(*this).execute();
}

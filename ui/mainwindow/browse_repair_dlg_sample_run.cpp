// The two run bodies of the repairs with a sample, on the worker thread.
// Like the normal run they decide from the window's copy of the rows and
// reach the tree only through the window's signals, which the
// user-interface thread applies in the order of emission.
#include "browse_repair_dlg.h"

#include "global_state.h"
#include "jpg_repair.h"
#include "output_names.h"
#include "repair_tree_columns.h"
#include "run_suffixes.h"
#include "sample_run_rows.h"
#include "work_subfolder.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTreeWidgetItem>

namespace {

bool hasJpegSuffix(const QString& name)
{
    return IsJpegSuffix(QFileInfo(name).suffix().toUpper());
}

bool stopSeen()
{
    return g_state.stopRequested != 0;
}

// "<height>x<width>" of a picture; 0x0 when it does not load.
QString resolutionOf(const QString& picture)
{
    const QImage image(picture);
    return QString::number(image.height()) + QLatin1Char('x') + QString::number(image.width());
}

// The engine writes the copy into the work folder itself, while a thumbnail's
// row and its save take it from "Thumbnail Repaired": the copy of a file
// named like a thumbnail moves there. Returns its name in that folder, or an
// empty name when it could not be moved.
QString moveIntoThumbnailFolder(const QString& name)
{
    const QString workFolder = g_state.workFolder;
    const QString thumbnailFolder = madeSubfolder(workFolder, kThumbnailFolderName);
    if (thumbnailFolder.isEmpty())
        return QString();
    const QString target = freeOutputName(thumbnailFolder, QLatin1Char('/') + name);
    if (!QFile::rename(workFolder + QLatin1Char('/') + name, thumbnailFolder + target))
        return QString();
    return target.mid(1);
}

void beginSampleRun(BrowseRepairDlg& window)
{
    emit window.ShowString();
    emit window.displayItem();
    emit window.EnableProgressBar();
    emit window.ShowProgress();
}

// One repair of damaged JPEGs with the header segments of a sample JPEG.
class JpegSampleRun {
public:
    explicit JpegSampleRun(BrowseRepairDlg& window) : m_window(window), m_rows(window.m_sampleRows) {}

    void execute()
    {
        beginSampleRun(m_window);
        if (g_state.applySampleToAll != 0)
            queueEveryFailedRow();
        const QStringList queue = m_window.m_sampleRepairQueue;
        const auto count = uint(queue.size());
        emit m_window.Showlabel();
        emit m_window.SetProgressBarValue(count);
        for (uint k = 1; k <= count; ++k) {
            if (stopSeen() || !repair(queue[int(k - 1)], k, count)) {
                m_window.m_runStopped = true;
                break;
            }
        }
        m_window.EndSampleRun(m_listed);
    }

private:
    void queueEveryFailedRow();
    // False when a stop ends the run.
    bool repair(const QString& path, uint k, uint count);
    bool reportProgress(uint k, uint count);
    void addOutputRow(int row, const QString& outputName);
    int rowOfPath(const QString& path) const;
    void setStatus(int row, unsigned int status);

    BrowseRepairDlg& m_window;
    QVector<SampleRunRow> m_rows;
    bool m_listed = false;
};

void JpegSampleRun::queueEveryFailedRow()
{
    m_window.m_sampleRepairQueue.clear();
    for (int i = 0; i < m_rows.size(); ++i) {
        if (!AwaitsSampleRepair(m_rows[i].status))
            continue;
        m_window.m_sampleRepairQueue.append(m_rows[i].path);
        setStatus(i, RowQueued);
    }
}

bool JpegSampleRun::repair(const QString& path, uint k, uint count)
{
    const int row = rowOfPath(path);
    if (row >= 0)
        setStatus(row, RowSampleRepairing);

    g_state.producedFiles.clear();
    if (!jpg_repair().AdvancedRepair(g_state.samplePath, path) || g_state.producedFiles.isEmpty()) {
        // The row stays failed, so its link is offered again.
        if (row >= 0)
            setStatus(row, RowFailed);
        return true;
    }
    // The engine names the copy itself: a name taken in the work folder
    // gets a number.
    QString outputName = g_state.producedFiles.last();
    if (IsThumbnailName(outputName)) {
        outputName = moveIntoThumbnailFolder(outputName);
        if (outputName.isEmpty()) {
            if (row >= 0)
                setStatus(row, RowFailed);
            return true;
        }
    }

    if (!reportProgress(k, count))
        return false;
    if (row < 0)
        return true;
    emit m_window.showCustomButton(uint(row));
    if (stopSeen())
        return false;
    if (hasJpegSuffix(m_rows[row].name))
        addOutputRow(row, outputName);
    return !stopSeen();
}

bool JpegSampleRun::reportProgress(uint k, uint count)
{
    const QString text = BrowseRepairDlg::tr("Repairing file ") + QString::number(k) + QLatin1Char(' ') +
                         BrowseRepairDlg::tr("of") + QLatin1Char(' ') + QString::number(count);
    const QString percent = QString::number(100 * k / count) + QStringLiteral(" %");
    if (stopSeen())
        return false;
    emit m_window.ShowProgressLabel(text, percent);
    if (stopSeen())
        return false;
    if (count == 1)
        emit m_window.SetOverAllProgress(1);
    else
        emit m_window.SetOverAllProgressOne(k);
    return true;
}

// The repaired copy becomes a checked output row under the file row, which
// loses its own check box.
void JpegSampleRun::addOutputRow(int row, const QString& outputName)
{
    const QString folder = g_state.workFolder;
    OutputRowDetails details;
    details.name = outputName;
    details.icon = OutputIcon::Jpeg;
    QString picture;
    if (IsThumbnailName(outputName)) {
        picture = folder + QStringLiteral("/Thumbnail Repaired/") + outputName;
        details.type = BrowseRepairDlg::tr("Thumbnail");
    } else {
        picture = folder + QLatin1Char('/') + outputName;
        setStatus(row, RowRepaired);
        details.type = BrowseRepairDlg::tr("Repaired");
        details.status = RowOutput;
    }
    details.resolution = resolutionOf(picture);

    QTreeWidgetItem* file = m_rows[row].item;
    auto* output = new QTreeWidgetItem;
    m_listed = true;
    emit m_window.RunOutputRow(file, output, details);
    emit m_window.RunRowCheck(output);
    emit m_window.ExpandThumb(file);
    emit m_window.RunRowUncheck(file);
}

// Paths are unique in the results: the file list refuses a path twice.
int JpegSampleRun::rowOfPath(const QString& path) const
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].path == path)
            return i;
    }
    return -1;
}

void JpegSampleRun::setStatus(int row, unsigned int status)
{
    m_rows[row].status = status;
    emit m_window.RunRowStatus(m_rows[row].item, status);
}

// The file row whose link was clicked last; -1 when there is none.
int rowOfClickedLink(const QVector<SampleRunRow>& rows)
{
    for (int i = 0; i < rows.size(); ++i) {
        if (rows[i].buttonId == quint32(g_state.clickedButtonId))
            return i;
    }
    return -1;
}

} // namespace

void BrowseRepairDlg::RepairJpegWithSample()
{
    m_runStopped = false;
    m_sampleFailure.clear();
    JpegSampleRun(*this).execute();
}

// The last signal of a sample run. One that listed nothing ends as a
// failure, with the reason the run found or else the general one.
void BrowseRepairDlg::EndSampleRun(bool listed)
{
    if (!listed && !m_runStopped && m_sampleFailure.isEmpty())
        m_sampleFailure = tr("The photo could not be repaired with this sample.");
    emit CompletionMsgBox();
}

// Rebuilds the container of the clicked HEIC around its image data with the
// boxes of the sample. A rebuild that yields no usable file leaves the row
// failed, so that its link is offered again; when the sample does not fit
// the damaged photo, the run's ending says so.
void BrowseRepairDlg::RepairHeicWithSample()
{
    m_runStopped = false;
    m_sampleFailure.clear();
    beginSampleRun(*this);
    bool listed = false;
    const int row = rowOfClickedLink(m_sampleRows);
    if (row >= 0) {
        g_state.producedFiles.clear();
        jpg_repair repair;
        const QString rebuilt = repair.RebuildHeicFromSample(m_sampleRows[row].path, g_state.samplePath);
        // The copy also closes the files that the rebuild opened.
        if (repair.CopyHevcData(rebuilt)) {
            QTreeWidgetItem* file = m_sampleRows[row].item;
            emit RunRowStatus(file, RowRepaired);
            OutputRowDetails details;
            details.name = rebuilt;
            details.type = tr("Repaired");
            details.status = RowOutput;
            details.icon = OutputIcon::Heic;
            auto* output = new QTreeWidgetItem;
            emit RunOutputRow(file, output, details);
            listed = true;
            emit RunRowCheck(output);
            emit showCustomButton(uint(row));
            emit ExpandThumb(file);
        } else if (repair.m_heicSampleMismatch) {
            m_sampleFailure = tr("The sample does not match the damaged photo, so the photo could not be "
                                 "repaired with it. Choose a sample taken with the same camera.");
        }
    }
    EndSampleRun(listed);
}

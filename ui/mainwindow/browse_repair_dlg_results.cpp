// The finished results page: row clicks with the preview, the select-all box
// of the results and the "Show Thumbnail" box.
#include "browse_repair_dlg.h"

#include "global_state.h"
#include "my_tree_widget.h"
#include "preview_pictures.h"
#include "repair_tree_columns.h"

#include <QFileInfo>
#include <QGraphicsScene>
#include <QImage>
#include <QImageReader>
#include <QTreeWidgetItemIterator>

namespace {

constexpr int kPreviewWidth = 420;
constexpr int kPreviewHeight = 310;
// Output rows after the first that "Show Thumbnail" hides.
constexpr int kLastHideableChild = 4;

bool isThumbnailName(const QString& name)
{
    return name.contains(QLatin1String("_[T1]"), Qt::CaseInsensitive) ||
           name.contains(QLatin1String("_[T2]"), Qt::CaseInsensitive) ||
           name.contains(QLatin1String("_[T3]"), Qt::CaseInsensitive);
}

QString outputPath(const QTreeWidgetItem* row)
{
    const QString name = row->text(ColName);
    if (isThumbnailName(name))
        return g_state.workFolder + QStringLiteral("/Thumbnail Repaired/") + name;
    return g_state.workFolder + QLatin1Char('/') + name;
}

// The picture decoded no larger than the preview area needs: a large photo
// is decoded scaled down, which keeps the memory and time of a preview small
// whatever size the file declares.
QImage previewPicture(const QString& path, const QSize& area)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > area.width() || size.height() > area.height()))
        reader.setScaledSize(size.scaled(area, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    return reader.read();
}

} // namespace

void BrowseRepairDlg::OnItemClicked(QTreeWidgetItem* row, int)
{
    row->setExpanded(!row->isExpanded());
    UpdateResultsSelection();
    if (g_state.workFolder.isEmpty())
        return;

    const QString path = outputPath(row);
    const QString suffix = QFileInfo(path).completeSuffix().toUpper();
    const QSize area(int(kPreviewWidth * g_state.uiScale), int(kPreviewHeight * g_state.uiScale));
    const QImage image = previewPicture(path, area);
    if (!image.isNull() && row->text(ColStatus) == QLatin1String("4")) {
        ShowPreview(image, suffix == QLatin1String("HEIC"));
        return;
    }
    const QString picture =
        suffix == QLatin1String("HEIC") ? ResultsNotSupportedPicture() : ResultsPlaceholderPicture();
    if (!picture.isEmpty())
        Preview_Label->setPixmap(QPixmap(picture));
    Preview_Label->show();
}

// The results select-all box and Save after a row click. The box counts the
// rows that have a box of their own (the outputs the user can pick); Save
// needs a checked output, unless no row can carry a result at all.
void BrowseRepairDlg::UpdateResultsSelection()
{
    int resultRows = 0;
    int checkedOutputs = 0;
    int tickable = 0;
    int ticked = 0;
    for (QTreeWidgetItemIterator it(m_repairTree); *it; ++it) {
        const unsigned int status = RowStatusOf(*it);
        const bool checked = (*it)->checkState(ColName) == Qt::Checked;
        resultRows += status == RowOutput || status == RowStopped || status == RowFailed;
        checkedOutputs += checked && status == RowOutput;
        if (IsSavableOutput(*it)) {
            ++tickable;
            ticked += checked;
        }
    }
    checkBox1_2->setTristate(true);
    SaveRepairBtn->setEnabled(checkedOutputs >= 1 || resultRows == 0);
    if (ticked == tickable)
        checkBox1_2->setCheckState(Qt::Checked);
    else if (ticked == 0)
        checkBox1_2->setCheckState(Qt::Unchecked);
    else
        checkBox1_2->setCheckState(Qt::PartiallyChecked);
}

// A large picture is fitted into the preview area, keeping its aspect ratio;
// a small one keeps its own size in the top-left part of the area.
void BrowseRepairDlg::ShowPreview(const QImage& image, bool heic)
{
    const float scale = g_state.uiScale;
    const QPixmap pixmap = QPixmap::fromImage(image.convertToFormat(QImage::Format_RGB16));
    const int width = image.width();
    const int height = image.height();
    const int areaWidth = int(kPreviewWidth * scale);
    const int areaHeight = int(kPreviewHeight * scale);
    graphicsView->setFixedSize(areaWidth, areaHeight);
    auto* scene = new QGraphicsScene;
    Preview_Label->hide();

    QRectF fit(0, 0, areaWidth, areaHeight);
    if (width >= kPreviewWidth || height >= kPreviewHeight) {
        scene->addPixmap(pixmap.scaled(areaWidth, areaHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        fit = scene->sceneRect();
    } else {
        const QSize size = heic ? QSize(kPreviewWidth, kPreviewHeight) : QSize(width, height);
        scene->addPixmap(pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    // The view fits only a rectangle of the scene it shows.
    QGraphicsScene* previous = graphicsView->scene();
    graphicsView->setScene(scene);
    delete previous;
    graphicsView->fitInView(fit, Qt::KeepAspectRatio);
    graphicsView->show();
}

void BrowseRepairDlg::OnSaveCheckBoxbtnClicked(bool checked)
{
    g_state.applySampleToAll = 0;
    if (checkBox1_2->isTristate())
        checkBox1_2->setTristate(false);
    // Only outputs get a box: file rows (failed, repaired, queued, in work or
    // without output) and stopped rows never do.
    int checkedRows = 0;
    for (QTreeWidgetItemIterator it(m_repairTree); *it; ++it) {
        if (!IsSavableOutput(*it)) {
            (*it)->setData(ColName, Qt::CheckStateRole, QVariant());
            continue;
        }
        (*it)->setCheckState(ColName, checked ? Qt::Checked : Qt::Unchecked);
        checkedRows += checked;
    }
    SaveRepairBtn->setEnabled(checkedRows >= 1);
}

void BrowseRepairDlg::OnThumbnailHideChkBox(bool checked)
{
    if (checked) {
        ShowLabl->setEnabled(true);
        for (QTreeWidgetItemIterator it(m_repairTree); *it; ++it) {
            if (!(*it)->text(ColResolution).isEmpty())
                (*it)->setHidden(false);
        }
        return;
    }
    ShowLabl->show();
    ShowLabl->setEnabled(true);
    for (QTreeWidgetItemIterator it(m_repairTree); *it; ++it)
        HideAdditionalOutputs(*it);
}

// Keeps the first output row of a file visible and hides its further
// output rows (thumbnails, further previews).
void BrowseRepairDlg::HideAdditionalOutputs(QTreeWidgetItem* file)
{
    const int children = file->childCount();
    if (children == 0)
        return;
    const bool repaired = RowStatusOf(file) == RowRepaired;
    QTreeWidgetItem* first = file->child(0);
    if (repaired)
        first->setHidden(false);
    else if (RowStatusOf(first) == RowOutput)
        first->setHidden(true);
    if (children == 1)
        first->setHidden(false);
    for (int i = 1; i < children && i <= kLastHideableChild; ++i) {
        QTreeWidgetItem* child = file->child(i);
        if (RowStatusOf(child) == RowOutput)
            child->setHidden(true);
        else if (repaired)
            child->setHidden(false);
    }
}

#include "browse_repair_dlg.h"

#include "dialog_look.h"
#include "file_list_columns.h"
#include "global_state.h"
#include "my_tree_widget.h"
#include "repair_finish_dialog.h"
#include "tree_style_sheet.h"
#include "window_frame.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHeaderView>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QTreeWidgetItemIterator>

namespace {

const char* const kImageFilter =
    "Images (*.jpg *.jpeg *.JPEG *.JPG *.NRW *.nrw *.raw *.RAW *.cr2 *.CR2 *.CR3 *.cr3 *.BAY *.bay *.srw *.SRW "
    "*.ARW *.arw *.DNG *.dng *.ERF *.erf *.MRW *.mrw *.NEF *.nef *.ORF *.orf *.PEF *.pef *.RW2 *.rw2 *.SR2 *.sr2 "
    "*.SRF *.SRF *.RAF *.raf *.TIFF *.tiff *.TIF *.tif *.CRW *.crw *.HEIC *.heic *.HEIF *.heif)";

const char* const kAcceptedSuffixes[] = {"JPG", "JPEG", "NRW", "CR2", "ARW", "DNG", "ERF", "MRW",
                                         "NEF", "ORF",  "PEF", "RW2", "SR2", "SRF", "RAF", "TIFF",
                                         "TIF", "CRW",  "CR3", "HEIC", "SRW", "BAY", "RAW"};

const char* const kDateFormat = "ddd MMM dd yyyy hh:mm:ss";

bool isAcceptedSuffix(const QString& suffix)
{
    const QString upper = suffix.toUpper();
    for (const char* accepted : kAcceptedSuffixes) {
        if (upper == QLatin1String(accepted))
            return true;
    }
    return false;
}

// The six languages whose size column needs the wider header.
bool wideSizeColumn()
{
    return g_state.langItalian || g_state.langSpanish || g_state.langChinese || g_state.langDutch
        || g_state.langHindi || g_state.langBrazil;
}

QString infoPicture(float scale)
{
    if (scale == 1.0f)
        return QStringLiteral(":/images/96-DPI/info.png");
    if (scale == 1.25f)
        return QStringLiteral(":/images/120-DPI/info.png");
    if (scale >= 1.5f)
        return QStringLiteral(":/images/144-DPI/info.png");
    return QString();
}

void setButtonLook(QPushButton* button, const QColor& textColour, const QString& text)
{
    QPalette palette = button->palette();
    palette.setBrush(QPalette::All, QPalette::ButtonText, QBrush(textColour, Qt::SolidPattern));
    button->setPalette(palette);
    button->setFont(QFont(QStringLiteral("Segoe UI Semibold"), 10, 75));
    button->setText(text);
}

} // namespace

QString BrowseRepairDlg::FormatSizeKB(qint64 bytes)
{
    const double size = double(bytes);
    const auto gigabytes = qint64(size / double(1 << 30));
    if (gigabytes != 0)
        return QString::number(gigabytes * (1 << 20), 10);
    const auto megabytes = qint64(size / double(1 << 20));
    if (megabytes != 0)
        return QString::number(megabytes * (1 << 10), 10);
    return QString::number(qint64(size / double(1 << 10)), 10);
}

bool BrowseRepairDlg::IsFileAlreadyAdded(const QString& path)
{
    for (QTreeWidgetItemIterator it(m_fileTree); *it; ++it) {
        if (QString::compare((*it)->text(FileColPath), path, Qt::CaseInsensitive) != 0)
            continue;
        auto* message = new repairFinishDialog(this);
        message->repairedLabl->setText(QFileInfo(path).fileName() + QStringLiteral("\n")
                                       + tr("File name already added to list."));
        message->label_8->setText(tr("Already added files"));
        message->label_2->clear();
        const QString picture = infoPicture(g_state.uiScale);
        if (!picture.isEmpty())
            message->label_2->setPixmap(QPixmap(picture));
        CenterWidgetOnRect(message, geometry());
        message->exec();
        delete message;
        return true;
    }
    return false;
}

void BrowseRepairDlg::SetUpFileTree()
{
    const float scale = g_state.uiScale;
    m_fileTreeReady = true;
    g_state.helpAddFiles = 1;
    g_state.helpStart = 0;
    m_fileTree->setColumnCount(9);
    m_fileTree->setGeometry(scaledRect(QRect(22, 250, 805, 252), scale));
    m_fileTree->setHeaderLabels({tr(" File Name"), tr(" Path"), tr(" Size (KB)"), tr("FileID"), tr("ParentID"),
                                 tr("Status"), tr("TemporaryPath"), tr(" Modified Date"), tr(" Created Date")});
    m_fileTree->header()->setVisible(true);
    m_fileTree->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_fileTree->setAutoFillBackground(true);
    m_fileTree->setAlternatingRowColors(true);
    m_fileTree->setTextElideMode(Qt::ElideMiddle);
    for (int column : {FileColFileId, FileColParentId, FileColStatus, FileColTemporaryPath})
        m_fileTree->setColumnHidden(column, true);
    m_fileTree->header()->resizeSection(FileColName, scaledLength(150, scale));
    m_fileTree->header()->resizeSection(FileColPath, scaledLength(150, scale));
    m_fileTree->header()->resizeSection(FileColSize, scaledLength(70, scale));
    m_fileTree->header()->resizeSection(FileColModified, scaledLength(165, scale));
    m_fileTree->header()->resizeSection(FileColCreated, scaledLength(165, scale));
    m_fileTree->setFont(QFont(QStringLiteral("Segoe UI"), 10));
    ApplyTreeStyleSheet(m_fileTree, TreeStyleSheet(scale));
}

void BrowseRepairDlg::AddFileRow(const QString& path)
{
    const float scale = g_state.uiScale;
    const QFileInfo info(path);
    const QIcon icon = QFileIconProvider().icon(info);
    const QString suffix = info.suffix().toUpper();

    auto* row = new QTreeWidgetItem(m_fileTree);
    row->setText(FileColName, info.fileName());
    row->setIcon(FileColName, icon);
    row->setText(FileColPath, path);
    row->setText(FileColSize, FormatSizeKB(info.size()));
    row->setTextAlignment(FileColSize, Qt::AlignRight);
    row->setText(FileColParentId, QStringLiteral("1"));
    row->setText(FileColStatus, QString::number(info.size()));
    row->setText(FileColTemporaryPath, path);
    row->setText(FileColModified, info.lastModified().toString(QLatin1String(kDateFormat)));
    row->setText(FileColCreated, info.birthTime().toString(QLatin1String(kDateFormat)));

    if (suffix == QLatin1String("JPG") || suffix == QLatin1String("JPEG"))
        g_state.jpegIcon = icon;
    else if (suffix == QLatin1String("HEIC"))
        g_state.heicIcon = icon;
    if (suffix != QLatin1String("HEIC"))
        g_state.otherIcon = icon;

    row->setCheckState(FileColName, Qt::Checked);
    const QSize rowSize(scaledLength(20, scale), scaledLength(20, scale));
    for (int column : {FileColName, FileColSize, FileColFileId, FileColParentId, FileColStatus, FileColTemporaryPath})
        row->setSizeHint(column, rowSize);
    for (int column = FileColName; column <= FileColTemporaryPath; ++column)
        row->setFont(column, QFont(QStringLiteral("Segoe UI"), 10));
    m_fileTree->setIconSize(QSize(scaledLength(16, scale), scaledLength(16, scale)));
    row->setText(FileColFileId, QString::number(m_nextFileId++));
    ++m_addedFileCount;
}

void BrowseRepairDlg::UpdateSelectAllState()
{
    int rows = 0;
    int checked = 0;
    int unchecked = 0;
    for (QTreeWidgetItemIterator it(m_fileTree); *it; ++it) {
        ++rows;
        const Qt::CheckState state = (*it)->checkState(FileColName);
        checked += state == Qt::Checked;
        unchecked += state == Qt::Unchecked;
    }
    if (rows == 0)
        return;
    if (checked == rows) {
        checkBox1->setCheckState(Qt::Checked);
    } else if (unchecked == rows) {
        checkBox1->setCheckState(Qt::Unchecked);
        StartRepairFilesBtnN->setEnabled(false);
    } else {
        checkBox1->setCheckState(Qt::PartiallyChecked);
    }
}

void BrowseRepairDlg::AddFilesProcess()
{
    m_selectedFiles = QFileDialog::getOpenFileNames(this, tr("Select Images"), QString(),
                                                    QString::fromLatin1(kImageFilter));
    g_state.helpStart = 0;
    setButtonLook(AddFilesBtnN, Qt::black, tr("Add"));
    setButtonLook(StartRepairFilesBtnN, Qt::white, tr("Repair"));

    if (m_selectedFiles.isEmpty()) {
        if (m_addedFileCount == 0) {
            RemovFileBtnN->setEnabled(false);
            Add_FilesmainString->show();
            m_addFileButton->show();
            StartRepairFilesBtnN->hide();
            StartRepairFilesBtnN->setEnabled(false);
            label_2->setEnabled(false);
        }
        return;
    }

    m_addFileButton->hide();
    StartRepairFilesBtnN->setEnabled(false);
    if (!m_fileTreeReady)
        SetUpFileTree();
    if (wideSizeColumn())
        m_fileTree->header()->resizeSection(FileColSize, scaledLength(110, g_state.uiScale));

    for (const QString& path : qAsConst(m_selectedFiles)) {
        QCoreApplication::processEvents();
        if (!IsFileAlreadyAdded(path)) {
            g_state.fileSuffix = QFileInfo(path).suffix();
            if (isAcceptedSuffix(g_state.fileSuffix))
                AddFileRow(path);
        }
        AddFilesBtnN->setEnabled(false);
    }

    AddFilesBtnN->show();
    AddFilesBtnN->setEnabled(true);
    Add_FilesmainString->hide();
    m_addFileButton->hide();
    RemovFileBtnN->setEnabled(true);
    StartRepairFilesBtnN->show();
    StartRepairFilesBtnN->setEnabled(true);
    label_2->show();
    label_2->setEnabled(true);
    checkBox1->show();
    checkBox1->setEnabled(true);
    UpdateSelectAllState();
    g_state.helpAddFiles = 1;
}

void BrowseRepairDlg::OnCheckBoxbtnClicked(bool checked)
{
    checkBox1->setTristate(false);
    for (QTreeWidgetItemIterator it(m_fileTree); *it; ++it)
        (*it)->setCheckState(FileColName, checked ? Qt::Checked : Qt::Unchecked);
    StartRepairFilesBtnN->setEnabled(checked);
    if (!checked)
        RemovFileBtnN->setEnabled(false);
}

void BrowseRepairDlg::OnRepairItemClicked(QTreeWidgetItem* item, int /*column*/)
{
    RemovFileBtnN->setEnabled(true);
    int checked = 0;
    int notChecked = 0;
    const Qt::CheckState clicked = item ? item->checkState(FileColName) : Qt::PartiallyChecked;
    if (clicked != Qt::PartiallyChecked) {
        for (QTreeWidgetItemIterator it(m_fileTree); *it; ++it) {
            if ((*it)->checkState(FileColName) == Qt::Checked)
                ++checked;
            else
                ++notChecked;
        }
    }
    checkBox1->setTristate(true);
    if (checked > 0 && notChecked > 0) {
        checkBox1->setCheckState(Qt::PartiallyChecked);
        StartRepairFilesBtnN->setEnabled(true);
    } else if (notChecked == 0) {
        checkBox1->setCheckState(Qt::Checked);
        StartRepairFilesBtnN->setEnabled(true);
    } else {
        checkBox1->setCheckState(Qt::Unchecked);
        StartRepairFilesBtnN->setEnabled(false);
        RemovFileBtnN->setEnabled(false);
    }
}

void BrowseRepairDlg::RemoveFrmListProcess()
{
    for (int i = 0; i < m_fileTree->topLevelItemCount();) {
        QTreeWidgetItem* row = m_fileTree->topLevelItem(i);
        if (row->checkState(FileColName) == Qt::Checked) {
            delete m_fileTree->takeTopLevelItem(i);
        } else {
            for (int j = 0; j < row->childCount();) {
                if (row->child(j)->checkState(FileColName) == Qt::Checked)
                    delete row->takeChild(j);
                else
                    ++j;
            }
            ++i;
        }
        checkBox1->setCheckState(Qt::Unchecked);
    }

    int rows = 0;
    bool anyChecked = false;
    for (QTreeWidgetItemIterator it(m_fileTree); *it; ++it) {
        ++rows;
        anyChecked = anyChecked || (*it)->checkState(FileColName) == Qt::Checked;
    }
    if (rows == 0) {
        checkBox1->setCheckState(Qt::Unchecked);
        checkBox1->setEnabled(false);
        RemovFileBtnN->setEnabled(false);
        label_2->setEnabled(false);
        StartRepairFilesBtnN->setEnabled(false);
    }
    if (!anyChecked)
        StartRepairFilesBtnN->setEnabled(false);
}

#include "folder_exist.h"

#include "keyboard_answers.h"
#include "global_state.h"
#include "save_dialog_layouts.h"
#include "save_names.h"
#include "surface_drag.h"

#include <QFileInfo>

FolderExist::FolderExist()
    : QDialog(nullptr), m_dragOffset(0, 0)
{
    setupUi(this);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    SetLanguageGeometry();
    applyHeader();
    lower_barlabel->setStyleSheet(QLatin1String(kWhiteStyle));
    applyImageStyle(label_3, QStringLiteral("border-image:url(:/images/96-DPI/24.png);"));

    g_state.folderCancel = 0;
    g_state.folderRename = 0;

    connect(RenameBtn, SIGNAL(clicked()), this, SLOT(RenameProc()));
    connect(OverwriteBtn, SIGNAL(clicked()), this, SLOT(OverWriteProc()));
    connect(CancelBtn, SIGNAL(clicked()), this, SLOT(CancelProc()));
    setKeyboardAnswers(this, RenameBtn, CancelBtn, {RenameBtn, OverwriteBtn, CancelBtn, RenameToText});
}

FolderExist::~FolderExist() = default;

void FolderExist::applyHeader()
{
    applyHeaderLook(label_8, tr("Folder Exists"));
}

void FolderExist::ProposeFolderName()
{
    FolderNameTxt->setText(g_state.saveFolderName);
    // A plain file of a candidate's name does not block it; only a folder
    // does.
    quint16 counter = 0;
    QString name;
    do {
        ++counter;
        name = copyName(counter, g_state.saveFolderName);
    } while (QFileInfo(g_state.saveParentFolder + QLatin1String("//") + name + QLatin1String("//")).isDir());
    RenameToText->setText(name);
}

void FolderExist::SetLanguageGeometry()
{
    m_rects = folderExistLayout(layoutLanguage());
    m_rects.size = QSize(m_baseWidth, m_baseHeight);
    applyDialogLayout(this, m_rects);
}

void FolderExist::showEvent(QShowEvent* event)
{
    ProposeFolderName();
    RenameBtn->setFocus();
    QDialog::showEvent(event);
}

void FolderExist::RenameProc()
{
    g_state.folderRename = 1;
    g_state.saveFolderName = RenameToText->text();
    close();
}

void FolderExist::OverWriteProc()
{
    g_state.folderRename = 0;
    g_state.overwriteFolder = 1;
    close();
}

void FolderExist::CancelProc()
{
    g_state.folderCancel = 1;
    close();
}

void FolderExist::mousePressEvent(QMouseEvent* event)
{
    beginSurfaceDrag(this, event, m_dragging, m_dragOffset);
}

void FolderExist::mouseMoveEvent(QMouseEvent* event)
{
    followSurfaceDrag(this, event, m_dragOffset);
}

void FolderExist::mouseReleaseEvent(QMouseEvent* event)
{
    endSurfaceDrag(this, event, m_dragging, m_dragOffset);
}

void FolderExist::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        applyHeader();
        SetLanguageGeometry();
    }
    QDialog::changeEvent(event);
}

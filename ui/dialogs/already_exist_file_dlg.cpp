#include "already_exist_file_dlg.h"

#include "button_columns.h"
#include "keyboard_answers.h"
#include "global_state.h"
#include "save_dialog_layouts.h"
#include "save_names.h"
#include "surface_drag.h"
#include "ui_alreadyexistfiledlg.h"

#include <QFileInfo>
#include <QKeyEvent>

namespace {

// At 96 DPI: the margin right of the last column of buttons, the narrowest
// button, the room beside a button's text and the least gap between columns.
const int kEdgeMargin = 14;
const int kButtonWidth = 101;
const int kTextPadding = 24;
const int kColumnGap = 8;

} // namespace

AlreadyExistFileDlg::AlreadyExistFileDlg(QWidget* parent)
    : QDialog(parent), m_ui(new Ui_AlreadyExistFileDlg), m_dragOffset(0, 0)
{
    m_ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    // The answers' font is set before their columns are measured for it.
    for (QPushButton* button : {m_ui->RenameBtn, m_ui->OverwriteBtn, m_ui->SkipBtn, m_ui->RenameAllBtn,
                                m_ui->OverwriteAllBtn, m_ui->SkipAllBtn})
        button->setFont(bodyFont());
    SetLanguageGeometry();
    applyHeader();
    m_ui->lower_barlabel->setStyleSheet(QLatin1String(kWhiteStyle));
    applyImageStyle(m_ui->label_3, QStringLiteral("border-image:url(:/images/96-DPI/24.png);"));

    connect(m_ui->RenameBtn, SIGNAL(clicked()), this, SLOT(OnRenameButton()));
    connect(m_ui->OverwriteBtn, SIGNAL(clicked()), this, SLOT(OnWriteButton()));
    connect(m_ui->SkipBtn, SIGNAL(clicked()), this, SLOT(OnSkipButton()));
    connect(m_ui->RenameAllBtn, SIGNAL(clicked()), this, SLOT(OnRenameAllButton()));
    connect(m_ui->OverwriteAllBtn, SIGNAL(clicked()), this, SLOT(OnOverwriteAllButton()));
    connect(m_ui->SkipAllBtn, SIGNAL(clicked()), this, SLOT(OnSkipAllButton()));
    setKeyboardAnswers(this, m_ui->RenameBtn, nullptr,
                       {m_ui->RenameBtn, m_ui->OverwriteBtn, m_ui->SkipBtn, m_ui->RenameAllBtn, m_ui->OverwriteAllBtn,
                        m_ui->SkipAllBtn, m_ui->RenameFileText});
}

AlreadyExistFileDlg::~AlreadyExistFileDlg()
{
    delete m_ui;
}

void AlreadyExistFileDlg::applyHeader()
{
    applyHeaderLook(m_ui->label_8, tr("File Exists"));
}

void AlreadyExistFileDlg::ProposeNewName()
{
    const QString name = g_state.saveFileName;
    m_ui->FileNameText->setText(name);

    const QString folder = g_state.saveRoot + saveSubfolder(name, g_state.fileSuffix);
    QString proposal = name;
    if (QFileInfo::exists(folder + name)) {
        // Step over "Copy(N)_" names taken by earlier saves, so that Rename
        // always names a free file.
        do {
            ++g_state.copyCounter;
            proposal = copyName(g_state.copyCounter, name);
        } while (QFileInfo::exists(folder + proposal));
    }
    m_ui->RenameFileText->setText(proposal);

    const bool single = g_state.resultIndex == 1;
    for (QPushButton* button : {m_ui->RenameAllBtn, m_ui->OverwriteAllBtn, m_ui->SkipAllBtn})
        button->setVisible(!single);
}

void AlreadyExistFileDlg::SetLanguageGeometry()
{
    m_rects = alreadyExistFileLayout(layoutLanguage());
    m_rects.size = QSize(m_baseWidth, m_baseHeight);
    applyDialogLayout(this, m_rects);
    const float scale = g_state.uiScale;
    placeButtonColumns({{m_ui->RenameBtn, m_ui->OverwriteBtn, m_ui->SkipBtn},
                        {m_ui->RenameAllBtn, m_ui->OverwriteAllBtn, m_ui->SkipAllBtn}},
                       {m_ui->label_2->x(), width() - scaledLength(kEdgeMargin, scale),
                        scaledLength(kButtonWidth, scale), scaledLength(kTextPadding, scale),
                        scaledLength(kColumnGap, scale)});
}

void AlreadyExistFileDlg::showEvent(QShowEvent* event)
{
    g_state.overwriteThis = 0;
    g_state.renameThis = 0;
    g_state.skipThis = 0;
    g_state.overwriteAll = 0;
    g_state.renameAll = 0;
    g_state.skipAll = 0;
    ProposeNewName();
    m_ui->RenameBtn->setFocus();
    QDialog::showEvent(event);
}

// Escape answers as Skip All (also when only Skip is shown, where the two
// are one), so one key ends a save of many clashes.
void AlreadyExistFileDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_ui->SkipAllBtn->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void AlreadyExistFileDlg::OnOverwriteAllButton()
{
    g_state.overwriteAll = 1;
    close();
}

void AlreadyExistFileDlg::OnRenameAllButton()
{
    g_state.renameAll = 1;
    close();
}

void AlreadyExistFileDlg::OnRenameButton()
{
    g_state.renamedFileName = m_ui->RenameFileText->text();
    g_state.renameThis = 1;
    close();
}

void AlreadyExistFileDlg::OnSkipAllButton()
{
    g_state.skipAll = 1;
    g_state.skipThis = 1;
    close();
}

void AlreadyExistFileDlg::OnSkipButton()
{
    g_state.skipThis = 1;
    close();
}

void AlreadyExistFileDlg::OnWriteButton()
{
    g_state.overwriteThis = 1;
    close();
}

void AlreadyExistFileDlg::mousePressEvent(QMouseEvent* event)
{
    beginSurfaceDrag(this, event, m_dragging, m_dragOffset);
}

void AlreadyExistFileDlg::mouseMoveEvent(QMouseEvent* event)
{
    followSurfaceDrag(this, event, m_dragOffset);
}

void AlreadyExistFileDlg::mouseReleaseEvent(QMouseEvent* event)
{
    endSurfaceDrag(this, event, m_dragging, m_dragOffset);
}

void AlreadyExistFileDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        applyHeader();
        SetLanguageGeometry();
    }
    QDialog::changeEvent(event);
}

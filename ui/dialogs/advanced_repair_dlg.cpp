#include "advanced_repair_dlg.h"

#include "keyboard_answers.h"
#include "dialog_layouts.h"
#include "global_state.h"
#include "reference_file_dlg.h"
#include "window_frame.h"

#include <QPalette>

namespace {

const int kStripWidth = 500;

void paintButtonTextWhite(QPushButton* button)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::Active, QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::Inactive, QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, Qt::white);
    button->setPalette(palette);
}

} // namespace

AdvancedRepairDlg::AdvancedRepairDlg(BrowseRepairDlg* owner, QString path, ReferenceFileDlg* next)
    : FramelessDialog(nullptr, kStripWidth), m_sampleDialog(next)
{
    Q_UNUSED(owner);
    setupUi(this);
    setWindowFlags(Qt::SplashScreen);
    // Nothing refers to the dialog once its run is over; exec() deletes it.
    setAttribute(Qt::WA_DeleteOnClose);
    m_geometry.size = QSize(502, 275);
    SetLanguageGeometry();
    g_state.dialogPath = path;

    connect(NextBtn, SIGNAL(clicked()), this, SLOT(OnclickedNextDialog()));
    connect(cancle, SIGNAL(clicked()), this, SLOT(OnCancle()));
    setKeyboardAnswers(this, NextBtn, cancle, {NextBtn, cancle});

    frame->setStyleSheet(QLatin1String(kPanelStyle));
    label_4->setStyleSheet(QLatin1String(kPanelStyle));
    applyImageStyle(label_4, QLatin1String(kTitleIconStyle));
    applyImageStyle(label_2, QStringLiteral("border-image:url(:/images/96-DPI/Advance-repair-updated-icon.png);"));
    applyImageStyle(NextBtn, QStringLiteral(
        "QPushButton{min-height: 20px;min-width: 20px; border-image: url(:/images/96-DPI/next.png)}"));
    applyImageStyle(cancle, QStringLiteral(
        "QPushButton{min-height: 20px;min-width: 20px; border-image: url(:/images/96-DPI/Cancel - Hot.png)}"));

    paintButtonTextWhite(NextBtn);
    NextBtn->setFont(headerFont());
    NextBtn->setText(tr("Next"));
    cancle->setFont(headerFont());
    cancle->setText(tr("Cancel"));
    label_3->setStyleSheet(QLatin1String(kWhiteStyle));
    applyTexts();
}

AdvancedRepairDlg::~AdvancedRepairDlg() = default;

void AdvancedRepairDlg::applyTexts()
{
    applyHeaderLook(label_8, tr("Pictavo "));
}

void AdvancedRepairDlg::SetLanguageGeometry()
{
    m_geometry = advancedRepairLayout(layoutLanguage());
    applyDialogLayout(this, m_geometry);
}

void AdvancedRepairDlg::prepareSampleDialog()
{
    ReferenceFileDlg* sample = m_sampleDialog;
    sample->RefPath_Edit->clear();
    sample->refe_CheckBox->setChecked(false);
    sample->refe_CheckBox->setEnabled(false);
    sample->RefRepairBtn->setEnabled(false);

    applyImageStyle(sample->RefRepairBtn, QStringLiteral(
        "QPushButton{min-height: 20px;min-width: 20px; border-image: url(:/images/96-DPI/Repair 1.png)}"
        "QPushButton:disabled { border-image: url(:/images/96-DPI/Repair 2.png);}"));
    paintButtonTextWhite(sample->RefRepairBtn);
    sample->RefRepairBtn->setFont(headerFont());
    sample->RefRepairBtn->setText(tr("Repair"));

    const QString suffix = g_state.fileSuffix.toUpper();
    if (suffix == QLatin1String("JPG") || suffix == QLatin1String("JPEG")) {
        sample->label->setText(tr("Add a sample JPEG:"));
        sample->refe_CheckBox->setEnabled(false);
        sample->refe_CheckBox->show();
        sample->label_2->show();
    } else if (suffix == QLatin1String("HEIC") || suffix == QLatin1String("HEIF")) {
        sample->refe_CheckBox->hide();
        sample->label_2->hide();
        sample->label->setText(tr("Add a sample HEIC:"));
    }
}

void AdvancedRepairDlg::OnclickedNextDialog()
{
    hide();
    g_state.helpAdvanced = 1;
    if (!m_sampleDialog)
        return;
    prepareSampleDialog();
    CenterWidgetOnRect(m_sampleDialog, geometry());
    m_sampleDialog->exec();
}

void AdvancedRepairDlg::OnCancle()
{
    close();
    g_state.helpAdvanced = 0;
}

void AdvancedRepairDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        applyTexts();
        SetLanguageGeometry();
    }
    QWidget::changeEvent(event);
}

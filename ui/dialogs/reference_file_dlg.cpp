#include "reference_file_dlg.h"

#include "keyboard_answers.h"
#include "dialog_layouts.h"
#include "global_state.h"

#include <QFileDialog>

namespace {

const int kStripWidth = 514;

bool isJpegSuffix(const QString& upperSuffix)
{
    return upperSuffix == QLatin1String("JPG") || upperSuffix == QLatin1String("JPEG");
}

bool isHeicSuffix(const QString& upperSuffix)
{
    return upperSuffix == QLatin1String("HEIC") || upperSuffix == QLatin1String("HEIF");
}

} // namespace

ReferenceFileDlg::ReferenceFileDlg(BrowseRepairDlg* owner, QString path)
    : FramelessDialog(nullptr, kStripWidth)
{
    Q_UNUSED(owner);
    setupUi(this);
    setWindowFlags(Qt::SplashScreen);
    m_geometry.size = QSize(514, 232);
    SetLanguageGeometry();
    g_state.dialogPath = path;
    g_state.applySampleToAll = 0;
    SetLanguageGeometry();

    connect(RefBrowse_Btn, SIGNAL(clicked()), this, SLOT(OnBrowseRefrenceFile()));
    connect(cancle, SIGNAL(clicked()), this, SLOT(OnCancle()));
    setKeyboardAnswers(this, RefBrowse_Btn, cancle, {RefBrowse_Btn, refe_CheckBox, RefRepairBtn, cancle});
    keepFocusOnClick(RefBrowse_Btn);

    label_4->setStyleSheet(QLatin1String(kPanelStyle));
    frame->setStyleSheet(QLatin1String(kPanelStyle));
    applyImageStyle(label_4, QLatin1String(kTitleIconStyle));
    if (imageSetFolder(g_state.uiScale) == QLatin1String(":/images/144-DPI/")) {
        // The 144-DPI set names its two Browse faces the other way round.
        RefBrowse_Btn->setStyleSheet(QStringLiteral(
            "QPushButton{min-height: 20px;min-width: 20px; border-image: url(:/images/144-DPI/Browser 1.png)}"
            "QPushButton:pressed { border-image: url(:/images/144-DPI/Browser 2.png);}"));
    } else {
        applyImageStyle(RefBrowse_Btn, QStringLiteral(
            "QPushButton{min-height: 20px;min-width: 20px; border-image: url(:/images/96-DPI/Browser 2.png)}"
            "QPushButton:pressed { border-image: url(:/images/96-DPI/Browser 1.png);}"));
    }
    applyImageStyle(cancle, QStringLiteral(
        "QPushButton{min-height: 20px;min-width: 20px; border-image: url(:/images/96-DPI/Cancel- Normal.png)}"));
    applyImageStyle(refe_CheckBox, QStringLiteral(
        "QCheckBox::indicator:checked {image: url(:/images/96-DPI/img_SelectCheckBox.png);}"
        "QCheckBox::indicator:unchecked {image: url(:/images/96-DPI/img_UnSelectCheckBox.png);}"));
    label_3->setStyleSheet(QLatin1String(kWhiteStyle));
    applyTexts();

    RefPath_Edit->clear();
    refe_CheckBox->setChecked(false);
    refe_CheckBox->setEnabled(false);
    RefRepairBtn->setEnabled(false);
    g_state.samplePath.clear();
}

ReferenceFileDlg::~ReferenceFileDlg() = default;

void ReferenceFileDlg::applyTexts()
{
    applyHeaderLook(label_8, tr("Pictavo "));
    RefBrowse_Btn->setFont(headerFont());
    RefBrowse_Btn->setText(tr("Browse"));
    cancle->setFont(headerFont());
    cancle->setText(tr("Cancel"));
    label_2->setFont(headerFont());
    label_2->setText(tr("Apply to all JPEG of same format."));
    label->setFont(headerFont());
}

void ReferenceFileDlg::SetLanguageGeometry()
{
    m_geometry = referenceFileLayout(layoutLanguage());
    applyDialogLayout(this, m_geometry);
}

QString ReferenceFileDlg::pickSample(const QString& filter)
{
    return QFileDialog::getOpenFileName(this, tr("Add File"), QStringLiteral("/home"), filter);
}

// The suffix is compared in upper case, as the intro dialog does, so a
// "Jpg" or "Heic" file can be given a sample too. Each kind of sample clears
// the other kind's flag, so the run that follows is the one asked for.
void ReferenceFileDlg::OnBrowseRefrenceFile()
{
    g_state.samplePath.clear();
    const QString suffix = g_state.fileSuffix.toUpper();
    if (isJpegSuffix(suffix)) {
        g_state.samplePath = pickSample(QStringLiteral("Images (*.JPEG *.JPG *.jpg *.jpeg )"));
        g_state.applySampleToAll = 0;
        g_state.jpegSampleMode = 1;
        g_state.heicSampleMode = 0;
        refe_CheckBox->setChecked(false);
        refe_CheckBox->show();
        refe_CheckBox->setEnabled(true);
    } else if (isHeicSuffix(suffix)) {
        g_state.samplePath = pickSample(QStringLiteral("Images (*.HEIC *.HEIF *.heic *.heif)"));
        g_state.heicSampleMode = 1;
        g_state.jpegSampleMode = 0;
        refe_CheckBox->hide();
        label_2->hide();
    }
    RefPath_Edit->setText(g_state.samplePath);
    RefRepairBtn->setEnabled(!g_state.samplePath.isEmpty());
    setAnswerForReturn();
}

// Return browses for a sample until one is chosen, and repairs with it
// afterwards; the answer it presses has the focus.
void ReferenceFileDlg::setAnswerForReturn()
{
    const bool sampleChosen = RefRepairBtn->isEnabled();
    RefBrowse_Btn->setDefault(!sampleChosen);
    RefRepairBtn->setDefault(sampleChosen);
    (sampleChosen ? RefRepairBtn : RefBrowse_Btn)->setFocus();
}

void ReferenceFileDlg::showEvent(QShowEvent* event)
{
    setAnswerForReturn();
    FramelessDialog::showEvent(event);
}

void ReferenceFileDlg::OnHideDialog()
{
    hide();
}

void ReferenceFileDlg::OnCancle()
{
    close();
    g_state.applySampleToAll = 0;
    RefRepairBtn->setEnabled(false);
}

void ReferenceFileDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        applyTexts();
        SetLanguageGeometry();
    }
    QWidget::changeEvent(event);
}

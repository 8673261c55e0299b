#include "saving_finish_dlg.h"

#include "keyboard_answers.h"
#include "global_state.h"
#include "link_line.h"
#include "save_dialog_layouts.h"
#include "shell_open.h"

#include <QDebug>
#include <QPixmap>
#include <QRegion>

namespace {
const int kStripWidth = 498;
// The right end of the link's sentence and the top of the lower bar, at 96 DPI.
const int kSentenceRight = 480;
const int kLowerBarTop = 135;
} // namespace

SavingFinishDlg::SavingFinishDlg(QWidget* parent, QString savedFolder)
    : FramelessDialog(parent, kStripWidth)
{
    setupUi(this);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    m_geometry.size = QSize(498, 174);
    SetLanguageGeometry();

    label_3->setStyleSheet(QLatin1String(kPanelStyle));
    frame->setStyleSheet(QLatin1String(kPanelStyle));

    const QString folder = imageSetFolder(g_state.uiScale);
    if (!folder.isEmpty()) {
        label_3->setStyleSheet(imageStyle(QLatin1String(kTitleIconStyle)));
        OkBtn->setStyleSheet(imageStyle(QStringLiteral(
            "QPushButton{min-height: 20px;min-width: 20px; border-image: url(:/images/96-DPI/OK- Normal.png)}"
            "QPushButton:hover { border-image: url(:/images/96-DPI/OK- Hot.png);}"
            "QPushButton:pressed { border-image: url(:/images/96-DPI/OK- Hot.png);}")));
        showPictureFitted(label_2, QPixmap(folder + QLatin1String("logo_small.png")));
    }
    applyTexts();
    connect(OkBtn, SIGNAL(clicked()), this, SLOT(OnOK()));
    setStyleSheet(QStringLiteral("background-color: midlight;"));
    g_state.dialogPath = savedFolder;
    ViewSavedFiles->setStyleSheet(QStringLiteral("border:none"));
    connect(ViewSavedFiles, SIGNAL(clicked()), this, SLOT(ShowDestPath()));
    setKeyboardAnswers(this, OkBtn, nullptr, {OkBtn, ViewSavedFiles});
    keepFocusOnClick(ViewSavedFiles);
}

SavingFinishDlg::~SavingFinishDlg() = default;

void SavingFinishDlg::applyTexts()
{
    applyHeaderLook(label_8, tr("Saving Complete"));
    lower_barlabel->setStyleSheet(QLatin1String(kWhiteStyle));
    label_5->setFont(headerFont());
    label_5->setText(tr("Image(s) saved successfully."));
    OkBtn->setFont(headerFont());
    OkBtn->setText(tr("OK"));
}

void SavingFinishDlg::SetLanguageGeometry()
{
    m_geometry = savingFinishLayout(layoutLanguage());
    applyDialogLayout(this, m_geometry);
    const float scale = g_state.uiScale;
    // The Japanese, Chinese and Korean sentences go on from the link's word.
    const LayoutLanguage language = layoutLanguage();
    const bool joined = language == LayoutLanguage::Japanese || language == LayoutLanguage::Chinese ||
                        language == LayoutLanguage::Korean;
    placeLinkLine(ViewSavedFiles, label_4, label_5, scaledLength(kSentenceRight, scale),
                  scaledLength(kLowerBarTop, scale), joined ? LinkJoin::Direct : LinkJoin::Space);
}

void SavingFinishDlg::OnOK()
{
    // The "Copy(N)_" numbering of the save prompts starts again with the
    // next save only once the user has confirmed this one.
    g_state.copyCounter = 0;
    close();
}

void SavingFinishDlg::ShowDestPath()
{
    qDebug() << g_state.dialogPath;
    platform::openInShell(g_state.dialogPath);
}

void SavingFinishDlg::resizeEvent(QResizeEvent*)
{
    setMask(QRegion(rect()));
}

void SavingFinishDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        applyTexts();
        SetLanguageGeometry();
    }
    QWidget::changeEvent(event);
}

#include "browse_repair_dlg.h"

#include "close_application_dlg.h"
#include "global_state.h"
#include "language_table.h"
#include "my_tree_widget.h"
#include "settings_store.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPalette>

namespace {

// Per LanguageType value: the language's entry in m_langActions.
const int kActionIndexOfType[kLanguageCount] = {
    BrowseRepairDlg::LangEnglish, BrowseRepairDlg::LangGerman,  BrowseRepairDlg::LangFrench,
    BrowseRepairDlg::LangItalian, BrowseRepairDlg::LangSpanish, BrowseRepairDlg::LangJapanese,
    BrowseRepairDlg::LangChinese, BrowseRepairDlg::LangKorean,  BrowseRepairDlg::LangDutch,
    BrowseRepairDlg::LangBrazil,  BrowseRepairDlg::LangHindi,
};

enum LanguageTypeValue { English, German, French, Italian, Spanish, Japanese, Chinese, Korean, Dutch, Brazil, Hindi };

// The current language's LanguageType value: the first set flag in this
// order, English when none of the others is set.
int currentLanguageType()
{
    for (int type : {German, French, Italian, Spanish, Korean, Japanese, Dutch, Hindi, Brazil, Chinese})
        if (g_state.*FindLanguage(type)->flag)
            return type;
    return English;
}

QFont captionFont()
{
    return QFont(QStringLiteral("Segoe UI Semibold"), 10, 75, false);
}

void styleCaptionedButton(QPushButton* button, Qt::GlobalColor textColour, const QString& text)
{
    QPalette palette = QGuiApplication::palette();
    palette.setBrush(QPalette::All, QPalette::ButtonText, QBrush(textColour, Qt::SolidPattern));
    button->setPalette(palette);
    button->setFont(captionFont());
    button->setText(text);
}

bool sizeColumnWidened()
{
    return g_state.langItalian || g_state.langSpanish || g_state.langJapanese || g_state.langChinese ||
           g_state.langBrazil || g_state.langDutch || g_state.langHindi;
}

} // namespace

void BrowseRepairDlg::LoadEnglishLanguages() { SwitchLanguage(English, 0); }
void BrowseRepairDlg::LoadGermanLanguages() { SwitchLanguage(German, 0); }
void BrowseRepairDlg::LoadFrenchLanguages() { SwitchLanguage(French, 0); }
void BrowseRepairDlg::LoadItalianLanguages() { SwitchLanguage(Italian, 0); }
void BrowseRepairDlg::LoadSpanishLanguages() { SwitchLanguage(Spanish, 0); }
void BrowseRepairDlg::LoadJapaneseLanguages() { SwitchLanguage(Japanese, 0); }
void BrowseRepairDlg::LoadChineseLanguages() { SwitchLanguage(Chinese, 0); }
void BrowseRepairDlg::LoadKoreanLanguages() { SwitchLanguage(Korean, 0); }
void BrowseRepairDlg::LoadDutchLanguages() { SwitchLanguage(Dutch, 0); }
void BrowseRepairDlg::LoadBrazilLanguages() { SwitchLanguage(Brazil, 0); }
void BrowseRepairDlg::LoadHindiLanguages() { SwitchLanguage(Hindi, 0); }

void BrowseRepairDlg::LoadEnglishLanguages2() { SwitchLanguage(English, 1); }
void BrowseRepairDlg::LoadGermanLanguages2() { SwitchLanguage(German, 1); }
void BrowseRepairDlg::LoadFrenchLanguages2() { SwitchLanguage(French, 1); }
void BrowseRepairDlg::LoadItalianLanguages2() { SwitchLanguage(Italian, 1); }
void BrowseRepairDlg::LoadSpanishLanguages2() { SwitchLanguage(Spanish, 1); }
void BrowseRepairDlg::LoadJapaneseLanguages2() { SwitchLanguage(Japanese, 1); }
void BrowseRepairDlg::LoadChineseLanguages2() { SwitchLanguage(Chinese, 1); }
void BrowseRepairDlg::LoadKoreanLanguages2() { SwitchLanguage(Korean, 1); }
void BrowseRepairDlg::LoadDutchLanguages2() { SwitchLanguage(Dutch, 1); }
void BrowseRepairDlg::LoadBrazilLanguages2() { SwitchLanguage(Brazil, 1); }
void BrowseRepairDlg::LoadHindiLanguages2() { SwitchLanguage(Hindi, 1); }

// The window re-texts itself when the toolkit then delivers the language
// change; this only makes the language current and swaps the translators.
void BrowseRepairDlg::SwitchLanguage(int type, int page)
{
    SetLanguageFlags(type);
    platform::openSettings(g_state.settingsPath)->setValue(QStringLiteral("LanguageType"), type);
    if (page == 0)
        UpdateLanguageChecks();
    else
        UpdateLanguageChecks2();

    bool announced = false;
    for (int other = 0; other < kLanguageCount; ++other) {
        if (other == type)
            continue;
        const LanguageInfo* language = FindLanguage(other);
        announced |= QCoreApplication::removeTranslator(language->toolkitTranslator);
        announced |= QCoreApplication::removeTranslator(language->applicationTranslator);
    }
    const LanguageInfo& chosen = *FindLanguage(type);
    InstallLanguage(chosen);
    announced |= !chosen.toolkitTranslator->isEmpty() || !chosen.applicationTranslator->isEmpty();
    // The toolkit announces a change only when a catalogue came or went; a
    // switch between languages without catalogues must still re-lay out the
    // window and swap its pictures.
    if (!announced) {
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
    }
}

void BrowseRepairDlg::UpdateLanguageChecks()
{
    UpdatePageLanguageChecks(0);
}

void BrowseRepairDlg::UpdateLanguageChecks2()
{
    UpdatePageLanguageChecks(1);
}

void BrowseRepairDlg::UpdatePageLanguageChecks(int page)
{
    using Filler = void (BrowseRepairDlg::*)();
    static const Filler fillers[kLanguageCount] = {
        &BrowseRepairDlg::LoadEnglishGeometry,  &BrowseRepairDlg::LoadGermanGeometry,
        &BrowseRepairDlg::LoadFrenchGeometry,   &BrowseRepairDlg::LoadItalianGeometry,
        &BrowseRepairDlg::LoadSpanishGeometry,  &BrowseRepairDlg::LoadJapaneseGeometry,
        &BrowseRepairDlg::LoadChineseGeometry,  &BrowseRepairDlg::LoadKoreanGeometry,
        &BrowseRepairDlg::LoadDutchGeometry,    &BrowseRepairDlg::LoadBrazilGeometry,
        &BrowseRepairDlg::LoadHindiGeometry,
    };
    for (int index = 0; index < kLanguageActionCount; ++index)
        m_langActions[index][page]->setChecked(false);
    for (int type = 0; type < kLanguageCount; ++type)
        if (g_state.*FindLanguage(type)->flag)
            (this->*fillers[type])();
    CheckCurrentLanguage(page);
}

void BrowseRepairDlg::CheckCurrentLanguage(int page)
{
    m_langActions[kActionIndexOfType[currentLanguageType()]][page]->setChecked(true);
}

void BrowseRepairDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        RetranslateWindow();
    QDialog::changeEvent(event);
}

void BrowseRepairDlg::SetToolStripTips()
{
    AbutBtn->setToolTip(tr("About"));
    AbutBtn_2->setToolTip(tr("About"));
    HelpBtn->setToolTip(tr("Help"));
    HelpBtn_2->setToolTip(tr("Help"));
    UpdateBtn->setToolTip(tr("Update"));
    UpdateBtn_2->setToolTip(tr("Update"));
    BackBtn->setToolTip(tr("Back"));
}

void BrowseRepairDlg::RetranslateWindow()
{
    retranslateUi(this);
    Preview_Label->clear();

    SetToolStripTips();

    styleCaptionedButton(AddFilesBtnN, Qt::black, tr("Add"));
    styleCaptionedButton(StartRepairFilesBtnN, Qt::white, tr("Repair"));
    styleCaptionedButton(StopRepairProcessBtn, Qt::white, tr("Stop"));

    m_moreToolsButton->setToolTip(tr("More Tools"));
    g_state.actRecoverData->setText(tr("Recover Data"));
    g_state.actMonitorDrive->setText(tr("Monitor Drive"));
    g_state.actRepairVideo->setText(tr("Repair Video"));
    g_state.actRecoverPhoto->setText(tr("Recover Photo"));

    styleCaptionedButton(SaveRepairBtn, Qt::white, tr("Save Repaired Files"));
    m_languageButton->setToolTip(tr("Language"));
    m_languageButton2->setToolTip(tr("Language"));

    if (m_fileTreeReady)
        m_fileTree->setHeaderLabels({tr(" File Name"), tr(" Path"), tr(" Size (KB)"), tr("FileID"), tr("ParentID"),
                                     tr("Status"), tr("TemporaryPath"), tr(" Modified Date"), tr(" Created Date")});
    m_repairTree->setHeaderLabels({tr(" File Name"), tr(" Type"), QString(), tr(" Resolution"), QString()});
    SizeResultsColumns();
    m_closeDlg->label_2->setText(tr("Are you sure you want to exit?"));

    label_7->setText(tr("Click on the 'Save Repaired Files' to save all your repaired photos. Click the file to "
                        "preview it. "));
    label->setFont(captionFont());
    label->setText(FinishedHeading());

    SetAddFileButtonStyle();

    const float scale = g_state.uiScale;
    const bool quarterStep = scale == 1.0f || scale == 1.25f || scale >= 1.5f;
    if (quarterStep && sizeColumnWidened())
        m_fileTree->header()->resizeSection(2, int(scale * 110.0f));

    SetLanguageGeometry();
}

#include "browse_repair_dlg.h"

#include "dialog_look.h"
#include "global_state.h"

void BrowseRepairDlg::LoadEnglishGeometry() { m_geometry = EnglishMainWindowGeometry(); }
void BrowseRepairDlg::LoadGermanGeometry() { m_geometry = GermanMainWindowGeometry(); }
void BrowseRepairDlg::LoadFrenchGeometry() { m_geometry = FrenchMainWindowGeometry(); }
void BrowseRepairDlg::LoadItalianGeometry() { m_geometry = ItalianMainWindowGeometry(); }
void BrowseRepairDlg::LoadSpanishGeometry() { m_geometry = SpanishMainWindowGeometry(); }
void BrowseRepairDlg::LoadChineseGeometry() { m_geometry = ChineseMainWindowGeometry(); }
void BrowseRepairDlg::LoadJapaneseGeometry() { m_geometry = JapaneseMainWindowGeometry(); }
void BrowseRepairDlg::LoadKoreanGeometry() { m_geometry = KoreanMainWindowGeometry(); }
void BrowseRepairDlg::LoadDutchGeometry() { m_geometry = DutchMainWindowGeometry(); }
void BrowseRepairDlg::LoadBrazilGeometry() { m_geometry = BrazilMainWindowGeometry(); }
void BrowseRepairDlg::LoadHindiGeometry() { m_geometry = HindiMainWindowGeometry(); }

namespace {

void place(QWidget* widget, const QRect& rect)
{
    widget->setGeometry(rect);
    widget->setFixedSize(rect.size());
    widget->move(rect.topLeft());
}

} // namespace

void BrowseRepairDlg::SetLanguageGeometry()
{
    switch (layoutLanguage()) {
    case LayoutLanguage::German: LoadGermanGeometry(); break;
    case LayoutLanguage::French: LoadFrenchGeometry(); break;
    case LayoutLanguage::Italian: LoadItalianGeometry(); break;
    case LayoutLanguage::Spanish: LoadSpanishGeometry(); break;
    case LayoutLanguage::Chinese: LoadChineseGeometry(); break;
    case LayoutLanguage::Japanese: LoadJapaneseGeometry(); break;
    case LayoutLanguage::Korean: LoadKoreanGeometry(); break;
    case LayoutLanguage::Dutch: LoadDutchGeometry(); break;
    case LayoutLanguage::Brazil: LoadBrazilGeometry(); break;
    case LayoutLanguage::Hindi: LoadHindiGeometry(); break;
    case LayoutLanguage::English: LoadEnglishGeometry(); break;
    }

    const float scale = g_state.uiScale;
    setFixedSize(scaledLength(m_geometry.window.width(), scale), scaledLength(m_geometry.window.height(), scale));
    for (const MainWindowRect& row : m_geometry.widgets) {
        QWidget* widget = findChild<QWidget*>(QString::fromLatin1(row.objectName));
        if (!widget)
            continue;
        QRect rect = scaledRect(row.rect, scale);
        if (widget == CloseBtn) {
            rect.moveLeft(int(m_geometry.closeBtnX * scale));
            rect.setWidth(int(m_geometry.closeBtnWidth * scale));
        }
        place(widget, rect);
    }
}

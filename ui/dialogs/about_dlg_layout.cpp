#include "about_dlg_layout.h"

#include <QLabel>
#include <QTextDocument>
#include <QtMath>

namespace {

// Space between the wider heading's text and the rules, and the panel's
// margin that the rules end at (the headings start at the same margin).
const int kRuleGap = 8;
const int kPanelMargin = 24;

// 96-DPI rectangles of the about box's panel widgets (and the title icon,
// whose parent is the outer frame), per language, in the order
// of kWidgetNames. Of the two section rules only the rows count here:
// placeSectionRules() sets where they start and end.
const int kWidgetCount = 20;

const char* const kWidgetNames[kWidgetCount] = {
    "CloseButton", "LicenseButton", "label_18", "label_20", "label_7", "label_21", "label_6",
    "label_17", "label_19", "UserLabel", "label_16", "label_22", "OSLabel", "label_15", "VersionLabel",
    "SupportBtn", "label_12", "line1", "line2", "m_pPixmapLabel"
};

struct LanguageRects {
    LayoutLanguage language;
    int rects[kWidgetCount][4];
};

const LanguageRects kAboutRects[] = {
    {LayoutLanguage::English,
     {{200, 281, 83, 26}, {24, 281, 160, 26}, {24, 15, 310, 20}, {24, 70, 145, 16}, {24, 95, 90, 16},
      {115, 95, 266, 16}, {24, 115, 90, 16}, {115, 115, 250, 18}, {24, 135, 90, 16}, {115, 135, 260, 16},
      {24, 160, 135, 20}, {24, 185, 90, 16}, {115, 185, 266, 16}, {24, 205, 90, 16}, {115, 205, 180, 16},
      {24, 239, 181, 22}, {24, 37, 350, 20}, {166, 80, 200, 1}, {166, 170, 200, 1}, {6, 5, 41, 24}}},
    {LayoutLanguage::German,
     {{210, 281, 83, 26}, {24, 281, 170, 26}, {24, 15, 310, 20}, {24, 70, 155, 20}, {24, 95, 80, 16},
      {140, 95, 237, 16}, {24, 115, 80, 16}, {140, 115, 220, 16}, {24, 135, 110, 16}, {140, 135, 230, 16},
      {24, 160, 155, 20}, {24, 185, 70, 16}, {140, 185, 235, 16}, {24, 205, 70, 16}, {140, 205, 150, 16},
      {24, 239, 300, 22}, {24, 37, 350, 20}, {178, 80, 190, 1}, {178, 170, 190, 1}, {6, 5, 41, 24}}},
    {LayoutLanguage::French,
     {{211, 281, 83, 26}, {24, 281, 171, 26}, {24, 15, 310, 20}, {24, 70, 480, 20}, {24, 95, 90, 16},
      {120, 95, 257, 16}, {24, 115, 90, 16}, {120, 115, 250, 18}, {24, 135, 90, 16}, {120, 135, 255, 16},
      {24, 160, 480, 20}, {24, 185, 90, 16}, {120, 185, 255, 16}, {24, 205, 90, 16}, {120, 205, 210, 16},
      {24, 239, 270, 22}, {24, 37, 350, 20}, {210, 80, 160, 1}, {215, 170, 160, 1}, {6, 5, 41, 24}}},
    {LayoutLanguage::Italian,
     {{211, 281, 83, 26}, {24, 281, 171, 26}, {24, 15, 310, 20}, {24, 70, 180, 20}, {24, 95, 90, 16},
      {120, 95, 250, 16}, {24, 115, 90, 16}, {120, 115, 250, 16}, {24, 135, 90, 16}, {120, 135, 250, 16},
      {24, 160, 180, 16}, {24, 185, 90, 16}, {120, 185, 250, 16}, {24, 205, 90, 16}, {120, 205, 250, 16},
      {24, 239, 300, 22}, {24, 37, 350, 20}, {210, 80, 150, 1}, {195, 170, 165, 1}, {6, 5, 41, 24}}},
    {LayoutLanguage::Spanish,
     {{204, 281, 83, 26}, {24, 281, 164, 26}, {24, 15, 310, 20}, {24, 70, 220, 20}, {24, 95, 90, 16},
      {120, 95, 257, 16}, {24, 115, 90, 16}, {120, 115, 250, 16}, {24, 135, 90, 16}, {120, 135, 250, 16},
      {24, 160, 270, 16}, {24, 185, 90, 16}, {120, 185, 250, 16}, {24, 205, 90, 16}, {120, 205, 250, 16},
      {24, 239, 215, 22}, {24, 37, 350, 20}, {205, 80, 160, 1}, {205, 170, 160, 1}, {6, 5, 41, 24}}},
    {LayoutLanguage::Chinese,
     {{200, 281, 83, 26}, {24, 281, 160, 26}, {24, 15, 311, 25}, {24, 70, 141, 20}, {24, 95, 90, 16},
      {133, 95, 261, 16}, {24, 115, 90, 16}, {133, 115, 250, 16}, {24, 135, 108, 16}, {133, 135, 236, 16},
      {24, 160, 128, 20}, {24, 185, 90, 16}, {133, 185, 211, 16}, {24, 205, 90, 16}, {133, 205, 180, 16},
      {24, 239, 160, 31}, {24, 37, 350, 20}, {95, 80, 260, 1}, {95, 170, 260, 1}, {6, 5, 41, 24}}},
    {LayoutLanguage::Korean,
     {{200, 281, 83, 26}, {24, 281, 160, 26}, {24, 15, 311, 25}, {24, 70, 141, 20}, {24, 95, 90, 16},
      {133, 95, 261, 16}, {24, 115, 90, 16}, {133, 115, 250, 16}, {24, 135, 108, 16}, {133, 135, 236, 16},
      {24, 160, 128, 20}, {24, 185, 90, 16}, {133, 185, 211, 16}, {24, 205, 90, 16}, {133, 205, 180, 16},
      {20, 239, 190, 22}, {24, 37, 350, 20}, {95, 80, 260, 1}, {95, 170, 260, 1}, {6, 5, 41, 24}}},
    {LayoutLanguage::Dutch,
     {{230, 281, 83, 26}, {24, 281, 190, 26}, {24, 15, 310, 20}, {24, 70, 145, 20}, {24, 95, 80, 16},
      {145, 95, 237, 16}, {24, 115, 80, 16}, {145, 115, 220, 16}, {24, 135, 125, 16}, {145, 135, 230, 16},
      {24, 160, 145, 20}, {24, 185, 70, 16}, {145, 185, 235, 16}, {24, 205, 70, 16}, {145, 205, 150, 16},
      {24, 239, 181, 22}, {24, 37, 350, 20}, {170, 80, 190, 1}, {170, 170, 190, 1}, {6, 5, 41, 24}}},
    {LayoutLanguage::Brazil,
     {{230, 281, 83, 26}, {24, 281, 190, 26}, {24, 15, 310, 20}, {24, 70, 150, 20}, {24, 95, 80, 16},
      {145, 95, 237, 16}, {24, 115, 80, 16}, {145, 115, 220, 16}, {24, 135, 125, 16}, {145, 135, 230, 16},
      {24, 160, 145, 20}, {24, 185, 70, 16}, {145, 185, 235, 16}, {24, 205, 70, 16}, {145, 205, 150, 16},
      {24, 239, 181, 22}, {24, 37, 350, 20}, {180, 80, 190, 1}, {170, 170, 190, 1}, {6, 5, 41, 24}}},
    {LayoutLanguage::Hindi,
     {{190, 281, 83, 26}, {24, 281, 150, 26}, {24, 15, 310, 20}, {24, 70, 145, 20}, {24, 95, 80, 16},
      {145, 95, 237, 16}, {24, 115, 80, 16}, {145, 115, 220, 16}, {24, 135, 125, 16}, {145, 135, 230, 16},
      {24, 160, 145, 20}, {24, 185, 70, 16}, {145, 185, 235, 16}, {24, 205, 70, 16}, {145, 205, 150, 16},
      {24, 239, 181, 22}, {24, 37, 350, 20}, {170, 80, 190, 1}, {170, 170, 190, 1}, {6, 5, 41, 24}}},
    {LayoutLanguage::Japanese,
     {{210, 281, 83, 26}, {24, 281, 170, 26}, {24, 15, 310, 20}, {24, 70, 145, 20}, {24, 95, 80, 16},
      {140, 95, 237, 16}, {24, 115, 80, 16}, {140, 115, 220, 16}, {24, 135, 110, 16}, {140, 135, 230, 16},
      {24, 160, 145, 20}, {24, 185, 70, 16}, {140, 185, 235, 16}, {24, 205, 70, 16}, {140, 205, 150, 16},
      {24, 239, 181, 22}, {24, 37, 350, 20}, {120, 80, 190, 1}, {120, 170, 190, 1}, {6, 5, 41, 24}}},
};

// Where a heading's text ends: its rich text laid out on one line in the
// label's font.
int textEnd(const QLabel* heading)
{
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setDefaultFont(heading->font());
    document.setHtml(heading->text());
    return heading->x() + qCeil(document.idealWidth());
}

} // namespace

DialogLayout aboutLayout(LayoutLanguage language)
{
    const LanguageRects* chosen = &kAboutRects[0];
    for (const LanguageRects& entry : kAboutRects) {
        if (entry.language == language)
            chosen = &entry;
    }
    // Picture column and panel side by side, below the 30-pixel title strip;
    // the same in every language.
    DialogLayout layout{QSize(602, 368),
                        {{"LabelPixmap", QRect(0, 30, 215, 335)},
                         {"frame", QRect(216, 30, 385, 335)},
                         {"MainFrame", QRect(0, 0, 602, 368)}}};
    for (int i = 0; i < kWidgetCount; ++i) {
        const int* r = chosen->rects[i];
        layout.widgets.push_back({kWidgetNames[i], QRect(r[0], r[1], r[2], r[3])});
        // The hidden support button shares the support link's rectangle.
        if (qstrcmp(kWidgetNames[i], "SupportBtn") == 0)
            layout.widgets.push_back({"SupportLinkBtn", QRect(r[0], r[1], r[2], r[3])});
    }
    return layout;
}

void placeSectionRules(const std::vector<const QLabel*>& headings, const std::vector<QLabel*>& rules, float scale)
{
    int start = 0;
    for (const QLabel* heading : headings)
        start = qMax(start, textEnd(heading));
    start += scaledLength(kRuleGap, scale);
    for (QLabel* rule : rules) {
        const int end = rule->parentWidget()->width() - scaledLength(kPanelMargin, scale);
        rule->setFixedSize(end - start, rule->height());
        rule->move(start, rule->y());
    }
}

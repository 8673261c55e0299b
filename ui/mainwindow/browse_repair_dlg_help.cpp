#include "browse_repair_dlg.h"

#include "about_dlg.h"
#include "global_state.h"
#include "url_open.h"
#include "window_frame.h"

#include <QUrl>

namespace {

// The maker's online help site; the page path names the product, its major
// version, the platform and the edition.
const char* const kHelpPageStart = "https://www.velmoradatarecovery.com/help/pictavo-8-windows-standard-";

// The topic of the first help-context flag that is set; empty when none is.
QString helpTopic()
{
    const struct {
        const qint32& flag;
        const char* topic;
    } topics[] = {
        {g_state.helpStart, "about-pictavo"},
        {g_state.helpAddFiles, "adding-files-for-repair"},
        {g_state.helpRepair, "repairing-corrupt-files"},
        {g_state.helpPreview, "previewing-and-saving-files"},
        {g_state.helpAdvanced, "performing-advanced-repair"},
    };
    for (const auto& entry : topics) {
        if (entry.flag)
            return QLatin1String(entry.topic);
    }
    return QString();
}

// The help site's own language codes, which differ from the interface's
// folder codes for Japanese, Dutch and Portuguese.
QString helpLanguageCode()
{
    const struct {
        const qint32& flag;
        const char* code;
    } codes[] = {
        {g_state.langGerman, "de"},   {g_state.langChinese, "cn"}, {g_state.langFrench, "fr"},
        {g_state.langItalian, "it"},  {g_state.langSpanish, "es"}, {g_state.langJapanese, "jp"},
        {g_state.langDutch, "nl"},    {g_state.langBrazil, "pt"},  {g_state.langHindi, "hi"},
        {g_state.langKorean, "ko"},
    };
    for (const auto& entry : codes) {
        if (entry.flag)
            return QLatin1String(entry.code);
    }
    return QStringLiteral("en");
}

} // namespace

void BrowseRepairDlg::OnHelp()
{
    const QString topic = helpTopic();
    if (!topic.isEmpty())
        m_helpUrl = QLatin1String(kHelpPageStart) + helpLanguageCode() + QLatin1Char('-') + topic
                    + QLatin1String(".html");
    if (!m_helpUrl.isEmpty())
        platform::openUrl(QUrl(m_helpUrl, QUrl::TolerantMode));
}

void BrowseRepairDlg::onAbtDlg()
{
    auto* about = new AboutDlg(this);
    CenterWidgetOnRect(about, geometry());
    about->show();
}

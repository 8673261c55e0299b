#include "url_open.h"

#include <QDesktopServices>

namespace platform {

namespace {
QList<QUrl>* g_openedUrls = nullptr;
} // namespace

bool openUrl(const QUrl& url)
{
    if (g_openedUrls) {
        g_openedUrls->append(url);
        return true;
    }
    return QDesktopServices::openUrl(url);
}

void recordOpenedUrls(QList<QUrl>* recorder)
{
    g_openedUrls = recorder;
}

} // namespace platform

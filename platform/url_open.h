#pragma once

#include <QList>
#include <QUrl>

namespace platform {

// Opens a web address or a document with the user's default handler
// (browser, PDF viewer). False when no handler could be started for it.
bool openUrl(const QUrl& url);

// Tests: while a recorder is set, addresses are appended to it instead of
// being opened, and count as opened. Pass null to open them again.
void recordOpenedUrls(QList<QUrl>* recorder);

} // namespace platform

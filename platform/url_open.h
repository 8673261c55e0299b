#pragma once

#include <QList>
#include <QUrl>

namespace platform {

// Opens a web address or a document with the user's default handler
// (browser, PDF viewer). Failures are not reported.
void openUrl(const QUrl& url);

// Tests: while a recorder is set, addresses are appended to it instead of
// being opened. Pass null to open them again.
void recordOpenedUrls(QList<QUrl>* recorder);

} // namespace platform

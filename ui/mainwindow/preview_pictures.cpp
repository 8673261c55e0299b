#include "preview_pictures.h"

#include "dialog_look.h"
#include "global_state.h"


namespace {

struct LanguageCode {
    const qint32& flag;
    const char* code;
};

// The two places choose among the flags in different orders.
const LanguageCode kCompletionOrder[] = {
    {g_state.langEnglish, "en"},  {g_state.langFrench, "fr"}, {g_state.langItalian, "it"},
    {g_state.langSpanish, "es"},  {g_state.langGerman, "de"}, {g_state.langChinese, "cn"},
    {g_state.langJapanese, "ja"}, {g_state.langKorean, "ko"}, {g_state.langDutch, "du"},
    {g_state.langBrazil, "br"},   {g_state.langHindi, "hi"},
};
const LanguageCode kResultsOrder[] = {
    {g_state.langEnglish, "en"}, {g_state.langFrench, "fr"},  {g_state.langItalian, "it"},
    {g_state.langSpanish, "es"}, {g_state.langDutch, "du"},   {g_state.langBrazil, "br"},
    {g_state.langHindi, "hi"},   {g_state.langGerman, "de"},  {g_state.langChinese, "cn"},
    {g_state.langJapanese, "ja"}, {g_state.langKorean, "ko"},
};

template <size_t N>
QString firstSetLanguage(const LanguageCode (&order)[N])
{
    for (const LanguageCode& language : order) {
        if (language.flag != 0)
            return QLatin1String(language.code);
    }
    return QString();
}

// The size mark of a not-supported picture: that of the image set, except
// for the languages whose pictures exist in one size only.
QString sizeMark(float scale, const QString& code)
{
    if (code == QLatin1String("cn") || code == QLatin1String("ja") || code == QLatin1String("ko") || scale == 1.0f)
        return QStringLiteral("100");
    return scale == 1.25f ? QStringLiteral("125") : QStringLiteral("150");
}

// folder + stem + code (+ size mark) + ".png"; Korean pictures have their
// own folder tree.
QString picturePath(const QString& stem, const QString& code, bool withSizeMark)
{
    const float scale = g_state.uiScale;
    QString folder = imageSetFolder(scale);
    if (folder.isEmpty() || code.isEmpty())
        return QString();
    if (code == QLatin1String("ko"))
        folder.replace(QLatin1String(":/images/"), QLatin1String(":/images/Korean/"));
    const QString mark = withSizeMark ? sizeMark(scale, code) : QString();
    return folder + stem + code + mark + QStringLiteral(".png");
}

} // namespace

QString CompletionPreviewPicture(bool previewable)
{
    const QString code = firstSetLanguage(kCompletionOrder);
    return previewable ? picturePath(QStringLiteral("preview1"), code, false)
                       : picturePath(QStringLiteral("notSupported"), code, true);
}

QString ResultsPlaceholderPicture()
{
    return picturePath(QStringLiteral("preview"), firstSetLanguage(kResultsOrder), false);
}

QString ResultsNotSupportedPicture()
{
    return picturePath(QStringLiteral("notSupported"), firstSetLanguage(kResultsOrder), true);
}

#include "completion_picture.h"

#include "dialog_look.h"
#include "global_state.h"

namespace {

// Code of the first set language flag, in the order the pictures are chosen.
QString languageCode()
{
    const struct {
        const qint32& flag;
        const char* code;
    } languages[] = {
        {g_state.langEnglish, "en"}, {g_state.langFrench, "fr"},   {g_state.langItalian, "it"},
        {g_state.langSpanish, "es"}, {g_state.langGerman, "de"},   {g_state.langChinese, "cn"},
        {g_state.langJapanese, "ja"}, {g_state.langKorean, "ko"},  {g_state.langDutch, "du"},
        {g_state.langBrazil, "br"},  {g_state.langHindi, "hi"},
    };
    for (const auto& language : languages) {
        if (language.flag != 0)
            return QLatin1String(language.code);
    }
    return QString();
}

// The size mark of the not-supported picture of an image set.
QString sizeMark(float scale, const QString& code)
{
    if (code == QLatin1String("cn") || code == QLatin1String("ja") || code == QLatin1String("ko") || scale == 1.0f)
        return QStringLiteral("100");
    return scale == 1.25f ? QStringLiteral("125") : QStringLiteral("150");
}

} // namespace

QString CompletionPreviewPicture(bool previewable)
{
    const float scale = g_state.uiScale;
    QString folder = imageSetFolder(scale);
    const QString code = languageCode();
    if (folder.isEmpty() || code.isEmpty())
        return QString();
    if (code == QLatin1String("ko"))
        folder.replace(QLatin1String(":/images/"), QLatin1String(":/images/Korean/"));
    if (previewable)
        return folder + QStringLiteral("preview1") + code + QStringLiteral(".png");
    return folder + QStringLiteral("notSupported") + code + sizeMark(scale, code) + QStringLiteral(".png");
}

#include "browse_repair_dlg.h"

#include "global_state.h"
#include "main_window_skin.h"
#include "main_window_skin_table.h"

#include <QPixmap>

namespace {

QString styleText(const SkinStyle& style, const QString& widgetName, const QString& folder)
{
    QString text = QString::fromLatin1(style.shape);
    if (text.contains(QLatin1String("#%1")))
        text = text.arg(widgetName);
    text = text.arg(folder);
    for (const char* image : style.images)
        text = text.arg(QString::fromUtf8(image));
    return text;
}

// The picture code of the add-file button per language, tested in this
// order; German pictures carry "GR".
struct AddFilePictures {
    qint32 GlobalState::*flag;
    const char* code;
};

const AddFilePictures kAddFilePictures[] = {
    {&GlobalState::langEnglish, "EN"}, {&GlobalState::langGerman, "GR"},  {&GlobalState::langFrench, "FR"},
    {&GlobalState::langItalian, "IT"}, {&GlobalState::langSpanish, "ES"}, {&GlobalState::langChinese, "CN"},
    {&GlobalState::langJapanese, "JA"}, {&GlobalState::langKorean, "KO"}, {&GlobalState::langDutch, "DU"},
    {&GlobalState::langBrazil, "BR"},  {&GlobalState::langHindi, "HI"},
};

const char* currentAddFileCode()
{
    for (const AddFilePictures& pictures : kAddFilePictures)
        if (g_state.*pictures.flag)
            return pictures.code;
    return nullptr;
}

} // namespace

void BrowseRepairDlg::SetDpiStyleSheets()
{
    progressBar->setStyleSheet(QString::fromLatin1(kProgressBarStyle));
    const SkinSet set = windowSkinSet(g_state.uiScale);
    const QString folder = skinFolder(set);
    for (const SkinRow& row : mainWindowSkinRows()) {
        for (const char* name : row.widgets) {
            const QString objectName = QString::fromLatin1(name);
            if (auto* widget = findChild<QWidget*>(objectName))
                widget->setStyleSheet(styleText(row.sets[int(set)], objectName, folder));
        }
    }
    for (const SkinPicture& picture : mainWindowSkinPictures()) {
        const QPixmap pixmap(folder + QString::fromUtf8(picture.image));
        for (const char* name : picture.labels)
            if (auto* label = findChild<QLabel*>(QString::fromLatin1(name)))
                label->setPixmap(pixmap);
    }
}

void BrowseRepairDlg::SetAddFileButtonStyle()
{
    QString style;
    const char* code = currentAddFileCode();
    if (code) {
        QString folder = skinFolder(windowSkinSet(g_state.uiScale));
        if (qstrcmp(code, "KO") == 0)
            folder.replace(QLatin1String(":/images/"), QLatin1String(":/images/Korean/"));
        style = QStringLiteral("QPushButton:enabled {border-image: url(%1Add file%2.png);}QPushButton:hover { "
                               "border-image: url(%1Add file hot%2.png);}QPushButton:pressed {border-image: "
                               "url(%1Add filepress%2.png)}")
                    .arg(folder, QLatin1String(code));
    }
    m_addFileButton->setStyleSheet(style);
}

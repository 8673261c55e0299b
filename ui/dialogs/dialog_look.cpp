#include "dialog_look.h"

#include "global_state.h"

#include <QDialog>
#include <QLabel>
#include <QPixmap>

// Resource registration must sit outside any namespace.
static void registerImageSets()
{
    Q_INIT_RESOURCE(dpi96);
    Q_INIT_RESOURCE(dpi120);
    Q_INIT_RESOURCE(dpi144);
}

namespace {

const QString kStyleFolder96 = QStringLiteral(":/images/96-DPI/");

} // namespace

const char* const kPanelStyle = "background-color: rgb(249,249,249);";
const char* const kWhiteStyle = "background-color:white;";
const char* const kTitleIconStyle = "border-image:url(:/images/96-DPI/16.png);";

QString imageSetFolder(float scale)
{
    // The image sets live in a static library; make sure they are linked
    // in and registered before anyone asks for them.
    static const bool registered = (registerImageSets(), true);
    Q_UNUSED(registered);

    if (scale == 1.0f)
        return kStyleFolder96;
    if (scale == 1.25f)
        return QStringLiteral(":/images/120-DPI/");
    if (scale >= 1.5f)
        return QStringLiteral(":/images/144-DPI/");
    return QString();
}

QString imageStyle(const QString& sheetFor96Dpi)
{
    const QString folder = imageSetFolder(g_state.uiScale);
    if (folder.isEmpty())
        return QString();
    QString sheet = sheetFor96Dpi;
    return sheet.replace(kStyleFolder96, folder);
}

void applyImageStyle(QWidget* widget, const QString& sheetFor96Dpi)
{
    const QString sheet = imageStyle(sheetFor96Dpi);
    if (!sheet.isEmpty())
        widget->setStyleSheet(sheet);
}

int scaledLength(int length, float scale)
{
    return static_cast<int>(static_cast<float>(length) * scale);
}

QRect scaledRect(const QRect& rect, float scale)
{
    return QRect(scaledLength(rect.x(), scale), scaledLength(rect.y(), scale),
                 scaledLength(rect.width(), scale), scaledLength(rect.height(), scale));
}

LayoutLanguage layoutLanguage()
{
    const struct {
        const qint32& flag;
        LayoutLanguage language;
    } order[] = {
        {g_state.langGerman, LayoutLanguage::German},   {g_state.langFrench, LayoutLanguage::French},
        {g_state.langItalian, LayoutLanguage::Italian}, {g_state.langSpanish, LayoutLanguage::Spanish},
        {g_state.langChinese, LayoutLanguage::Chinese}, {g_state.langJapanese, LayoutLanguage::Japanese},
        {g_state.langKorean, LayoutLanguage::Korean},   {g_state.langDutch, LayoutLanguage::Dutch},
        {g_state.langBrazil, LayoutLanguage::Brazil},   {g_state.langHindi, LayoutLanguage::Hindi},
    };
    for (const auto& entry : order) {
        if (entry.flag)
            return entry.language;
    }
    return LayoutLanguage::English;
}

void applyDialogLayout(QDialog* dialog, const DialogLayout& layout)
{
    const float scale = g_state.uiScale;
    dialog->setFixedSize(scaledLength(layout.size.width(), scale),
                         scaledLength(layout.size.height(), scale));
    for (const WidgetRect& entry : layout.widgets) {
        auto* widget = dialog->findChild<QWidget*>(QLatin1String(entry.objectName));
        if (!widget)
            continue;
        const QRect rect = scaledRect(entry.rect, scale);
        widget->setGeometry(rect);
        widget->setFixedSize(rect.size());
        widget->move(rect.topLeft());
    }
}

QFont headerFont()
{
    QFont font(QStringLiteral("Segoe UI Semibold"), 10);
    font.setWeight(QFont::Bold);
    font.setItalic(false);
    return font;
}

QFont bodyFont()
{
    QFont font(QStringLiteral("Segoe UI"), 10);
    font.setWeight(QFont::Normal);
    return font;
}

void showPictureFitted(QLabel* label, const QPixmap& picture)
{
    const QSize room = label->contentsRect().size();
    if (picture.width() <= room.width() && picture.height() <= room.height())
        label->setPixmap(picture);
    else
        label->setPixmap(picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void applyHeaderLook(QLabel* header, const QString& title)
{
    header->setStyleSheet(QLatin1String(kWhiteStyle));
    header->setFont(headerFont());
    header->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    header->setText(title);
}

#include "main_window_skin.h"

SkinSet windowSkinSet(float scale)
{
    if (scale == 1.0f)
        return SkinSet::Dpi96;
    if (scale == 1.25f)
        return SkinSet::Dpi120;
    return SkinSet::Dpi144;
}

SkinSet toolStripSkinSet(float scale)
{
    if (scale == 1.0f)
        return SkinSet::Dpi96;
    if (scale == 1.25f)
        return SkinSet::Dpi120;
    if (scale >= 1.5f)
        return SkinSet::Dpi144;
    return SkinSet::None;
}

QString skinFolder(SkinSet set)
{
    switch (set) {
    case SkinSet::Dpi96: return QStringLiteral(":/images/96-DPI/");
    case SkinSet::Dpi120: return QStringLiteral(":/images/120-DPI/");
    case SkinSet::Dpi144: return QStringLiteral(":/images/144-DPI/");
    case SkinSet::None: break;
    }
    return QString();
}

QString LanguageButtonStyle(float scale)
{
    static const char* const flags[3][3] = {
        {"Lang- Flag 1.bmp", "Lang- FlagHover.bmp", "Lang- Flag disable.bmp"},
        {"Lang- Flag 120 hot.bmp", "Lang- Flag hover.bmp", "Lang- Flag disable hot.bmp"},
        {"Lang- Flag N.bmp", "Lang- Flag 150 hot.bmp", "Lang- Flag disable 150 hot.bmp"},
    };
    const SkinSet set = toolStripSkinSet(scale);
    if (set == SkinSet::None)
        return QString();
    const QString folder = skinFolder(set);
    const auto* names = flags[int(set)];
    return QStringLiteral("QPushButton:enabled {border-image: url(%1);}QPushButton:hover { border-image: url(%2);}"
                          "QPushButton:disabled { border-image: url(%3);}QPushButton::menu-indicator{image:none;}")
        .arg(folder + QLatin1String(names[0]), folder + QLatin1String(names[1]), folder + QLatin1String(names[2]));
}

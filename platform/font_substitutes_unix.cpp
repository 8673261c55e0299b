#include "font_substitutes.h"

#include <QFont>
#include <QGuiApplication>

namespace platform {

namespace {

// The dialog font of the desktop the windows are designed on; widgets that
// name only a point size take it.
constexpr const char* kDialogFamily = "MS Shell Dlg 2";
constexpr int kDialogPointSize = 8;

// Chosen by measuring the average advance of A-Z and a-z. The designed
// family averages 6.9 pixels at 9 points (0.575 em), Open Sans 0.576 em,
// while the usual fallback (DejaVu Sans) takes 0.617 em; its semibold and
// light faces come from the same family. The designed dialog font averages
// 6.1 pixels at 8 points and 6.85 at 9 (0.554 to 0.571 em), Roboto 0.566 em.
// Lucida Grande is not on the designed desktop either, which shows its
// dialog font instead. Liberation Sans has Arial's advances by design.
const struct {
    const char* designed;
    const char* installed;
} kSubstitutes[] = {
    {"Segoe UI", "Open Sans"},
    {"Segoe UI Semibold", "Open Sans Semibold"},
    {"Segoe UI Light", "Open Sans Light"},
    {kDialogFamily, "Roboto"},
    {"Lucida Grande", "Roboto"},
    {"Arial", "Liberation Sans"},
};

} // namespace

void installFontSubstitutes()
{
    for (const auto& substitute : kSubstitutes)
        QFont::insertSubstitution(QLatin1String(substitute.designed), QLatin1String(substitute.installed));
    QGuiApplication::setFont(QFont(QLatin1String(kDialogFamily), kDialogPointSize));
}

} // namespace platform

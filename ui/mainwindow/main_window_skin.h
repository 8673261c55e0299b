#pragma once

#include <QString>

// Image sets of the main window's skin, chosen from the interface scale.
enum class SkinSet { Dpi96, Dpi120, Dpi144, None };

// The set of the window's buttons and pictures: 96 DPI at exactly 1.0,
// 120 DPI at exactly 1.25, 144 DPI at every other scale.
SkinSet windowSkinSet(float scale);

// The set of the tool-strip buttons and menus: 96 DPI at exactly 1.0,
// 120 DPI at exactly 1.25, 144 DPI from 1.5 up, none otherwise.
SkinSet toolStripSkinSet(float scale);

// The resource folder of a set, e.g. ":/images/96-DPI/"; empty for None.
QString skinFolder(SkinSet set);

// Style sheet of a Languages button: its flag pictures for the scale,
// empty when the scale has no tool-strip set.
QString LanguageButtonStyle(float scale);

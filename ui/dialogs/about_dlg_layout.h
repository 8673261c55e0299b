#pragma once

#include "dialog_look.h"

// The about box's geometry for one language, in 96-DPI pixels.
DialogLayout aboutLayout(LayoutLanguage language);

#pragma once

#include "dialog_look.h"

// Per-language geometry tables of the dialogs, in 96-DPI pixels.
DialogLayout repairFinishLayout(LayoutLanguage language);
DialogLayout stopLayout(LayoutLanguage language);
DialogLayout closeApplicationLayout();
DialogLayout backApplicationLayout();
DialogLayout referenceFileLayout(LayoutLanguage language);
DialogLayout advancedRepairLayout(LayoutLanguage language);

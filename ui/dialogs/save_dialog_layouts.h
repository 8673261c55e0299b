#pragma once

#include "dialog_look.h"

// Per-language geometry tables of the save dialogs, in 96-DPI pixels.
DialogLayout savingFinishLayout(LayoutLanguage language);
DialogLayout alreadyExistFileLayout(LayoutLanguage language);
DialogLayout folderExistLayout(LayoutLanguage language);

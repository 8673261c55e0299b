#pragma once

#include <QString>

// The style sheet that both trees of the main window take at an interface
// scale; empty above 2.0 and below 2.5, where no sheet is used.
QString TreeStyleSheet(float scale);

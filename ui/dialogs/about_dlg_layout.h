#pragma once

#include "dialog_look.h"

#include <vector>

class QLabel;

// The about box's geometry for one language, in 96-DPI pixels.
DialogLayout aboutLayout(LayoutLanguage language);

// Lines the section rules up after the wider of the headings' texts, so no
// rule runs through a heading, and ends them at the panel's right margin.
void placeSectionRules(const std::vector<const QLabel*>& headings, const std::vector<QLabel*>& rules, float scale);

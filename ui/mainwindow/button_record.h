#pragma once

#include <QtGlobal>

#include <string>

class CustomButton;

// The "Advance Repair" link of one results file row. The window keeps one
// record per file row, in the order of the rows.
struct ButtonRecord {
    quint32 id = 0;                     // the link's id, also the row's ColButtonId
    std::string fileName;               // the row's file name in UTF-8
    CustomButton* linkButton = nullptr; // owned by the results tree
};

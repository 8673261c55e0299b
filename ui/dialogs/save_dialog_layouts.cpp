#include "save_dialog_layouts.h"

using L = LayoutLanguage;

DialogLayout savingFinishLayout(LayoutLanguage language)
{
    struct Group {
        QRect link, message;
    };
    // How tall each link is; it starts below the start of the message, so
    // the two lines share their left edge. placeLinkLine() sets its row and
    // width and places its sentence after it.
    Group group{{150, 92, 81, 21}, {150, 60, 241, 31}};
    switch (language) {
    case L::German: group = {{150, 87, 120, 28}, group.message}; break;
    case L::French: group = {{150, 87, 120, 28}, group.message}; break;
    case L::Italian: group = {{150, 82, 120, 28}, group.message}; break;
    case L::Spanish: group = {{150, 92, 120, 28}, group.message}; break;
    case L::Chinese: group = {{150, 94, 81, 28}, group.message}; break;
    case L::Korean: group = {{150, 94, 90, 28}, group.message}; break;
    case L::Japanese: group = {{150, 98, 105, 28}, group.message}; break;
    case L::Hindi: group = {{150, 89, 100, 30}, group.message}; break;
    case L::Brazil: group = {{135, 92, 100, 21}, {135, 60, 241, 31}}; break;
    case L::Dutch: group = {{150, 92, 100, 21}, group.message}; break;
    case L::English: break;
    }
    return {{498, 174},
            {{"ViewSavedFiles", group.link},
             {"label_5", group.message},
             {"label_3", {10, 2, 24, 24}},
             {"OkBtn", {395, 140, 90, 26}},
             {"frame", {1, 0, 497, 173}},
             {"label", {130, 80, 261, 31}},
             {"label_2", {20, 50, 75, 66}},
             {"label_8", {2, 2, 493, 25}},
             {"lower_barlabel", {2, 135, 494, 37}}}};
}

DialogLayout alreadyExistFileLayout(LayoutLanguage language)
{
    // The two text boxes start in one column and end where the last column
    // of buttons ends, 14 pixels inside the dialog's edge. The buttons get
    // their rows here; placeButtonColumns() sets their columns.
    const int boxRight = 462;
    int boxLeft = 143;
    QRect nameLabel(40, 45, 71, 20), renameLabel(40, 85, 81, 20);
    switch (language) {
    case L::German: case L::French: case L::Spanish: case L::Hindi: case L::Dutch: case L::Brazil:
        boxLeft = 155;
        nameLabel = {20, 45, 130, 20};
        renameLabel = {20, 85, 110, 20};
        break;
    case L::Italian:
        boxLeft = 140;
        nameLabel = {20, 45, 130, 20};
        renameLabel = {20, 85, 110, 20};
        break;
    case L::Japanese:
        boxLeft = 155;
        nameLabel = {20, 45, 130, 20};
        renameLabel = {20, 85, 140, 20};
        break;
    case L::English: case L::Chinese: case L::Korean: break;
    }
    const int boxWidth = boxRight - boxLeft;
    return {{476, 259},
            {{"FileNameText", {boxLeft, 45, boxWidth, 25}},
             {"OverwriteAllBtn", {190, 190, 101, 27}},
             {"OverwriteBtn", {190, 135, 101, 27}},
             {"RenameAllBtn", {40, 190, 101, 27}},
             {"RenameBtn", {40, 135, 101, 27}},
             {"RenameFileText", {boxLeft, 85, boxWidth, 25}},
             {"SkipAllBtn", {350, 190, 101, 27}},
             {"SkipBtn", {350, 135, 101, 27}},
             {"label_2", nameLabel},
             {"frame", {1, 0, 474, 259}},
             {"label_4", renameLabel},
             {"label_3", {10, 2, 24, 24}},
             {"label_8", {2, 2, 470, 25}},
             {"lower_barlabel", {2, 229, 472, 27}}}};
}

DialogLayout folderExistLayout(LayoutLanguage language)
{
    // Both text boxes start at one column and end with the Cancel button.
    const QRect cancel(351, 140, 101, 32);
    int boxLeft = 157;
    QRect nameLabel(40, 40, 91, 20), renameLabel(40, 80, 81, 20);
    switch (language) {
    case L::German: case L::French:
        nameLabel = {20, 40, 142, 20};
        renameLabel = {20, 80, 115, 20};
        break;
    case L::Spanish: case L::Hindi: case L::Brazil: case L::Dutch: case L::Japanese:
        boxLeft = 167;
        nameLabel = {20, 40, 142, 20};
        renameLabel = {20, 80, language == L::Japanese ? 142 : 115, 20};
        break;
    case L::English: case L::Italian: case L::Chinese: case L::Korean: break;
    }
    const int boxWidth = cancel.right() + 1 - boxLeft;
    return {{500, 212},
            {{"CancelBtn", cancel},
             {"FolderNameTxt", {boxLeft, 40, boxWidth, 25}},
             {"OverwriteBtn", {229, 140, 101, 32}},
             {"RenameBtn", {110, 140, 101, 32}},
             {"RenameToText", {boxLeft, 80, boxWidth, 25}},
             {"label", {130, 80, 261, 31}},
             {"label_2", nameLabel},
             {"frame", {1, 0, 497, 211}},
             {"label_3", {10, 2, 24, 24}},
             {"label_8", {2, 2, 493, 25}},
             {"lower_barlabel", {2, 180, 494, 29}},
             {"label_4", renameLabel}}};
}

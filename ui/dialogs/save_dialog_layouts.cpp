#include "save_dialog_layouts.h"

using L = LayoutLanguage;

DialogLayout savingFinishLayout(LayoutLanguage language)
{
    struct Group {
        QRect link, message;
    };
    // Where each link starts and how tall it is; placeLinkLine() sets its
    // row and width and places its sentence after it.
    Group group{{150, 92, 81, 21}, {150, 60, 241, 31}};
    switch (language) {
    case L::German: group = {{124, 87, 120, 28}, group.message}; break;
    case L::French: group = {{132, 87, 120, 28}, group.message}; break;
    case L::Italian: group = {{132, 82, 120, 28}, group.message}; break;
    case L::Spanish: group = {{127, 92, 120, 28}, group.message}; break;
    case L::Chinese: group = {{150, 94, 81, 28}, group.message}; break;
    case L::Korean: group = {{150, 94, 90, 28}, group.message}; break;
    case L::Japanese: group = {{145, 98, 105, 28}, group.message}; break;
    case L::Hindi: group = {{150, 89, 100, 30}, group.message}; break;
    case L::Brazil: group = {{125, 92, 100, 21}, {135, 60, 241, 31}}; break;
    case L::Dutch: group = {{125, 92, 100, 21}, group.message}; break;
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
    struct Group {
        QRect fileName, renameTo, nameLabel, renameLabel;
        QRect rename, overwrite, skip, renameAll, overwriteAll, skipAll;
    };
    const QRect wideName(155, 45, 311, 25), wideRename(155, 85, 311, 25);
    const QRect nameLabel(20, 45, 130, 20), renameLabel(20, 85, 110, 20);
    Group g{{143, 45, 311, 25}, {147, 85, 311, 25}, {40, 45, 71, 20}, {40, 85, 81, 20},
            {40, 135, 101, 27}, {190, 135, 101, 27}, {350, 135, 101, 27},
            {40, 190, 101, 27}, {190, 190, 101, 27}, {350, 190, 101, 27}};
    switch (language) {
    case L::German:
        g.fileName = wideName; g.renameTo = wideRename; g.nameLabel = nameLabel; g.renameLabel = renameLabel;
        g.rename = {40, 135, 110, 27}; g.overwrite = {190, 135, 110, 27}; g.skip = {350, 135, 110, 27};
        g.renameAll = {40, 190, 110, 27}; g.overwriteAll = {190, 190, 130, 27}; g.skipAll = {340, 190, 130, 27};
        break;
    case L::French:
        g.fileName = wideName; g.renameTo = wideRename; g.nameLabel = nameLabel; g.renameLabel = renameLabel;
        break;
    case L::Italian:
        g.fileName = {140, 45, 311, 25}; g.renameTo = {140, 85, 311, 25};
        g.nameLabel = nameLabel; g.renameLabel = renameLabel; g.overwriteAll = {200, 190, 120, 27};
        break;
    case L::Spanish:
        g.fileName = wideName; g.renameTo = wideRename; g.nameLabel = nameLabel; g.renameLabel = renameLabel;
        g.renameAll = {40, 190, 130, 27}; g.overwriteAll = {200, 190, 130, 27};
        break;
    case L::Chinese: case L::Korean:
        g.renameTo = {143, 85, 311, 25};
        break;
    case L::Japanese:
        g.fileName = wideName; g.renameTo = wideRename; g.nameLabel = nameLabel; g.renameLabel = {20, 85, 140, 20};
        g.rename = {40, 135, 110, 27}; g.overwrite = {190, 135, 110, 27}; g.skip = {350, 135, 110, 27};
        g.renameAll = {40, 190, 120, 27}; g.overwriteAll = {190, 190, 130, 27}; g.skipAll = {350, 190, 120, 27};
        break;
    case L::Hindi:
        g.fileName = wideName; g.renameTo = wideRename; g.nameLabel = nameLabel; g.renameLabel = renameLabel;
        g.renameAll = {40, 190, 140, 27}; g.overwriteAll = {190, 190, 140, 27}; g.skipAll = {340, 190, 120, 27};
        break;
    case L::Dutch: case L::Brazil:
        g.fileName = wideName; g.renameTo = wideRename; g.nameLabel = nameLabel; g.renameLabel = renameLabel;
        g.renameAll = {40, 190, 120, 27}; g.overwriteAll = {190, 190, 130, 27}; g.skipAll = {350, 190, 120, 27};
        break;
    case L::English: break;
    }
    return {{476, 259},
            {{"FileNameText", g.fileName},
             {"OverwriteAllBtn", g.overwriteAll},
             {"OverwriteBtn", g.overwrite},
             {"RenameAllBtn", g.renameAll},
             {"RenameBtn", g.rename},
             {"RenameFileText", g.renameTo},
             {"SkipAllBtn", g.skipAll},
             {"SkipBtn", g.skip},
             {"label_2", g.nameLabel},
             {"frame", {1, 0, 474, 259}},
             {"label_4", g.renameLabel},
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

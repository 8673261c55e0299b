#include "main_window_skin_table.h"

const char* const kProgressBarStyle =
    "QProgressBar:horizontal {border: 1px solid gray;border-radius: 2px;background: white;padding: 0px;"
    "text-align: right;}QProgressBar::chunk:horizontal {background: qlineargradient(x1: 0, y1: 0.5, x2: 1, "
    "y2: 0.5, stop: 0 green);}";

namespace {

const char* const kCheckBoxes =
    "QCheckBox::indicator:checked {image: url(%1%2);}QCheckBox::indicator:unchecked {image: url(%1%3);}"
    "QCheckBox::indicator:indeterminate {image: url(%1%4);}";
// The 144-DPI box pictures are drawn for the dialogs' larger boxes (24
// pixels, the indeterminate one 16); the select-all boxes show them at one
// and a half times their 96-DPI size, like the other sets do.
const char* const kCheckBoxesSized =
    "QCheckBox::indicator:checked {image: url(%1%2);}QCheckBox::indicator:unchecked {image: url(%1%3);}"
    "QCheckBox::indicator:indeterminate {image: url(%1%4);}QCheckBox::indicator {width: 17px;height: 17px;}";
const char* const kNormalHoverPressedSpaced =
    "QPushButton#%1{ image: url(%2%3);border: none;}QPushButton#%1:hover{image: url(%2%4);border: none;}"
    "QPushButton#%1:Pressed {image: url(%2%5);border: none;}";
const char* const kNormalPressed =
    "QPushButton#%1{image: url(%2%3);border: none;}QPushButton#%1:Pressed {image: url(%2%4);border: none;}";
const char* const kNormalHoverPressed =
    "QPushButton#%1{image: url(%2%3);border: none;}QPushButton#%1:hover{image: url(%2%4);border: none;}"
    "QPushButton#%1:Pressed {image: url(%2%5);border: none;}";
const char* const kNormalHoverDisabledPressed =
    "QPushButton#%1{image: url(%2%3);border: none;}QPushButton#%1:hover{image: url(%2%4);border: none;}"
    "QPushButton#%1:disabled {image: url(%2%5);border: none;}QPushButton#%1:Pressed {image: url(%2%6);"
    "border: none;}";
const char* const kNormalPressedDisabled =
    "QPushButton#%1{image: url(%2%3);border: none;}QPushButton#%1:Pressed {image: url(%2%4);border: none;}"
    "QPushButton#%1:disabled{image: url(%2%5);border: none;}";
const char* const kStretchedEnabledDisabledTight =
    "QPushButton::enabled{border-image: url(%1%2);}QPushButton:disabled{border-image: url(%1%3);}";
const char* const kNormalDisabled =
    "QPushButton#%1{image: url(%2%3);border: none;}QPushButton#%1:disabled{image: url(%2%4);border: none;}";
const char* const kNormalOnly = "QPushButton#%1{image: url(%2%3);border: none;}";
const char* const kNormalHoverSpacedPressed =
    "QPushButton#%1{image: url(%2%3);border: none;}QPushButton#%1:hover {image: url(%2%4);border: none;}"
    "QPushButton#%1:Pressed {image: url(%2%5);border: none;}";
const char* const kNormalHoverDisabled =
    "QPushButton#%1{image: url(%2%3);border: none;}QPushButton#%1:hover{image: url(%2%4);border: none;}"
    "QPushButton#%1:disabled {image: url(%2%5);border: none;}";
const char* const kStretchedEnabledHoverPressed =
    "QPushButton:enabled {border-image: url(%1%2);}QPushButton:hover { border-image: url(%1%3);}"
    "QPushButton:Pressed { border-image: url(%1%4);}";
const char* const kStretchedEnabledPressed =
    "QPushButton:enabled {border-image: url(%1%2);}QPushButton:Pressed { border-image: url(%1%3);}";
const char* const kStretchedMinimumHoverPressed =
    "QPushButton{min-height: 20px;min-width: 20px; border-image: url(%1%2)}QPushButton:hover { border-image: "
    "url(%1%3)}QPushButton:pressed { border-image: url(%1%4);}";
const char* const kStretchedHoverPressedDisabled =
    "QPushButton{border-image: url(%1%2)}QPushButton:hover { border-image: url(%1%3)}QPushButton:pressed { "
    "border-image: url(%1%4);}QPushButton:disabled { border-image: url(%1%5);}";
const char* const kStretchedEnabledHoverDisabled =
    "QPushButton:enabled {border-image: url(%1%2);}QPushButton:hover { border-image: url(%1%3);}"
    "QPushButton:disabled { border-image: url(%1%4);}";
const char* const kStretchedEnabledOnly = "QPushButton:enabled {border-image: url(%1%2);}";
const char* const kStretchedEnabledDisabled =
    "QPushButton:enabled {border-image: url(%1%2);}QPushButton:disabled { border-image: url(%1%3);}";

} // namespace

const std::vector<SkinRow>& mainWindowSkinRows()
{
    static const std::vector<SkinRow> rows = {
        {{"checkBox1", "checkBox1_2", "ThumbChkbx"},
         {{kCheckBoxes, {"img_SelectCheckBox.png", "img_UnSelectCheckBox.png", "img_PartiallyCheckBox.png"}},
          {kCheckBoxes, {"img_SelectCheckBox.png", "img_UnSelectCheckBox.png", "img_PartiallyCheckBox.png"}},
          {kCheckBoxesSized, {"img_SelectCheckBox.png", "img_UnSelectCheckBox.png", "img_PartiallyCheckBox.png"}}}},
        {{"AbutBtn", "AbutBtn_2"},
         {{kNormalHoverPressedSpaced, {"info 1.bmp", "info 2.bmp", "info 2.bmp"}},
          {kNormalHoverPressedSpaced, {"info 1.bmp", "info 2.bmp", "info 2.bmp"}},
          {kStretchedEnabledHoverPressed, {"info 1.bmp", "info 2.bmp", "info 2.bmp"}}}},
        {{"AddFilesBtnN"},
         {{kNormalPressed, {"add 1.png", "add 2.png"}},
          {kNormalPressed, {"Cancel- Normal.png", "add 2.png"}},
          {kStretchedEnabledPressed, {"add 1.png", "add 2.png"}}}},
        {{"CloseBtn", "CloseBtn_2"},
         {{kNormalHoverPressed, {"close-1.png", "close-2.png", "close_1.png"}},
          {kNormalHoverPressed, {"close_2.png", "close.png", "close_1.png"}},
          {kStretchedEnabledHoverPressed, {"close_2.png", "close.png", "close_1.png"}}}},
        {{"MinimiseBtn", "MinimiseBtn_2"},
         {{kNormalHoverPressed, {"minimize-1.png", "minimize-2.png", "minimize-2.png"}},
          {kNormalHoverSpacedPressed, {"minimize-1.png", "minimize-2.png", "minimize-2.png"}},
          {kStretchedMinimumHoverPressed, {"minimize-1.png", "minimize-2.png", "minimize-2.png"}}}},
        {{"HelpBtn", "HelpBtn_2"},
         {{kNormalHoverPressed, {"img_Help.bmp", "img_HelpHover.bmp", "img_HelpHover.bmp"}},
          {kNormalHoverPressed, {"img_Help.bmp", "img_HelpHover.bmp", "img_HelpHover.bmp"}},
          {kStretchedEnabledHoverPressed, {"img_Help.bmp", "img_HelpHover.bmp", "img_HelpHover.bmp"}}}},
        {{"MenuBtn", "MenuBtn_2"},
         {{kNormalHoverPressed, {"img_Menu.png", "img_MenuHover.png", "img_MenuHover.png"}},
          {kNormalHoverPressed, {"img_Menu.bmp", "img_MenuHover.bmp", "img_MenuHover.bmp"}},
          {kStretchedEnabledHoverPressed, {"img_Menu.png", "img_MenuHover.png", "img_MenuPress.png"}}}},
        {{"RemovFileBtnN"},
         {{kNormalHoverPressed, {"Remove File 1.png", "Remove File 2.png", "Remove File 3.png"}},
          {kNormalHoverPressed, {"Remove File 1.png", "Remove File 2.png", "Remove File 3.png"}},
          {kNormalHoverPressed, {"Remove File 1.png", "Remove File 2.png", "Remove File 3.png"}}}},
        {{"UpdateBtn", "UpdateBtn_2"},
         {{kNormalHoverDisabledPressed, {"update-1.BMP", "update-2.BMP", "update-3.BMP", "update-2.BMP"}},
          {kNormalHoverDisabledPressed, {"update-2.BMP", "update-1.BMP", "update-3.BMP", "update-1.BMP"}},
          {kStretchedHoverPressedDisabled, {"update-1.BMP", "update-2.BMP", "update-2.BMP", "update-3.BMP"}}}},
        {{"BackBtn"},
         {{kNormalPressedDisabled, {"back_a.bmp", "back_b.bmp", "back_b.bmp"}},
          {kNormalHoverDisabled, {"Back_Nor.bmp", "Back_H.bmp", "Back-Disable.bmp"}},
          {kStretchedEnabledHoverDisabled, {"Back_Nor.bmp", "Back_H.bmp", "Back-Disable.bmp"}}}},
        {{"SaveRepairBtn"},
         {{kStretchedEnabledDisabledTight, {"save 1.png", "save 2.png"}},
          {kStretchedEnabledDisabledTight, {"save 3.png", "save 2.png"}},
          {kStretchedEnabledDisabled, {"save 3.png", "save 2.png"}}}},
        {{"StartRepairFilesBtnN"},
         {{kNormalDisabled, {"Repair 1.png", "Repair 2.png"}},
          {kNormalDisabled, {"Repair 1.png", "Repair 2.png"}},
          {kStretchedEnabledDisabled, {"Repair 1.png", "Repair 2.png"}}}},
        {{"StopRepairProcessBtn"},
         {{kNormalOnly, {"stop-1.png"}}, {kNormalOnly, {"stop-1.png"}}, {kStretchedEnabledOnly, {"stop-1.png"}}}},
    };
    return rows;
}

const std::vector<SkinPicture>& mainWindowSkinPictures()
{
    static const std::vector<SkinPicture> pictures = {
        {{"SeperateLbl", "SeperateLbl_2", "SeperateLbl_3", "SeperateLbl_4", "SeperateLbl_5", "SeperateLbl_6",
          "SeperateLbl_7", "SeperateLbl_8"},
         "img_MenuSeperator.png"},
        {{"topBar", "topBar_2"}, "top ribbon.png"},
        {{"label_5", "label_6"}, "16.png"},
        {{"image_labelN"}, "Product Name.png"},
    };
    return pictures;
}

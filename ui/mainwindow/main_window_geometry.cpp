#include "main_window_geometry.h"

#include <cstring>
#include <initializer_list>

namespace {

// The English rectangles, in table order.
const MainWindowRect kEnglish[] = {
    {"frame", {0, 0, 850, 600}},
    {"AddFilesBtnN", {15, 510, 101, 32}},
    {"AbutBtn", {115, 40, 20, 20}},
    {"Add_FilesmainString", {24, 512, 697, 31}},
    {"CloseBtn", {804, 1, 45, 29}},
    {"HelpBtn", {145, 40, 20, 20}},
    {"MenuBtn", {22, 40, 20, 20}},
    {"label_3", {320, 7, 201, 20}},
    {"label_5", {8, 5, 28, 24}},
    {"topBar", {1, 30, 848, 40}},
    {"topBar_2", {1, 30, 848, 40}},
    {"label_4", {320, 7, 191, 20}},
    {"label_6", {20, 5, 28, 24}},
    {"MinimiseBtn", {755, 1, 45, 29}},
    {"RemovFileBtnN", {128, 478, 105, 35}},
    {"SeperateLbl", {57, 37, 1, 28}},
    {"StartRepairFilesBtnN", {720, 530, 117, 32}},
    {"UpdateBtn", {190, 40, 20, 20}},
    {"checkBox1", {22, 227, 16, 20}},
    {"image_labelN", {15, 100, 461, 103}},
    {"label_2", {45, 227, 55, 20}},
    {"frame2", {0, 0, 850, 600}},
    {"AbutBtn_2", {141, 40, 20, 20}},
    {"BackBtn", {22, 40, 20, 20}},
    {"CloseBtn_2", {804, 1, 45, 29}},
    {"HelpBtn_2", {171, 40, 20, 20}},
    {"MenuBtn_2", {52, 40, 20, 20}},
    {"MinimiseBtn_2", {755, 1, 45, 29}},
    {"Percnt_Label", {570, 530, 71, 23}},
    {"Preview_Label", {410, 160, 420, 310}},
    {"SaveRepairBtn", {680, 530, 152, 32}},
    {"SelectAll_labl", {40, 140, 52, 20}},
    {"SeperateLbl_2", {82, 34, 1, 28}},
    {"ShowLabl", {140, 140, 92, 20}},
    {"StopRepairProcessBtn", {710, 530, 117, 35}},
    {"ThumbChkbx", {120, 140, 16, 20}},
    {"UpdateBtn_2", {216, 40, 20, 20}},
    {"checkBox1_2", {22, 140, 16, 20}},
    {"graphicsView", {410, 160, 420, 310}},
    {"label", {22, 76, 281, 36}},
    {"label_RepairFileName", {18, 500, 409, 21}},
    {"progressBar", {18, 530, 530, 25}},
    {"label_7", {22, 105, 743, 27}},
    {"SeperateLbl_3", {102, 42, 1, 16}},
    {"SeperateLbl_4", {177, 42, 1, 16}},
    {"SeperateLbl_5", {222, 42, 1, 16}},
    {"SeperateLbl_6", {128, 42, 1, 16}},
    {"SeperateLbl_7", {201, 42, 1, 16}},
    {"SeperateLbl_8", {246, 42, 1, 16}},
    {"m_moreToolsButton", {800, 40, 20, 20}},
    {"m_moreToolsButton2", {800, 40, 20, 20}},
};

MainWindowGeometry withRows(std::initializer_list<MainWindowRect> languageRows)
{
    MainWindowGeometry geometry;
    geometry.widgets.assign(std::begin(kEnglish), std::end(kEnglish));
    for (const MainWindowRect& own : languageRows) {
        for (MainWindowRect& row : geometry.widgets) {
            if (std::strcmp(row.objectName, own.objectName) == 0)
                row.rect = own.rect;
        }
    }
    return geometry;
}

} // namespace

MainWindowGeometry EnglishMainWindowGeometry()
{
    return withRows({});
}

MainWindowGeometry GermanMainWindowGeometry()
{
    return withRows({
        {"AddFilesBtnN", {17, 510, 101, 32}},
        {"label_2", {45, 227, 95, 20}},
        {"SaveRepairBtn", {618, 530, 214, 32}},
        {"SelectAll_labl", {40, 140, 90, 20}},
        {"ShowLabl", {155, 140, 130, 20}},
        {"ThumbChkbx", {138, 140, 20, 20}},
        {"checkBox1_2", {21, 140, 20, 20}},
        {"label", {22, 72, 281, 35}},
        {"label_7", {22, 100, 743, 40}},
    });
}

MainWindowGeometry FrenchMainWindowGeometry()
{
    return withRows({
        {"AddFilesBtnN", {17, 510, 101, 32}},
        {"label_2", {45, 227, 95, 20}},
        {"SaveRepairBtn", {614, 530, 218, 32}},
        {"SelectAll_labl", {40, 140, 100, 20}},
        {"ShowLabl", {165, 140, 130, 20}},
        {"ThumbChkbx", {145, 140, 20, 20}},
        {"checkBox1_2", {20, 140, 16, 20}},
        {"label", {22, 72, 281, 35}},
        {"label_7", {22, 100, 743, 35}},
    });
}

MainWindowGeometry ItalianMainWindowGeometry()
{
    return withRows({
        {"AddFilesBtnN", {17, 510, 101, 32}},
        {"label_2", {45, 227, 90, 20}},
        {"SelectAll_labl", {40, 140, 100, 20}},
        {"ShowLabl", {165, 140, 130, 20}},
        {"ThumbChkbx", {145, 140, 20, 20}},
        {"checkBox1_2", {20, 140, 16, 20}},
        {"label", {22, 72, 281, 35}},
        {"label_7", {22, 99, 743, 37}},
    });
}

MainWindowGeometry SpanishMainWindowGeometry()
{
    return withRows({
        {"AddFilesBtnN", {17, 510, 101, 32}},
        {"label_2", {45, 227, 99, 20}},
        {"SaveRepairBtn", {630, 530, 202, 32}},
        {"SelectAll_labl", {40, 140, 100, 20}},
        {"ShowLabl", {165, 140, 130, 20}},
        {"ThumbChkbx", {145, 140, 20, 20}},
        {"checkBox1_2", {20, 140, 16, 20}},
        {"label", {22, 76, 281, 32}},
        {"label_7", {22, 100, 743, 37}},
    });
}

MainWindowGeometry ChineseMainWindowGeometry()
{
    return withRows({
        {"AddFilesBtnN", {17, 510, 101, 32}},
        {"label_5", {8, 5, 24, 24}},
        {"label_6", {20, 5, 24, 24}},
        {"label_2", {45, 227, 50, 20}},
        {"SelectAll_labl", {40, 140, 100, 20}},
        {"ShowLabl", {165, 140, 130, 20}},
        {"ThumbChkbx", {145, 140, 20, 20}},
        {"checkBox1_2", {20, 140, 16, 20}},
        {"label", {22, 76, 281, 32}},
        {"label_7", {22, 100, 743, 27}},
    });
}

MainWindowGeometry JapaneseMainWindowGeometry()
{
    return withRows({
        {"AddFilesBtnN", {17, 510, 101, 32}},
        {"SaveRepairBtn", {664, 530, 168, 32}},
        {"label_5", {8, 5, 30, 24}},
        {"label_6", {20, 5, 30, 24}},
        {"label_2", {45, 227, 50, 20}},
        {"SelectAll_labl", {40, 140, 100, 20}},
        {"ShowLabl", {165, 140, 130, 20}},
        {"ThumbChkbx", {145, 140, 20, 20}},
        {"checkBox1_2", {20, 140, 16, 20}},
        {"label", {22, 76, 281, 32}},
        {"label_7", {22, 100, 743, 27}},
    });
}

MainWindowGeometry KoreanMainWindowGeometry()
{
    return withRows({
        {"AddFilesBtnN", {17, 510, 101, 32}},
        {"label_4", {320, 7, 201, 20}},
        {"label_6", {22, 5, 28, 24}},
        {"label_2", {45, 227, 50, 20}},
        {"SelectAll_labl", {40, 140, 100, 20}},
        {"ShowLabl", {165, 140, 130, 20}},
        {"ThumbChkbx", {145, 140, 20, 20}},
        {"checkBox1_2", {20, 140, 16, 20}},
        {"label", {22, 76, 281, 32}},
        {"label_7", {22, 100, 743, 27}},
    });
}

MainWindowGeometry DutchMainWindowGeometry()
{
    return withRows({
        {"label_2", {45, 227, 90, 20}},
        {"SaveRepairBtn", {596, 530, 236, 32}},
        {"SelectAll_labl", {40, 140, 90, 20}},
        {"ShowLabl", {170, 140, 92, 20}},
        {"ThumbChkbx", {150, 140, 16, 20}},
        {"label", {22, 70, 281, 32}},
        {"label_7", {22, 100, 743, 38}},
    });
}

MainWindowGeometry BrazilMainWindowGeometry()
{
    return withRows({
        {"label_2", {45, 227, 90, 20}},
        {"SaveRepairBtn", {630, 530, 200, 32}},
        {"SelectAll_labl", {40, 140, 90, 20}},
        {"ShowLabl", {170, 140, 92, 20}},
        {"ThumbChkbx", {150, 140, 16, 20}},
        {"label", {22, 70, 281, 32}},
        {"label_7", {22, 100, 760, 38}},
    });
}

MainWindowGeometry HindiMainWindowGeometry()
{
    return withRows({
        {"label_2", {45, 227, 100, 20}},
        {"SaveRepairBtn", {680, 530, 150, 32}},
        {"SelectAll_labl", {40, 140, 90, 20}},
        {"ShowLabl", {170, 140, 92, 20}},
        {"ThumbChkbx", {150, 140, 16, 20}},
        {"label", {22, 70, 281, 32}},
        {"label_7", {22, 100, 743, 32}},
    });
}

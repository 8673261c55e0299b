#include "dialog_layouts.h"

using L = LayoutLanguage;

DialogLayout repairFinishLayout(LayoutLanguage language)
{
    struct Group {
        QSize size;
        QRect ok, frame, header, lowerBar, message;
    };
    static const Group english{{498, 174}, {395, 140, 90, 26}, {1, 0, 497, 173},
                               {2, 2, 493, 25}, {2, 135, 494, 37}, {150, 38, 349, 89}};
    static const Group european{{498, 174}, {395, 140, 90, 26}, {1, 0, 497, 173},
                                {2, 2, 493, 25}, {2, 135, 494, 37}, {110, 38, 349, 89}};
    static const Group italian{{498, 174}, {395, 140, 90, 26}, {1, 0, 497, 173},
                               {2, 2, 493, 25}, {2, 135, 494, 37}, {110, 38, 349, 91}};
    static const Group spanish{{498, 174}, {395, 140, 90, 26}, {1, 0, 497, 173},
                               {2, 2, 493, 25}, {2, 135, 494, 37}, {110, 30, 349, 110}};
    // The larger boxes keep English's distances to the frame: the bands
    // reach it, OK stands 13 px from the right edge, and the message stays
    // between the bands and 10 px inside the frame.
    static const Group wide{{510, 184}, {397, 145, 100, 26}, {1, 0, 508, 183},
                            {2, 2, 504, 25}, {2, 135, 505, 47}, {110, 30, 387, 103}};
    static const Group dutch{{520, 184}, {407, 145, 100, 26}, {1, 0, 518, 183},
                             {2, 2, 514, 25}, {2, 135, 515, 47}, {110, 30, 397, 103}};

    const Group* group = &english;
    switch (language) {
    case L::German: case L::French: case L::Chinese: case L::Korean: case L::Japanese:
        group = &european;
        break;
    case L::Italian: group = &italian; break;
    case L::Spanish: group = &spanish; break;
    case L::Hindi: case L::Brazil: group = &wide; break;
    case L::Dutch: group = &dutch; break;
    case L::English: break;
    }
    return {group->size,
            {{"OkBtn", group->ok},
             {"frame", group->frame},
             {"label", {130, 80, 261, 31}},
             {"label_2", {20, 50, 66, 66}},
             {"label_3", {10, 2, 24, 24}},
             {"label_8", group->header},
             {"lower_barlabel", group->lowerBar},
             {"repairedLabl", group->message}}};
}

DialogLayout stopLayout(LayoutLanguage language)
{
    QRect question(130, 30, 301, 41);
    if (language == L::German)
        question = {130, 40, 301, 55};
    else if (language == L::French)
        question = {130, 30, 301, 49};
    else if (language == L::Italian)
        question = {130, 30, 301, 50};
    return {{498, 174},
            {{"frame", {0, 1, 497, 173}},
             {"label_8", {1, 2, 495, 25}},
             {"label_3", {10, 2, 24, 24}},
             {"label_5", {20, 35, 66, 66}},
             {"label_2", question},
             {"label_6", {130, 80, 341, 41}},
             {"label", {160, 40, 281, 41}},
             {"label_4", {1, 123, 494, 48}},
             {"OkBtn_2", {290, 135, 90, 26}},
             {"OkBtn", {390, 135, 90, 26}}}};
}

namespace {

DialogLayout confirmationLayout(const QRect& icon, const QRect& question)
{
    return {{494, 176},
            {{"frame", {1, 0, 493, 175}},
             {"label_8", {1, 2, 491, 25}},
             {"label_3", {10, 2, 24, 24}},
             {"label_5", icon},
             {"label_2", question},
             {"label_4", {1, 125, 491, 48}},
             {"YesBtn", {289, 140, 88, 25}},
             {"NoBtn", {389, 140, 88, 25}}}};
}

} // namespace

DialogLayout closeApplicationLayout()
{
    return confirmationLayout({20, 45, 66, 66}, {120, 60, 261, 41});
}

DialogLayout backApplicationLayout()
{
    return confirmationLayout({20, 40, 66, 66}, {120, 42, 331, 61});
}

DialogLayout referenceFileLayout(LayoutLanguage language)
{
    const bool narrowCaption = language == L::English || language == L::Dutch
        || language == L::Brazil || language == L::Hindi;
    return {{514, 232},
            {{"frame", {1, 0, 513, 231}},
             {"label_8", {1, 1, 511, 25}},
             {"label_4", {10, 2, 24, 24}},
             {"String_label", {24, 45, 381, 21}},
             {"label", {30, 43, 321, 21}},
             {"RefPath_Edit", {30, 80, 351, 22}},
             {"RefBrowse_Btn", {401, 80, 101, 25}},
             {"refe_CheckBox", {30, 140, 20, 27}},
             {"label_2", {55, 140, narrowCaption ? 351 : 401, 27}},
             {"label_3", {1, 185, 510, 45}},
             {"RefRepairBtn", {296, 193, 96, 29}},
             {"cancle", {404, 193, 96, 29}}}};
}

DialogLayout advancedRepairLayout(LayoutLanguage language)
{
    QRect body(140, 40, 345, 160);
    switch (language) {
    case L::German: case L::Dutch: case L::Brazil: case L::Hindi:
        body = {140, 30, 345, 180};
        break;
    case L::French: body = {140, 40, 345, 170}; break;
    case L::Spanish: body = {140, 30, 345, 190}; break;
    default: break;
    }
    return {{502, 275},
            {{"frame", {1, 0, 501, 275}},
             {"label_8", {1, 1, 498, 25}},
             {"label_4", {13, 2, 24, 24}},
             {"label_2", {20, 50, 104, 99}},
             {"label", body},
             {"label_3", {1, 232, 498, 40}},
             {"NextBtn", {290, 240, 90, 26}},
             {"cancle", {393, 240, 90, 26}}}};
}

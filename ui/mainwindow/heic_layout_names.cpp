#include "heic_layout_names.h"

namespace {

struct LayoutName {
    int sliceCount;
    const char* name;
};

const LayoutName kLayoutNames[] = {
    {6, "standard_selfie"},
    {35, "standard_selfie"},
    {48, "standard"},
    {36, "square_Iphone_OR_selfieThreeRatioFour_Android"},
    {25, "square_selfieIphone_OR_FullPhotoAndroid"},
    {40, "nine_ratio_Sixteen"},
    {28, "selfie_nine_ratio_Sixteen"},
    {49, "Three_RatioFour"},
    {71, "Three_RatioFour"},
    {37, "one_Ratio_one"},
    {50, "one_Ratio_one"},
    {41, "Nine_Ratio_Sixteen"},
    {61, "Nine_Ratio_Sixteen"},
    {31, "selfie_Three_Ratio_Four"},
    {26, "selfie_one_ratio_one"},
    {29, "selfie_Nine_ratio_Sixteen"},
    {33, "FullPhoto"},
    {51, "FullPhoto"},
    {22, "FullPhoto_selfie"},
    {267, "High_MP_Camera"},
    {433, "High_MP_Camera"},
    {43, "selfie_four_ratio_five"},
};

} // namespace

QString HeicLayoutName(int sliceCount)
{
    for (const LayoutName& entry : kLayoutNames) {
        if (entry.sliceCount == sliceCount)
            return QLatin1String(entry.name);
    }
    return QString();
}

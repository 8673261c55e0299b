#pragma once

#include <QString>

#include <cstdio>

// The capture layouts of a HEIC photo, recognised from its number of HEVC IDR
// slices. Layouts up to selfie_nine_ratio_Sixteen go with the meta-first box
// order, the others with the mdat-first order. The names are also the texts
// shown to the user.
enum class HeicTileLayout {
    standard_selfie,
    standard,
    square_Iphone_OR_selfieThreeRatioFour_Android,
    square_selfieIphone_OR_FullPhotoAndroid,
    nine_ratio_Sixteen,
    selfie_nine_ratio_Sixteen,
    Three_RatioFour,
    one_Ratio_one,
    Nine_Ratio_Sixteen,
    selfie_Three_Ratio_Four,
    selfie_one_ratio_one,
    selfie_Nine_ratio_Sixteen,
    FullPhoto,
    FullPhoto_selfie,
    High_MP_Camera,
    selfie_four_ratio_five,
};

constexpr int kHeicTileLayoutCount = 16;

// The two box orders the rebuild has templates for.
enum class HeicBoxLayout {
    MetaFirst, // ftyp, meta, then the media data
    MdatFirst, // ftyp, mdat, meta
};

// True when the layout is recognised by this IDR slice count.
bool heicLayoutMatchesCount(HeicTileLayout layout, int sliceCount);

// Clears every layout flag of the repair state and sets those of the count.
void setHeicLayoutFlags(int sliceCount);

// True when a layout flag of the repair state is set.
bool anyHeicLayoutFlag();

// State that one HEIC repair (check or slice collection, rebuild, data copy)
// hands from step to step.
extern int g_heicSliceCount;
extern char g_heicMetaFirst;
extern char g_heicMdatFirst;
extern int g_heicMetaOffset;
extern int g_heicIinfDistance;
extern int g_sampleMetaOffset;
extern int g_sampleIinfDistance;

// Full path of the rebuilt file while it is open in the repair state; empty
// otherwise. Lets an abandoned or failed rebuild remove its partial output.
extern QString g_heicOutputPath;

// Ends whatever an earlier HEIC repair left behind: closes both HEIC files,
// removes an unfinished output and clears the box-order flags and the count.
void discardHeicRun();

// Closes the rebuilt file and removes it from disk.
void dropHeicOutput();

// Closes a stream of the repair state, if open, and sets it to null.
void closeHeicStream(FILE*& file);

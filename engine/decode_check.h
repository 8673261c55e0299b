#pragma once

#include <QString>

// How the entropy-coded data of an image checked by imageDecodes may end.
enum class DataEnd {
    Complete,    // the source held the whole image: data that runs out is damage
    MayEndEarly, // the source was cut short: the image's missing part stays flat
};

// The test every repaired image must pass to be kept: the file decodes as a
// JPEG, at an eighth of its size but through every stage of a decode, within
// the decode bounds (see BoundedDecoder), and its picture is not broken:
// it shows none of its quantization tables damaged (see tableFitsPicture).
// Warnings about
// damaged data do not fail it by themselves: zero bytes before the end
// marker are no damage; otherwise a sequential image passes when its blocks
// are not noise and no border between rows or columns of them stands out as
// a seam (a renumbered restart marker, a short damaged stretch, a flat
// remainder after a cut pass) and, when its data is complete, it does not
// end in lost data (see endsInLostData); a progressive one, whose damaged
// scan touches every block, does not.
bool imageDecodes(const QString& path, DataEnd end);

#pragma once

#include <QString>

class jpg_repair;

// The slice collection and the sample's box-order check without the clean-up
// of an earlier run, for use inside the rebuild with a sample.
void collectHevcSlices(jpg_repair& repair, const QString& damagedPath);
void checkSampleBoxOrder(jpg_repair& repair, const QString& samplePath);

// The data copy without its ending: appends the damaged file's slices to the
// rebuilt file and completes its mdat box, closes the damaged file and clears
// the box-order flag and the slice count. Leaves the rebuilt file open; false
// when no image data could be added.
bool appendHevcData(jpg_repair& repair);

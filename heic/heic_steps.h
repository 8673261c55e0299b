#pragma once

#include <QString>

class jpg_repair;

// The slice collection and the sample's box-order check without the clean-up
// of an earlier run, for use inside the rebuild with a sample.
void collectHevcSlices(jpg_repair& repair, const QString& damagedPath);
void checkSampleBoxOrder(jpg_repair& repair, const QString& samplePath);

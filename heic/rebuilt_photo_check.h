#pragma once

#include <QByteArray>

enum class RebuiltPhotoVerdict {
    Listed,         // the picture is whole, or the best its data allow
    Failed,         // no picture, or one whose tiles mostly decode with errors
    SampleMismatch, // the sample's geometry or coding does not fit the tiles
};

// Judges a rebuilt HEIC before it is listed. Its grid must fit its tiles
// (as many cells as tiles, an output size the tiles cover), most tiles must
// decode cleanly with its decoder configuration and libheif must decode its
// picture; a rebuild with a sample must also put the tiles where their
// pictures continue each other. A rebuild whose own sample brought what
// does not fit is a SampleMismatch.
RebuiltPhotoVerdict judgeRebuiltPhoto(const QByteArray& file, bool fromSample);

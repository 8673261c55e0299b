#include "rebuilt_photo_check.h"

#include "grid_photo.h"
#include "heic_decode_check.h"
#include "hevc_tile_decode.h"
#include "tile_seams.h"

namespace {

// The grid's cells are the tiles, and its output size is covered by them
// with less than one tile to spare in each direction.
bool gridFitsTiles(const GridPhoto& photo)
{
    const QSize tile = photo.tileSize;
    const QSize output = photo.outputSize;
    return photo.uniformTiles && !photo.tileConfig.isEmpty() && !tile.isEmpty() && !output.isEmpty()
        && photo.rows * photo.columns == photo.tiles.size()
        && qint64(photo.columns - 1) * tile.width() < output.width()
        && output.width() <= qint64(photo.columns) * tile.width()
        && qint64(photo.rows - 1) * tile.height() < output.height()
        && output.height() <= qint64(photo.rows) * tile.height();
}

} // namespace

RebuiltPhotoVerdict judgeRebuiltPhoto(const QByteArray& file, bool fromSample)
{
    const RebuiltPhotoVerdict unfit = fromSample ? RebuiltPhotoVerdict::SampleMismatch
                                                 : RebuiltPhotoVerdict::Failed;
    const std::optional<GridPhoto> photo = readGridPhoto(file);
    if (!photo)
        return RebuiltPhotoVerdict::Failed;
    if (!gridFitsTiles(*photo))
        return unfit;
    const TileDecodeReport report = decodeTiles(photo->tileConfig, photo->tiles, photo->tileSize);
    if (report.stopped)
        return RebuiltPhotoVerdict::Failed;
    // A few damaged tiles leave the best picture the data allow; a
    // configuration that does not fit the data fails nearly all of them.
    if (2 * report.faulty > report.tiles)
        return unfit;
    if (fromSample && tilesFitAnotherGridBetter(report.borders, photo->columns, photo->rows))
        return RebuiltPhotoVerdict::SampleMismatch;
    return heicDecodes(file) ? RebuiltPhotoVerdict::Listed : RebuiltPhotoVerdict::Failed;
}

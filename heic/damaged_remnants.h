#pragma once

#include <QByteArray>
#include <QSize>
#include <QVector>
#include <QtGlobal>

#include <optional>

class FileWindow;
struct GridPhoto;

// What a damaged HEIC file still says about its own picture: the item
// properties and the grid description that survived the damage, found by
// their box tags wherever they lie.
struct DamagedRemnants {
    // The sizes of the ispe properties and of the sequence parameter sets of
    // the hvcC properties of its item property box, when that survived whole.
    QVector<QSize> imageSizes;
    QVector<QSize> codedSizes;
    struct Grid {
        int rows = 0;
        int columns = 0;
        QSize outputSize;
    };
    std::optional<Grid> grid;  // from its idat box
    QByteArray irot;           // its first irot and imir boxes, whole
    QByteArray imir;
    bool stopped = false;
};

DamagedRemnants readDamagedRemnants(FileWindow& damaged);

// True when the sample's grid cannot be the damaged photo's: a surviving
// grid description, image size or decoder configuration of the damaged file
// disagrees with it.
bool remnantsContradict(const DamagedRemnants& remnants, const GridPhoto& sample);

// The sample's iprp box with the damaged file's own rotation and mirroring
// where those survive: in place of the sample's, or added to the primary
// item when the sample has none.
QByteArray withDamagedOrientation(const QByteArray& iprp, const DamagedRemnants& remnants,
                                  quint32 primary);

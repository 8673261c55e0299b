#include "decode_check.h"

#include <QImage>

bool imageDecodes(const QString& path)
{
    QImage image;
    return image.load(path);
}

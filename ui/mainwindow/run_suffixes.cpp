#include "run_suffixes.h"

namespace {

const char* const kEngineSuffixes[] = {"JPG", "JPEG", "NRW", "CR2", "ARW", "DNG", "ERF", "MRW",
                                       "NEF", "ORF",  "PEF", "RW2", "SR2", "SRF", "RAF", "TIFF",
                                       "TIF", "CRW",  "CR3", "SRW", "RAW", "BAY"};

} // namespace

bool IsEngineSuffix(const QString& upperSuffix)
{
    for (const char* suffix : kEngineSuffixes) {
        if (upperSuffix == QLatin1String(suffix))
            return true;
    }
    return false;
}

bool IsJpegSuffix(const QString& upperSuffix)
{
    return upperSuffix == QLatin1String("JPG") || upperSuffix == QLatin1String("JPEG");
}

bool IsThumbnailName(const QString& name)
{
    return name.contains(QLatin1String("_[T1]")) || name.contains(QLatin1String("_[T2]")) ||
           name.contains(QLatin1String("_[T3]"));
}

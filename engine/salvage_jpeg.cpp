// Salvage of a JPEG left as invalid: everything before the first usable
// table is dropped and a fresh start-of-image is put in front of the rest.
#include "jpg_repair.h"

#include "backward_search.h"
#include "block_copy.h"
#include "decode_check.h"
#include "file_open.h"
#include "file_window.h"
#include "global_state.h"
#include "jpeg_markers.h"
#include "output_names.h"
#include "segment_lists.h"

#include <QFile>
#include <QFileInfo>

namespace {

enum class Salvage { Decodes, Rejected, NoOutput, WriteFailed };

bool isSalvageApp(quint16 word)
{
    return word == jpeg::kAPP0 || word == jpeg::kAPP1 || word == jpeg::kAPP2
        || word == jpeg::markerWord(0xEC) || word == jpeg::kAPP13;
}

bool startsTables(quint16 word)
{
    return word == jpeg::kDQT || word == jpeg::kDHT || word == jpeg::kAPP0;
}

// Writes FF D8 and the input from point on under the input's name in the
// work folder (a free name when another input's output holds it). Only a
// complete file that decodes is kept; a rejected one is removed again: it is
// no output, and left there it would push a later repair of the same input
// onto a numbered name.
Salvage salvageFrom(FileWindow& input, qint64 point)
{
    const QString name = freeOutputName(g_state.workFolder, g_state.fileName);
    g_state.tempOutputPath = g_state.workFolder + name;
    FILE* out = platform::openFile(g_state.tempOutputPath, "wb+x");
    if (!out)
        return Salvage::NoOutput;
    writeBytes(out, "\xFF\xD8", 2);
    copyBlocks(input, point, out, input.size() - point);
    if (!closeWritten(out)) {
        QFile::remove(g_state.tempOutputPath);
        g_state.fileFailed = 1;
        return Salvage::WriteFailed;
    }
    // The salvaged file ends as the input does: a cut-off input keeps what
    // its data gives.
    const DataEnd end = input.le16(input.size() - 2) == jpeg::kEOI ? DataEnd::Complete
                                                                   : DataEnd::MayEndEarly;
    if (!imageDecodes(g_state.tempOutputPath, end)) {
        QFile::remove(g_state.tempOutputPath);
        return Salvage::Rejected;
    }
    g_state.producedFiles.append(name);
    return Salvage::Decodes;
}

// Forward search: the segment behind an APP segment that is followed by a
// table or APP0. Sets appMet when any APP marker word was seen.
bool salvageForward(FileWindow& input, bool& appMet)
{
    const qint64 size = input.size();
    qint64 p = 2;
    while (p < size) {
        if (!isSalvageApp(input.le16(p))) {
            ++p;
            continue;
        }
        appMet = true;
        const qint64 length = input.be16(p + 2);
        if (length >= size) {
            ++p;
            continue;
        }
        const qint64 next = p + length + 2;
        if (startsTables(input.le16(next)))
            return salvageFrom(input, next) == Salvage::Decodes;
        p += length + 1;
    }
    return false;
}

// Backward search: the last DQT of the file.
bool salvageBackward(FileWindow& input)
{
    qint64 o = input.size();
    while (o >= 1) {
        o = findLastPair(input, o, 1, 0xFF, 0xDB);
        if (o < 0)
            return false;
        const Salvage result = salvageFrom(input, o);
        if (result != Salvage::NoOutput)
            return result == Salvage::Decodes;
        --o;
    }
    return false;
}

} // namespace

bool jpg_repair::SalvageJpeg(QString path)
{
    g_state.inputFile = platform::openFile(path, "rb");
    g_state.fileName = "/" + QFileInfo(path).fileName();
    bool salvaged = false;
    if (g_state.inputFile) {
        FileWindow input(g_state.inputFile);
        if (input.size() <= kMaxJpegInputSize) {
            bool appMet = false;
            if (input.size() > 2)
                salvaged = salvageForward(input, appMet);
            if (!appMet)
                salvaged = salvageBackward(input);
        }
        std::fclose(g_state.inputFile);
        g_state.inputFile = nullptr;
    }
    return salvaged;
}

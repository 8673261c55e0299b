#pragma once

#include "jpg_repair.h"
#include "raw/preview_image.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QMetaType>
#include <QVector>
#include <QtGlobal>

#include <memory>

class QTemporaryDir;

// The segment that follows the start-of-image marker of a fixture JPEG, which
// decides the four-byte start pattern (FF D8 FF E0, FF D8 FF DB, ...).
enum class JpegStart { App0, Quantization, Huffman, Adobe, Exif };

// A real JPEG written by QImage::save, rearranged (segments dropped, moved or
// inserted before the tables) so that it begins with the requested segment.
// shade varies the picture so fixtures can hold distinct JPEGs.
QByteArray fixtureJpeg(JpegStart start, int shade = 0, int width = 24, int height = 16);

// One entry of a TIFF image file directory.
struct IfdEntry {
    quint16 tag = 0;
    quint32 value = 0;
    quint32 count = 1;
    quint16 type = 4;
};

// Builds the bytes of a fixture file in one byte order: headers, directories
// and data blobs appended or patched at known positions.
class ByteLayout {
public:
    explicit ByteLayout(bool bigEndian = false) : m_bigEndian(bigEndian) {}

    const QByteArray& bytes() const { return m_bytes; }
    quint32 size() const { return quint32(m_bytes.size()); }
    bool bigEndian() const { return m_bigEndian; }
    // Values appended or patched from now on use this byte order.
    void setBigEndian(bool bigEndian) { m_bigEndian = bigEndian; }

    quint32 append(const QByteArray& bytes);
    quint32 appendZeros(int count);
    quint32 append16(quint16 value);
    quint32 append32(quint32 value);
    void put(quint32 pos, const QByteArray& bytes);
    void put16(quint32 pos, quint16 value);
    void put32(quint32 pos, quint32 value);
    void truncate(quint32 size) { m_bytes.truncate(int(size)); }

    // The eight-byte TIFF header in this layout's byte order.
    quint32 appendTiffHeader(quint32 firstDirectory = 8);
    // A directory with its next-directory field; returns its position.
    quint32 appendDirectory(const QVector<IfdEntry>& entries, quint32 nextDirectory = 0);
    // Position of the value field of entry index of the directory at dir.
    static quint32 valueField(quint32 directory, int index) { return directory + 2 + 12 * quint32(index) + 8; }
    static quint32 nextField(quint32 directory, int count) { return directory + 2 + 12 * quint32(count); }

private:
    QByteArray encode16(quint16 value) const;
    QByteArray encode32(quint32 value) const;

    bool m_bigEndian;
    QByteArray m_bytes;
};

// Appends, right after a TIFF header at header, a first directory whose Exif
// entry (0x8769) leads to an Exif directory whose MakerNote entry (0x927C)
// points at the end of the layout, where the caller appends the MakerNote.
// Positions are written relative to header.
void appendMakerNoteChain(ByteLayout& layout, quint32 header);

// The independent metadata reader used as an oracle: the binary value of one
// tag (e.g. "PreviewImage") of a file, empty when the tool or the tag is
// missing. exiftoolAvailable() tells whether the tool is installed.
bool exiftoolAvailable();
QByteArray exiftoolBinary(const QString& tag, const QString& path);

// Byte values as an array, for readable literal patterns in tests.
QByteArray hexBytes(const char* hex);

using Extractor = void (jpg_repair::*)(QString);

// One extractor run on a fixture written to disk.
struct ExtractionRun {
    QStringList names;  // the produced-file list after the run
    QString workFolder;

    QByteArray output(const QString& name) const;
    QStringList filesInWorkFolder() const;
};

// Checks the produced names, that each output holds its expected bytes, and
// that the work folder holds nothing else.
void compareOutputs(const ExtractionRun& run, const QStringList& names, const QList<QByteArray>& contents);

// A scratch folder that holds inputs and a work folder for a test case.
class ExtractionScene {
public:
    ExtractionScene();
    ~ExtractionScene();

    QString workFolder() const;
    // Empties the work folder and clears the stop flag, as a new run would.
    void reset() const;
    QString writeInput(const QString& fileName, const QByteArray& bytes) const;
    // Runs extract on the file with an empty produced-file list.
    // A repair object may be given to look at what the extractor left in it.
    ExtractionRun run(Extractor extract, const QString& fileName, const QByteArray& bytes,
                      jpg_repair* repair = nullptr) const;
    ExtractionRun runPath(Extractor extract, const QString& path, jpg_repair* repair = nullptr) const;

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

Q_DECLARE_METATYPE(IfdEntry)
Q_DECLARE_METATYPE(PreviewImage)

// Readable comparisons of located images in test failures.
char* toString(const PreviewImage& image);

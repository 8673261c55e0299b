#pragma once

#include "preview_image.h"
#include "raw_input.h"

#include <QByteArray>
#include <QString>

// Names the previews of one input and writes them into the work folder.
//
// Output k is named base + "_k" + extension (base shortened when the name
// would be too long for the file system). When a file of that name is
// already in the work folder (another input of the run with the same base
// name wrote it), the preview takes the first free name of the form
// base + "_k(n)" + extension, n = 2, 3, ..., so no output is replaced.
class PreviewWriter {
public:
    enum class BaseName {
        BeforeFirstDot,  // first non-empty part of the file name split at "."
        WholeFileName,   // the file name with its suffix
    };

    explicit PreviewWriter(const QString& inputPath, BaseName rule = BaseName::BeforeFirstDot,
                           const QString& extension = QStringLiteral(".jpg"));

    // The name of output k before any clash is resolved.
    QString outputName(int k) const;

    // The write step for output k. The image is skipped when its length is 0,
    // when its length or offset is not less than the file size, or when it
    // runs past the end of the file. prefix is written before the image's
    // bytes. Returns the file name written (without folder), or an empty
    // string when the image was skipped or the file could not be written
    // completely (a partial file is removed and the input marked as failed).
    QString write(RawInput& input, const PreviewImage& image, int k, const QByteArray& prefix = QByteArray());

    // write(), then the name is appended to the produced files.
    bool writeAndList(RawInput& input, const PreviewImage& image, int k,
                      const QByteArray& prefix = QByteArray());

    static bool fits(const RawInput& input, const PreviewImage& image);

private:
    QString freeName(int k) const;

    QString m_baseName;
    QString m_extension;
};

// Appends an output name to the list of files the current input produced.
void listProducedFile(const QString& name);

#include "preview_writer.h"

#include "file_open.h"
#include "file_window.h"
#include "global_state.h"
#include "output_names.h"
#include "wipe_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <vector>

namespace {

constexpr std::size_t kCopyChunk = 1024 * 1024;

QString baseNameOf(const QString& fileName, PreviewWriter::BaseName rule)
{
    if (rule == PreviewWriter::BaseName::WholeFileName)
        return fileName;
    const QStringList parts = fileName.split(QLatin1Char('.'), Qt::SkipEmptyParts);
    return parts.isEmpty() ? fileName : parts.first();
}

bool copyInto(FILE* out, RawInput& input, const PreviewImage& image, const QByteArray& prefix)
{
    if (!prefix.isEmpty()
        && std::fwrite(prefix.constData(), 1, std::size_t(prefix.size()), out) != std::size_t(prefix.size()))
        return false;
    std::vector<quint8> chunk(std::min<std::size_t>(kCopyChunk, image.length));
    quint64 done = 0;
    while (done < image.length) {
        const std::size_t part = std::size_t(std::min<quint64>(chunk.size(), image.length - done));
        input.read(quint64(image.offset) + done, chunk.data(), part);
        if (std::fwrite(chunk.data(), 1, part, out) != part)
            return false;
        done += part;
    }
    return true;
}

} // namespace

void listProducedFile(const QString& name)
{
    g_state.producedFiles.append(name);
}

PreviewWriter::PreviewWriter(const QString& inputPath, BaseName rule, const QString& extension)
    : m_baseName(baseNameOf(QFileInfo(inputPath).fileName(), rule)), m_extension(extension)
{
}

QString PreviewWriter::outputName(int k) const
{
    return fittedName(m_baseName, QStringLiteral("_%1").arg(k) + m_extension);
}

QString PreviewWriter::freeName(int k) const
{
    const QString folder = g_state.workFolder + QLatin1Char('/');
    QString name = outputName(k);
    for (int n = 2; pathTaken(folder + name); ++n)
        name = fittedName(m_baseName, QStringLiteral("_%1(%2)").arg(k).arg(n) + m_extension);
    return name;
}

bool PreviewWriter::fits(const RawInput& input, const PreviewImage& image)
{
    const quint64 offset = image.offset;
    const quint64 length = image.length;
    return length != 0 && length < input.size() && offset < input.size()
        && offset + length <= input.size();
}

QString PreviewWriter::write(RawInput& input, const PreviewImage& image, int k, const QByteArray& prefix)
{
    if (!fits(input, image) || g_state.workFolder.isEmpty())
        return QString();
    QDir().mkpath(g_state.workFolder);
    const QString name = freeName(k);
    const QString path = g_state.workFolder + QLatin1Char('/') + name;
    // Created new: nothing already at that name is written through.
    FILE* out = platform::openFile(path, "wb+x");
    if (!out) {
        g_state.fileFailed = 1;
        return QString();
    }
    const quint64 shortReadsBefore = shortReadCount();
    const bool copied = copyInto(out, input, image, prefix);
    const bool closed = std::fclose(out) == 0;
    // A preview whose bytes did not all arrive from the input is not one.
    if (copied && closed && shortReadCount() == shortReadsBefore)
        return name;
    FolderWiper().WipeFile(path);
    g_state.fileFailed = 1;
    return QString();
}

bool PreviewWriter::writeAndList(RawInput& input, const PreviewImage& image, int k, const QByteArray& prefix)
{
    const QString name = write(input, image, k, prefix);
    if (!name.isEmpty())
        listProducedFile(name);
    return !name.isEmpty();
}

#pragma once

// What the fuzz targets share: the split of a fuzz input into a mode, two
// parameters and a body, and files written from it.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>

// A fuzz input: byte 0 chooses the mode, bytes 1 and 2 are the parameters of
// that mode, the rest is the body.
struct FuzzInput {
    FuzzInput(const std::uint8_t* data, std::size_t size, int modes)
    {
        const QByteArray all = QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
        mode = size > 0 ? data[0] % modes : 0;
        first = size > 1 ? data[1] : 0;
        second = size > 2 ? data[2] : 0;
        body = all.mid(3);
    }

    // The two parameters as one 16-bit number.
    int parameter() const { return first * 256 + second; }
    // The body cut in two at parameter() (the first part is at most the whole
    // body): for example a sample and a damaged file.
    QByteArray head() const { return body.left(parameter()); }
    QByteArray tail() const { return body.mid(parameter()); }

    int mode = 0;
    int first = 0;
    int second = 0;
    QByteArray body;
};

// Writes bytes to folder/name, creating the folder; the path, or an empty
// string when the file could not be written.
inline QString putFuzzFile(const QString& folder, const QString& name, const QByteArray& bytes)
{
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

// The engine's debug lines and the decoder's warnings would flood the
// fuzzer's output.
inline void silenceMessages()
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
}

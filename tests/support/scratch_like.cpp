#include "scratch_like.h"

#include "temp_file.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <sys/stat.h>

bool makeScratchLike(const QString& folder)
{
    return QDir().mkpath(folder) && ::chmod(QFile::encodeName(folder).constData(), 0700) == 0
        && writeFileBytes(folder + "/IMG_1.jpg", "copy of a photo")
        && writeFileBytes(folder + "/.IMG_2.jpg", "copy of a photo with a hidden name")
        && writeFileBytes(folder + "/Thumbnail Repaired/IMG_1_[T1].jpg", "copy of a thumbnail");
}

bool startLockHolder(QProcess& holder, const QString& folder)
{
    holder.setProcessChannelMode(QProcess::MergedChannels);
    holder.start(QStringLiteral("sh"), {QStringLiteral("-c"),
                                        QStringLiteral("exec 9<\"$1\" && flock 9 && echo held && exec sleep 120"),
                                        QStringLiteral("holder"), folder});
    QByteArray output;
    for (int waited = 0; waited < 20000 && !output.contains("held"); waited += 100) {
        holder.waitForReadyRead(100);
        output += holder.readAll();
    }
    return output.contains("held");
}

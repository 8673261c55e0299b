#include "program_launch.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace platform {

bool launchProgram(const QString& fileName)
{
    const QString program = QDir::current().absoluteFilePath(fileName);
    const QString record = qEnvironmentVariable(kLaunchRecordVariable);
    if (!record.isEmpty()) {
        QFile file(record);
        if (file.open(QIODevice::Append | QIODevice::Text))
            file.write(program.toUtf8() + '\n');
        return true;
    }
    return QProcess::startDetached(program, {});
}

} // namespace platform

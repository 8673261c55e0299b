// RepairFile on arbitrary bytes, followed by the salvage the repair run
// calls for an invalid main image, with the work folder under the fuzz
// process's temporary folder.
#include "global_state.h"
#include "jpg_repair.h"
#include "save_file.h"
#include "wipe_folder.h"

#include <QDir>
#include <QFile>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>

// The engine's debug lines and the decoder's warnings would flood the
// fuzzer's output.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QString inputFolder = QDir::tempPath() + "/fuzz_input";
    static const QString workFolder = QDir::tempPath() + "/RepairedFiles";
    QDir().mkpath(inputFolder);
    QDir().mkpath(workFolder);
    const QString path = inputFolder + "/input.jpg";
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }

    g_state.workFolder = workFolder;
    g_state.inputPath = path;
    g_state.fileName = "/input.jpg";
    g_state.fileSuffix = "jpg";
    g_state.producedFiles.clear();
    g_state.runActive = 1;
    g_state.thumbnailsEnabled = 2;
    g_state.invalidFileCount = 0;
    g_state.multiImageRecovery = 0;
    {
        jpg_repair repair;
        repair.RepairFile(path);
        if (g_state.invalidFileCount == 1)
            repair.SalvageJpeg(path);
    }
    freeResultList();
    FolderWiper().WipeFolder("RepairedFiles");
    return 0;
}

#include "engine_input.h"

#include "file_open.h"
#include "global_state.h"
#include "jpg_repair.h"
#include "temp_file.h"

#include <QDir>
#include <QFile>

EngineInput::EngineInput(const QByteArray& bytes, const QString& name)
    : m_path(QDir::tempPath() + "/" + name)
{
    writeFileBytes(m_path, bytes);
    g_state.inputFile = platform::openFile(m_path, "rb");
    g_state.inputFileSize = jpg_repair::FileSize(g_state.inputFile);
    g_state.runActive = 1;
}

EngineInput::~EngineInput()
{
    jpg_repair repair;
    repair.ResetState();
    repair.FreeEmbeddedSegments();
    g_state.multiImageRecovery = 0;
    g_state.embeddedScanActive = 0;
    g_state.thumbnailFound = 0;
    g_state.runActive = 0;
    g_state.inputFileSize = 0;
    g_state.sourceFileSize = 0;
    QFile::remove(m_path);
}

FILE* EngineInput::file() const
{
    return g_state.inputFile;
}

#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>

// Puts bytes on disk and opens them as the engine's input, the way the
// per-file entry does: g_state.inputFile, g_state.inputFileSize and
// g_state.runActive are set. The destructor releases every per-file list and
// closes the input, so each test starts from a clean engine state.
class EngineInput {
public:
    explicit EngineInput(const QByteArray& bytes, const QString& name = "input.jpg");
    ~EngineInput();

    EngineInput(const EngineInput&) = delete;
    EngineInput& operator=(const EngineInput&) = delete;

    FILE* file() const;
    QString path() const { return m_path; }

private:
    QString m_path;
};

#include "save_file.h"

#include "global_state.h"
#include "marker_order.h"

#include <QFileInfo>

void freeResultList()
{
    g_state.resultCursor = g_state.resultHead;
    while (g_state.resultCursor) {
        ResultNode* next = g_state.resultCursor->next;
        delete g_state.resultCursor;
        g_state.resultCursor = next;
    }
    g_state.resultHead = nullptr;
    g_state.resultTail = nullptr;
}

SaveFile::SaveFile() : QObject(nullptr) {}

SaveFile::~SaveFile() = default;

void SaveFile::AddResult(ResultNode** head, ResultNode** tail, QString path, QString name,
                         int index, quint16 resultNo, quint16 plannedOutputs, quint16 status,
                         quint16 kind)
{
    m_newHead = nullptr;
    m_newNode = nullptr;
    m_lastNode = nullptr;
    if (*head) {
        m_lastNode = *tail;
        if (m_lastNode->next)
            return;
    }
    // Only a file this save wrote is a result: a file of the same name left
    // by another input must not be reported as this input's output.
    if (!m_writtenPaths.contains(path) || !QFileInfo(path).exists())
        return;
    auto* node = new ResultNode;
    node->path = path;
    node->name = name;
    node->index = index;
    node->resultNo = resultNo;
    node->plannedOutputs = plannedOutputs;
    node->status = status;
    node->kind = kind;
    g_state.producedFiles.append(name);
    if (*head) {
        m_newNode = node;
        m_lastNode->next = node;
    } else {
        m_newHead = node;
        *head = node;
    }
    *tail = node;
}

void SaveFile::offer(const QString& path, const QString& name)
{
    ++g_state.resultIndex;
    ++m_resultCount;
    AddResult(&g_state.resultHead, &g_state.resultTail, path, name, g_state.resultIndex,
              quint16(m_resultCount), quint16(m_plannedOutputs), m_status, quint16(m_resultKind));
}

bool SaveFile::skipRequested() const
{
    return g_state.skipThis || g_state.skipAll;
}

unsigned int SaveFile::IsMarkerSequenceValid(int image)
{
    return IsSegmentOrderValid(g_state.segmentHead, image);
}

unsigned int SaveFile::IsEmbeddedMarkerSequenceValid()
{
    return IsEmbeddedSegmentOrderValid(g_state.embeddedSegmentHead);
}

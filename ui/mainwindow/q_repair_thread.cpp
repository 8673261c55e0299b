#include "q_repair_thread.h"

#include "browse_repair_dlg.h"
#include "global_state.h"

#include <QMutexLocker>

RepairMode CurrentRepairMode()
{
    if (g_state.jpegSampleMode != 0)
        return RepairMode::JpegSample;
    if (g_state.heicSampleMode != 0)
        return RepairMode::HeicSample;
    return RepairMode::Normal;
}

QRepairThread::QRepairThread() : QThread(nullptr) {}

QRepairThread::~QRepairThread()
{
    m_wakeCondition.wakeOne();
    wait();
}

void QRepairThread::StartRepair()
{
    QMutexLocker locker(&m_mutex);
    if (isRunning())
        m_wakeCondition.wakeOne();
    else
        start(QThread::LowPriority);
}

void QRepairThread::run()
{
    QMutexLocker locker(&m_mutex);
    switch (CurrentRepairMode()) {
    case RepairMode::JpegSample:
        m_dlg->RepairJpegWithSample();
        break;
    case RepairMode::HeicSample:
        m_dlg->RepairHeicWithSample();
        break;
    case RepairMode::Normal:
        m_dlg->RepairSelectedFiles();
        break;
    }
    if (g_state.stopRequested == 1) {
        locker.unlock();
        quit();
        emit AbortProcess();
        return;
    }
    emit ProcessCompleted();
}

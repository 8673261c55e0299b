#pragma once

#include <QMutex>
#include <QThread>
#include <QWaitCondition>

class BrowseRepairDlg;

// The three kinds of run; the JPEG sample flag is tested first.
enum class RepairMode { Normal, JpegSample, HeicSample };
RepairMode CurrentRepairMode();

// The worker thread of the repair. One instance lives in the main window;
// each start runs one of the window's run bodies with the mutex held and
// reports the end with ProcessCompleted(), or AbortProcess() after a stop.
class QRepairThread : public QThread {
    Q_OBJECT
public:
    QRepairThread();
    ~QRepairThread() override;

    // Starts a run at low priority unless one is already going.
    void StartRepair();

    QMutex m_mutex;
    QWaitCondition m_wakeCondition;
    BrowseRepairDlg* m_dlg = nullptr; // set by the window before each start

signals:
    void ProcessCompleted();
    void AbortProcess();

protected:
    void run() override;
};

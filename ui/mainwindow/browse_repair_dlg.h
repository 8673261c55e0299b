#pragma once

#include "button_record.h"
#include "main_window_geometry.h"
#include "q_repair_thread.h"
#include "run_rows.h"
#include "sample_run_rows.h"
#include "ui_main_window.h"

#include <QDialog>
#include <QList>
#include <QPoint>
#include <QStringList>
#include <QVector>

#include <atomic>

class AdvancedRepairDlg;
class BackApplicationDlg;
class CloseApplicationDlg;
class CustomButton;
class GlobalState;
class MyTreeWidget;
class QAction;
class QImage;
class QPushButton;
class QTimer;
class QTreeWidgetItem;
class StopDlg;

// The application's main window: page 1 (frame) holds the file list, page 2
// (frame2) the results of a run. Frameless and of a fixed size; every widget
// sits at an absolute rectangle of the current language times the scale.
class BrowseRepairDlg : public QDialog, public Ui::Q_Dialog {
    Q_OBJECT
public:
    explicit BrowseRepairDlg(QWidget* parent = nullptr);
    ~BrowseRepairDlg() override;

    void SetLanguageGeometry();
    void FitToScreen();

    // Per-language tables of the window's rectangles.
    void LoadEnglishGeometry();
    void LoadGermanGeometry();
    void LoadFrenchGeometry();
    void LoadItalianGeometry();
    void LoadSpanishGeometry();
    void LoadChineseGeometry();
    void LoadJapaneseGeometry();
    void LoadKoreanGeometry();
    void LoadDutchGeometry();
    void LoadBrazilGeometry();
    void LoadHindiGeometry();

    bool IsFileAlreadyAdded(const QString& path);

    // Run body of a normal repair; worker thread only.
    void RepairSelectedFiles();
    static QString FormatSizeKB(qint64 bytes);
    // The height of a file row of the results and of its "Advance Repair"
    // link at the current scale and language.
    static int ResultsRowHeight();
    // Run bodies of the repairs with a sample; worker thread only.
    void RepairJpegWithSample();
    void RepairHeicWithSample();
    // Ends a sample run: its completion message, as a failure when it listed nothing.
    void EndSampleRun(bool listed);

    MyTreeWidget* m_fileTree = nullptr;
    MyTreeWidget* m_repairTree = nullptr;
    QPushButton* m_addFileButton = nullptr;
    QPushButton* m_languageButton = nullptr;
    QPushButton* m_languageButton2 = nullptr;
    QPushButton* m_moreToolsButton = nullptr;
    QPushButton* m_moreToolsButton2 = nullptr;
    CloseApplicationDlg* m_closeDlg = nullptr;
    StopDlg* m_stopDlg = nullptr;
    BackApplicationDlg* m_backDlg = nullptr;
    AdvancedRepairDlg* m_advancedRepairDlg = nullptr;
    MainWindowGeometry m_geometry;
    QTimer* m_toolBarTimer = nullptr;
    float m_toolBarProgress = 0.0f;
    QPoint m_dragOffset;
    QString m_helpUrl;
    int m_addedFileCount = 0;
    unsigned int m_nextFileId = 0;
    QStringList m_selectedFiles;
    bool m_fileTreeReady = false;
    bool m_resultsCheckable = false;
    quint32 m_nextButtonId = 0;
    quint32 m_repairRowCount = 0;
    QList<ButtonRecord> m_buttonRecords;
    CustomButton* m_lastCustomButton = nullptr;
    QStringList m_imageWidths;
    QVector<RunFileRow> m_runRows;
    // The files of the file list when the run began: the run's wipe of the
    // work folder spares them.
    QStringList m_listedInputs;
    // Set by a run body that ended at a stop, before its completion signal;
    // the heading reads it, also on a language switch during a run.
    std::atomic<bool> m_runStopped{false};
    // Why the last sample run listed nothing; shown by its completion message.
    QString m_sampleFailure;
    // Advanced repair with a sample.
    QStringList m_sampleRepairQueue;
    QVector<SampleRunRow> m_sampleRows;
    // Declared last: its destructor waits for a running body, which uses the
    // members above.
    QRepairThread m_repairThread;

    // Skin, tool strips and interface languages.
    enum LanguageAction {
        LangGerman, LangFrench, LangItalian, LangSpanish, LangJapanese, LangChinese,
        LangKorean, LangEnglish, LangHindi, LangDutch, LangBrazil
    };
    static constexpr int kLanguageActionCount = 11;
    // Second index: 0 the file-list page's menu, 1 the results page's.
    QAction* m_langActions[kLanguageActionCount][2] = {};
    void SetDpiStyleSheets();
    void SetAddFileButtonStyle();
    void CreateToolBars();
    void CreateLanguageMenu();
    void CreateLanguageMenu2();

signals:
    void ShowProgressLabel(QString, QString);
    void displayItem();
    void Showlabel();
    void ShowProgress();
    void SetProgressBarValue(uint);
    void SetOverAllProgress(uint);
    void SetOverAllProgressOne(uint);
    void EnableProgressBar();
    void SetCheckBoxEnabled();
    void ShowThumblabl();
    void ThumbChbox();
    void SelectAllLable();
    void CompletionMsgBox();
    void ExpandThumb(QTreeWidgetItem*);
    void setCustomButton(uint);
    void ShowString();
    void showCustomButton(uint);
    // Row changes of a run, applied on the user-interface thread in order.
    void RunRowStatus(QTreeWidgetItem* row, uint status);
    void RunRowUncheck(QTreeWidgetItem* row);
    void RunRowType(QTreeWidgetItem* row, QString type);
    void RunOutputRow(QTreeWidgetItem* fileRow, QTreeWidgetItem* outputRow, OutputRowDetails details);
    void RunMarkStopped();
    void RunFinalPass();
    // Row change of a sample run: the row gets a ticked check box.
    void RunRowCheck(QTreeWidgetItem* row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Interface languages: re-texts and re-lays out the window.
    void changeEvent(QEvent* event) override;
    // Back and close.
    void closeEvent(QCloseEvent* event) override;

public slots:
    void OnAbortProcess();
    void OnExpandThumb(QTreeWidgetItem* row);

private slots:
    void DisplaySavedItems();
    void OnShowlabel();
    void OnShowProgress();
    void OnSetProgressBarValue(uint range);
    void OnSetOverAllProgress(uint value);
    void OnSetOverAllProgressOne(uint value);
    void OnEnableProgressBar();
    void OnShowProgresslabel(QString fileText, QString percentText);
    void OnSetCheckBoxEnabled();
    void OnShowThumblabl();
    void OnThumbChbox();
    void OnSelectAllLable();
    void StopProcess();
    void OnStopProcess();
    void OnRunProcess();
    void SwitchToOriginalState();
    void OnCompletionMsgBox();
    void OnsetCustomButton(uint position);
    void OnshowCustomButton(uint index);
    void OnShowString();
    void OnSaveWindow();
    void OnItemClicked(QTreeWidgetItem* row, int column);
    void OnSaveCheckBoxbtnClicked(bool checked);
    void OnThumbnailHideChkBox(bool checked);
    void RepairFilesProcess();
    void ApplyRowStatus(QTreeWidgetItem* row, uint status);
    void ApplyRowUncheck(QTreeWidgetItem* row);
    void ApplyRowType(QTreeWidgetItem* row, QString type);
    void ApplyOutputRow(QTreeWidgetItem* fileRow, QTreeWidgetItem* outputRow, OutputRowDetails details);
    void ApplyStopMarking();
    void ApplyFinalPass();
    void Init();
    void MinimiseWin();
    void CloseProcess();
    void AddFilesProcess();
    void RemoveFrmListProcess();
    void OnCheckBoxbtnClicked(bool checked);
    void OnRepairItemClicked(QTreeWidgetItem* item, int column);
    // Interface languages and tool strips.
    void LoadEnglishLanguages();
    void LoadGermanLanguages();
    void LoadFrenchLanguages();
    void LoadItalianLanguages();
    void LoadSpanishLanguages();
    void LoadJapaneseLanguages();
    void LoadChineseLanguages();
    void LoadKoreanLanguages();
    void LoadDutchLanguages();
    void LoadBrazilLanguages();
    void LoadHindiLanguages();
    void LoadEnglishLanguages2();
    void LoadGermanLanguages2();
    void LoadFrenchLanguages2();
    void LoadItalianLanguages2();
    void LoadSpanishLanguages2();
    void LoadJapaneseLanguages2();
    void LoadChineseLanguages2();
    void LoadKoreanLanguages2();
    void LoadDutchLanguages2();
    void LoadBrazilLanguages2();
    void LoadHindiLanguages2();
    void OnMenuProduct();
    void OnSecondMenuProduct();
    void OnToolBarTimerSlot();
    void OnToolBarTimerSlot2();
    void LaunchDriveMonitor();
    void LaunchVideoRepair();
    void LaunchDataRecovery();
    void LaunchPhotoRecovery();
    // Saving the results
    void SaveImage();
    // Advanced repair with a sample.
    void OnClickAddReference(uint id);
    void OnRefe_CheckBoxClicked();
    void ReferenceRepairProcess();
    void ApplyRowCheck(QTreeWidgetItem* row);
    // Back and close.
    void OnClickedBackBtn();
    // Context help, about box and software update
    void OnHelp();
    void onAbtDlg();
    void onUpdateWizard();

private:
    void InitRepairState();
    void SetupRepairTree();
    void SizeResultsColumns();
    void ConnectSignals();
    void SetUpFileTree();
    void AddFileRow(const QString& path);
    void UpdateSelectAllState();
    void AddResultsFileRow(QTreeWidgetItem* fileItem);
    QVector<RunFileRow> SnapshotRunRows() const;
    CustomButton* LinkOfRow(const QTreeWidgetItem* row) const;
    void ShowFinishedResults();
    QString FinishedHeading() const;
    void ShowRepairingTexts();
    void UpdateResultsSelection();
    void ShowPreview(const QImage& image, bool heic);
    void HideAdditionalOutputs(QTreeWidgetItem* file);
    // Interface languages and tool strips.
    void SwitchLanguage(int type, int page);
    void UpdateLanguageChecks();
    void UpdateLanguageChecks2();
    void UpdatePageLanguageChecks(int page);
    void CheckCurrentLanguage(int page);
    void RetranslateWindow();
    void SetToolStripTips();
    void BuildLanguageMenu(QPushButton* button, int page);
    void StartToolBarAnimation(void (BrowseRepairDlg::*tick)());
    void StopFinishedToolBar();
    void LaunchTool(qint32 GlobalState::*launchedFlag, const QString& program);
    // Saving the results; the copy returns how many outputs failed to copy.
    bool PrepareOutputFolder(const QString& path);
    int CopyRepairedFiles(const QString& workFolder);
    QString GetSavePath(const QString& target);
    void ShowSaveMessage(const QString& message);
    // Advanced repair with a sample.
    QVector<SampleRunRow> SnapshotSampleRows() const;
    QString FailedRowPath(quint32 buttonId) const;
    // Back and close.
    QStringList ListedInputs() const;
    void WipeWorkFolder() const;
    void WipeAndRemoveWorkFolder();
};

// The one main window, set by its constructor.
extern BrowseRepairDlg* g_mainWindow;

#pragma once

#include "main_window_geometry.h"
#include "ui_main_window.h"

#include <QDialog>
#include <QPoint>
#include <QStringList>

class AdvancedRepairDlg;
class BackApplicationDlg;
class CloseApplicationDlg;
class CustomButton;
class MyTreeWidget;
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
    static QString FormatSizeKB(qint64 bytes);

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

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

public slots:
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
    void Init();
    void MinimiseWin();
    void CloseProcess();
    void AddFilesProcess();
    void RemoveFrmListProcess();
    void OnCheckBoxbtnClicked(bool checked);
    void OnRepairItemClicked(QTreeWidgetItem* item, int column);
    // Context help, about box and software update
    void OnHelp();
    void onAbtDlg();
    void onUpdateWizard();

private:
    void InitRepairState();
    void SetupRepairTree();
    void ConnectSignals();
    void SetUpFileTree();
    void AddFileRow(const QString& path);
    void UpdateSelectAllState();
};

// The one main window, set by its constructor.
extern BrowseRepairDlg* g_mainWindow;

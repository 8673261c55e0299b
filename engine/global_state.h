#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <atomic>
#include <cstdio>

struct SegmentNode;
struct EmbeddedSegmentNode;
struct OffsetNode;
struct ResultNode;
class ReferenceFileDlg;
class PopupMenu;
class QAction;

// The one record through which the user interface, the repair engine, the
// table libraries and the update code share state. Plain public fields; the
// instance lives in static storage and is zero-initialised before main().
class GlobalState {
public:
    GlobalState();
    ~GlobalState();

    GlobalState(const GlobalState&) = delete;
    GlobalState& operator=(const GlobalState&) = delete;

    // --- Current input file and its outputs ---
    QString inputPath;
    QString fileName;          // "/" + file name of the current input
    QString tempJpegPath;
    QString fileSuffix;        // case preserved
    QString outputPath;
    QString thumb1Name;
    QString thumb1Path;
    QString tempOutputPath;
    QString thumbnailFolder;
    QString thumb2Name;
    QString thumb2Path;
    QString processedNames;

    // --- Work folder ---
    QString workFolder;
    QString workFolderName;

    // --- Save step and dialog answers ---
    QString destinationFolder;
    QString saveFolderName;
    QString saveRoot;
    QString saveFileName;
    QString saveParentFolder;
    QString renamedFileName;
    QString samplePath;
    QString dialogPath;
    QString pressedButtonName;

    // --- Application settings and main window ---
    QString settingsPath;
    QString appDirPath;
    QString supportMailAddress;
    QString monitorDriveExe;
    QString repairVideoExe;
    QString recoverDataExe;
    QString recoverPhotoExe;

    // --- RAW preview extraction ---
    QString cr3OutputName[3];

    // --- Flags and counters of the current input ---
    qint32 useTempInput;
    qint32 thumbnailPass;
    qint32 invalidFileCount;
    quint16 resultIndex;
    // Set when the input could not be read or one of its outputs could not
    // be written completely; the run then marks the file's row as failed.
    qint32 fileFailed;

    // --- Run control ---
    // Written by the user-interface thread while the worker polls it.
    std::atomic<int> stopRequested;
    qint32 runActive;

    // --- JPEG engine flags ---
    qint32 skipFirstImageOff;
    qint32 thumbnailFound;
    qint32 multiImageRecovery;
    qint32 embeddedScanActive;
    qint32 thumbnailsEnabled;
    qint32 thumbnailOnly;

    // --- Dialog answers ---
    qint32 jpegSampleMode;
    qint32 heicSampleMode;
    qint32 applySampleToAll;
    ReferenceFileDlg* referenceDlg;
    qint32 overwriteThis;
    qint32 renameThis;
    qint32 overwriteFolder;
    qint32 skipThis;
    qint32 overwriteAll;
    qint32 renameAll;
    qint32 skipAll;
    qint32 folderCancel;
    qint32 folderRename;
    qint32 copyCounter;
    qint32 clickedButtonId;
    quint16 savedCount;

    // --- Scale and languages ---
    float uiScale;
    qint32 langEnglish;
    qint32 langGerman;
    qint32 langFrench;
    qint32 langItalian;
    qint32 langSpanish;
    qint32 langChinese;
    qint32 langKorean;
    qint32 langJapanese;
    qint32 langHindi;
    qint32 langBrazil;
    qint32 langDutch;
    qint32 showAsDisabled;

    // --- Main-window state ---
    qint32 launchedMonitorDrive;
    qint32 launchedRepairVideo;
    qint32 launchedRecoverData;
    qint32 launchedRecoverPhoto;
    qint32 helpAddFiles;
    qint32 helpStart;
    qint32 helpRepair;
    qint32 helpPreview;
    qint32 helpAdvanced;
    qint32 resultsPageShown;
    QAction* actMonitorDrive;
    QAction* actRecoverData;
    QAction* actRepairVideo;
    QAction* actRecoverPhoto;
    PopupMenu* moreToolsMenu;
    float toolbarStep;
    qint32 toolbarInterval;

    // --- HEIC repair ---
    qint32 heicLayoutFlags[16];
    qint32 heicValid;
    qint32 heicUnknownCount;
    FILE* heicFile;
    FILE* heicOutFile;

    // --- Input stream, list anchors and produced files ---
    FILE* inputFile;
    qint64 inputFileSize;
    qint64 sourceFileSize;
    ResultNode* resultHead;
    ResultNode* resultTail;
    ResultNode* resultCursor;
    SegmentNode* segmentHead;
    SegmentNode* segmentTail;
    SegmentNode* segmentCursor;
    EmbeddedSegmentNode* embeddedSegmentHead;
    EmbeddedSegmentNode* embeddedSegmentTail;
    EmbeddedSegmentNode* embeddedSegmentCursor;
    OffsetNode* strayMarkerHead;
    OffsetNode* strayMarkerTail;
    OffsetNode* strayMarkerCursor;
    QStringList producedFiles;
    QIcon jpegIcon;
    QIcon heicIcon;
    QIcon otherIcon;

    // --- Quantization table exchange ---
    qint32 dqtSearchPending;   // starts at 1
    qint32 dqtTwoFilled;
    qint32 dqtThreeFilled;
    qint32 dqtLength;
    qint32 dqtSegmentCount;
    qint32 dqtIndex;
    quint8 dqtSignature[3][25];
    quint8 dqtReplacement1[69];
    quint8 dqtReplacement2[134];
    quint8 dqtReplacement3[199];

    // --- Huffman table exchange ---
    qint32 dhtTableOffset[3];
    qint32 dhtReplacementSize;
    qint32 dhtSegmentCount;
    quint8 dhtTableHeader[3][17];
    quint8 dhtReplacement[500];

    // --- Scan positions and small counters ---
    quint8 thirdComponentTable;
    qint64 scanStartOffset;
    qint64 outputScanOffset;
};

extern GlobalState g_state;

// The interface scale computed by main() before the application object exists.
extern float g_startScale;

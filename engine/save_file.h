#pragma once

#include "decode_check.h"
#include "quant_table_choice.h"
#include "scratch_folder.h"

#include <QObject>
#include <QSet>
#include <QString>
#include <QtGlobal>

#include <cstdio>

struct SegmentNode;
class jpg_repair;

// Failure codes of a save, kept in SaveFile::m_status and ResultNode::status.
enum SaveStatus : quint16 {
    StatusMarkerMissing = 101, // a rewritten image does not decode
    StatusInvalidFile = 102,   // the main image fails the marker-order check
};

// One output offered by a save and found on disk; the list hangs from
// g_state.resultHead / resultTail and is freed by the repair run.
struct ResultNode {
    QString path;
    QString name;
    qint32 index = 0;
    quint16 resultNo = 0;
    quint16 plannedOutputs = 0;
    quint16 status = 0;
    quint16 kind = 0;
    ResultNode* next = nullptr;
};

// Frees the list of saved outputs (g_state.resultHead / resultTail), with
// g_state.resultCursor as the iterator; the repair run calls it at the start
// of a run and on close.
void freeResultList();

// Turns the scanned segment lists of one JPEG into output files in the work
// folder: plans the outputs, checks, rewrites, decodes and copies the main
// image and its thumbnails (or, for a file of several images, each image),
// and records every output it offers.
class SaveFile : public QObject {
    Q_OBJECT
public:
    SaveFile();
    ~SaveFile() override;

    // Output planning; calls at most one of the two saves.
    void SaveJpeg();

    int SaveRepairedJpeg();
    void ExtractThumbnail(FILE* out, int n);
    void CopyTempToOutput(FILE* out);

    int SaveEmbeddedJpeg();
    void ExtractEmbeddedImage(FILE* out, int skip);

    unsigned int IsMarkerSequenceValid(int image);
    unsigned int IsEmbeddedMarkerSequenceValid();

    void WriteRepairedJpeg(FILE* out, int image);
    void WriteEmbeddedJpeg(FILE* out);

    void AddResult(ResultNode** head, ResultNode** tail, QString path, QString name, int index,
                   quint16 resultNo, quint16 plannedOutputs, quint16 status, quint16 kind);

signals:
    void showMsg(QString text);

public:
    ResultNode* m_newHead = nullptr;
    ResultNode* m_newNode = nullptr;
    ResultNode* m_lastNode = nullptr;
    qint32 m_app1Total = 0;
    qint32 m_app13Total = 0;
    qint32 m_app2Total = 0;
    qint32 m_soiTotal = 0;
    qint32 m_app1Left = 0;
    qint32 m_app13Left = 0;
    qint32 m_app2Left = 0;
    qint32 m_soiLeft = 0;
    qint32 m_resultCount = 0;
    qint32 m_plannedOutputs = 0;
    qint32 m_thumbnailCount = 0;
    quint16 m_status = 0;
    quint16 m_statusMarkerMissing = StatusMarkerMissing;
    quint16 m_statusInvalidFile = StatusInvalidFile;
    qint32 m_resultKind = 0;

private:
    // Image number that makes the rewrite walk the embedded-segment list.
    static constexpr int kEmbeddedImage = -1;

    // Start and end step shared by both saves: the status and record kind of
    // the save; the wipe of the scratch folder.
    void beginSave(quint16 status, int kind);
    int endSave();
    void planThumbnails();
    bool saveMainImage();
    void saveThumbnails();
    void extractThumbnail(int n);
    bool firstThumbnailStep();
    bool secondThumbnailStep();
    bool saveThumbnail(const QString& path, const QString& name, int image);
    void saveEmbeddedImages();
    // How the repair of one extracted image ended.
    enum class ImageOutcome { Kept, Failed, NotWritten, Skipped };
    ImageOutcome saveLeadingImage();
    void reportInvalidMainImage();
    bool saveEmbeddedImage(int index, bool& kept);
    ImageOutcome rewriteExtractedImage(int index, const QString& scratchName);
    // Rescans the extracted scratch image (tempJpegPath) with a scanner.
    using Scanner = void (jpg_repair::*)(QString, FILE*, qint64);
    void rescanScratchImage(Scanner scan);
    // Rewrites image (or the embedded image) into the scratch file of this
    // name ("/" + file name), kept in tempOutputPath; false when it could not
    // be written completely.
    bool rewriteInto(const QString& scratchName, int image);
    // Removes a scratch file that was not written completely and marks the
    // input as failed.
    void dropIncompleteScratch(const QString& path);
    // Decode check of the scratch image when it was rewritten: copies it to
    // path and offers it when it decodes, else offers the failure. False
    // when a skip was answered; `kept`, when given, tells whether it decoded.
    bool keepIfDecodes(const QString& path, const QString& name, bool rewritten, bool* kept = nullptr);
    // Copies the checked scratch image to its output and remembers it as
    // written by this save; false when the output cannot be created.
    bool copyToOutput(const QString& path);
    // Offers an output with this save's counters; recorded only when this
    // object wrote the file.
    void offer(const QString& path, const QString& name);
    bool skipRequested() const;

    // Name under which the main image is written and reported.
    QString m_mainName;
    // First node that the first thumbnail's rescan added to the segment list;
    // the rewrite of image 1 starts there.
    SegmentNode* m_thumbnailStart = nullptr;
    // How the last rewrite's scan data ends: early when its scan ran to the
    // end of the input instead of to an end-of-image marker.
    DataEnd m_rewrittenDataEnd = DataEnd::Complete;
    // The quantization tables of the last rewrite whose shape gives reason
    // to look at the picture, which mends them.
    QVector<SuspectQuantTable> m_suspectTables;
    // Output files this object has written.
    QSet<QString> m_writtenPaths;
    // Scratch files of this save; removed at its end.
    ScratchFiles m_scratch;
};

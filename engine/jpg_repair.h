#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

#include <cstdio>

struct SegmentNode;
struct EmbeddedSegmentNode;
struct OffsetNode;

// The per-file repair object. A caller makes one for an input, calls one or a
// few operations on it and drops it; nearly all state lives in g_state.
class jpg_repair : public QObject {
    Q_OBJECT
public:
    jpg_repair();
    ~jpg_repair() override;

    // Size of the stream's file; the stream is left at its start.
    static qint64 FileSize(FILE* file);
    // Reads length bytes at offset into buffer; bytes that cannot be read are 0.
    static int ReadAt(FILE* file, quint64 offset, void* buffer, quint32 length);

    // ===== JPEG engine: per-file entry, lists, scanners, salvage =====
    void RepairFile(QString path);
    bool SalvageJpeg(QString path);
    bool AdvancedRepair(QString samplePath, QString damagedPath);
    void ResetState();
    void FreeEmbeddedSegments();
    void AddSegment(SegmentNode** head, SegmentNode** tail, const quint8* header, qint64 pos);
    void AddEmbeddedSegment(EmbeddedSegmentNode** head, EmbeddedSegmentNode** tail,
                            const quint8* header, qint64 pos);
    void AppendOffset(OffsetNode** head, OffsetNode** tail, quint64 value);
    void ScanJpegMarkers(QString path, FILE* file, qint64 start);
    void ScanThumbnailMarkers(QString path, FILE* file, qint64 start);
    void ScanEmbeddedImageMarkers(QString path, FILE* file, qint64 start);
    // ===== end of JPEG engine =====

    // ===== HEIC repair =====
    int CountHeicTiles(QString path);
    void CollectHevcSlices(QString damagedPath);
    int CheckHeic(QString path);
    int CheckHeicBoxes(QString samplePath);
    // The rebuilds return the output name, or an empty name when nothing
    // usable was written (the output is then removed).
    QString RebuildHeic(QString path);
    QString RebuildHeicFromSample(QString damagedPath, QString samplePath);
    // Completes the rebuilt file and lists it as produced; false (and the
    // output removed, nothing listed) when no image data could be added or
    // the rebuilt photo fails its check (m_heicSampleMismatch tells when a
    // sample did not fit).
    bool CopyHevcData(QString name);
    static int ReadUShort(const void* p, char bigEndian);
    // ===== end of HEIC repair =====

    // ===== RAW and TIFF preview extraction =====
    void ExtractARW(QString path);
    void ExtractBAY(QString path);
    void ExtractCR2(QString path);
    void ExtractCR3(QString path);
    void ExtractCRW(QString path);
    void ExtractDNG(QString path);
    void ExtractERF(QString path);
    void ExtractMRW(QString path);
    void ExtractNEF(QString path);
    void ExtractNRW(QString path);
    void ExtractORF(QString path);
    void ExtractPEF(QString path);
    void ExtractRAF(QString path);
    void ExtractRAW(QString path);
    void ExtractRW2(QString path);
    void ExtractSR2(QString path);
    void ExtractSRF(QString path);
    void ExtractSRW(QString path);
    void ExtractTIFF(QString path);
    // ===== end of RAW and TIFF preview extraction =====

signals:
    void JpgSlotCall(QString text);

public slots:
    void jpgSlot(QString text);

public:
    SegmentNode* m_segmentNewHead = nullptr;
    SegmentNode* m_segmentNewNode = nullptr;
    SegmentNode* m_segmentLastNode = nullptr;
    EmbeddedSegmentNode* m_embeddedNewHead = nullptr;
    EmbeddedSegmentNode* m_embeddedNewNode = nullptr;
    EmbeddedSegmentNode* m_embeddedLastNode = nullptr;
    OffsetNode* m_offsetNewHead = nullptr;
    OffsetNode* m_offsetNewNode = nullptr;
    OffsetNode* m_offsetLastNode = nullptr;
    qint32 m_dhtUsable = 0;
    qint32 m_dqtSeen = 0;
    qint32 m_secondSoi = 0;
    quint32 m_heicFileSize = 0;
    quint32 m_heicPos = 0;
    quint32 m_heicMetaOffset = 0;
    qint32 m_nalIndex = 0;
    qint32 m_bigEndian = 1;
    qint32 m_nalSizes[435] = {};
    // Set by RebuildHeicFromSample for the CopyHevcData that follows it.
    bool m_heicFromSample = false;
    // Set when a rebuild with a sample failed because the sample does not
    // fit the damaged photo's own data.
    bool m_heicSampleMismatch = false;
};

#include "global_state.h"

#include <cstring>

GlobalState g_state;
float g_startScale = 1.0f;

namespace {

template <typename T>
void zero(T& area)
{
    std::memset(&area, 0, sizeof area);
}

} // namespace

GlobalState::GlobalState()
    : useTempInput(0), thumbnailPass(0), invalidFileCount(0), resultIndex(0), fileFailed(0),
      stopRequested(0), runActive(0),
      skipFirstImageOff(0), thumbnailFound(0), multiImageRecovery(0), embeddedScanActive(0),
      thumbnailsEnabled(0), thumbnailOnly(0),
      jpegSampleMode(0), heicSampleMode(0), applySampleToAll(0), referenceDlg(nullptr),
      overwriteThis(0), renameThis(0), overwriteFolder(0), skipThis(0), overwriteAll(0),
      renameAll(0), skipAll(0), folderCancel(0), folderRename(0), copyCounter(0),
      clickedButtonId(0), savedCount(0),
      uiScale(0.0f), langEnglish(0), langGerman(0), langFrench(0), langItalian(0),
      langSpanish(0), langChinese(0), langKorean(0), langJapanese(0), langHindi(0),
      langBrazil(0), langDutch(0), showAsDisabled(0),
      launchedMonitorDrive(0), launchedRepairVideo(0), launchedRecoverData(0),
      launchedRecoverPhoto(0), helpAddFiles(0), helpStart(0), helpRepair(0), helpPreview(0),
      helpAdvanced(0), resultsPageShown(0),
      actMonitorDrive(nullptr), actRecoverData(nullptr), actRepairVideo(nullptr),
      actRecoverPhoto(nullptr), moreToolsMenu(nullptr), toolbarStep(0.0f), toolbarInterval(0),
      heicValid(0), heicUnknownCount(0), heicFile(nullptr), heicOutFile(nullptr),
      inputFile(nullptr), inputFileSize(0), sourceFileSize(0),
      resultHead(nullptr), resultTail(nullptr), resultCursor(nullptr),
      segmentHead(nullptr), segmentTail(nullptr), segmentCursor(nullptr),
      embeddedSegmentHead(nullptr), embeddedSegmentTail(nullptr), embeddedSegmentCursor(nullptr),
      strayMarkerHead(nullptr), strayMarkerTail(nullptr), strayMarkerCursor(nullptr),
      dqtSearchPending(1), dqtTwoFilled(0), dqtThreeFilled(0), dqtLength(0),
      dqtSegmentCount(0), dqtIndex(0),
      dhtReplacementSize(0), dhtSegmentCount(0),
      thirdComponentTable(0), scanStartOffset(0), outputScanOffset(0)
{
    workFolder = QString();
    zero(heicLayoutFlags);
    zero(dqtSignature);
    zero(dqtReplacement1);
    zero(dqtReplacement2);
    zero(dqtReplacement3);
    zero(dhtTableOffset);
    zero(dhtTableHeader);
    zero(dhtReplacement);
}

GlobalState::~GlobalState() = default;

#pragma once

#include <QString>

// Resource path of the picture that the preview area shows when a run has
// ended: "preview1" when a result can be previewed, "notSupported" when none
// can. Empty when the interface scale has no image set or no language flag
// is set.
QString CompletionPreviewPicture(bool previewable);

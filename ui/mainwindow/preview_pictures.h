#pragma once

#include <QString>

// Resource paths of the pictures that the preview area of the results page
// shows instead of a result. Each is empty when the interface scale has no
// image set or no language flag is set; a path the resources lack gives an
// empty picture.

// After a run: "preview1" when a result can be previewed, "notSupported"
// when none can.
QString CompletionPreviewPicture(bool previewable);
// After a click on a row that cannot be shown: the placeholder.
QString ResultsPlaceholderPicture();
// After a click on a HEIC output, which the image loader cannot show.
QString ResultsNotSupportedPicture();

#pragma once

// Columns of the file list on page 1.
enum FileListColumn {
    FileColName = 0,
    FileColPath = 1,
    FileColSize = 2,
    FileColFileId = 3,
    FileColParentId = 4,
    FileColStatus = 5,
    FileColTemporaryPath = 6,
    FileColModified = 7,
    FileColCreated = 8,
};

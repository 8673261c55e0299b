#pragma once

class AlreadyExistFileDlg;
class FolderExist;

// The two prompts of the current save, made anew by every save that got a
// destination folder.
extern FolderExist* g_folderExistDlg;
extern AlreadyExistFileDlg* g_alreadyExistDlg;

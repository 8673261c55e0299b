#include "run_state.h"

#include "global_state.h"

void ClearPromptAnswers()
{
    g_state.overwriteThis = 0;
    g_state.renameThis = 0;
    g_state.skipThis = 0;
    g_state.overwriteAll = 0;
    g_state.renameAll = 0;
    g_state.skipAll = 0;
    g_state.folderCancel = 0;
    g_state.folderRename = 0;
}

void ClearRunAnswers()
{
    g_state.runActive = 0;
    ClearPromptAnswers();
    g_state.inputFileSize = 0;
}

#pragma once

// Clears the six file-exists and the two folder-exists answers, as the start
// of a save does.
void ClearPromptAnswers();

// Clears the run flag, the prompt answers and the input size, as a run start
// and the end of a stopped run both do.
void ClearRunAnswers();

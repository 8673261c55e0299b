#pragma once

// Clears the run flag, the file-exists and folder-exists answers and the
// input size, as a run start and the end of a stopped run both do.
void ClearRunAnswers();

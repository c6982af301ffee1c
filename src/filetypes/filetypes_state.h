// What the file types part keeps for the whole process, and its one reset.
#pragma once

// Empties g_fileTypes and puts the colour picker's custom colours back, as at process start.
void ResetFileTypesState();

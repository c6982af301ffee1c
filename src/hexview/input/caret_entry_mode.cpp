// The entry mode's one instance.
#include "hexview/input/caret_entry_mode.h"

int g_entryMode = kEntryOverwrite;

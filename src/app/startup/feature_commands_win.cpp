// Registering the commands other parts carry out on document windows.
#include "app/startup/feature_commands_win.h"

#include "search/search_commands_win.h"

void RegisterFeatureCommands() { RegisterSearchCommands(); }

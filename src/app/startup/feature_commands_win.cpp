// Registering the commands other parts carry out on document windows.
#include "app/startup/feature_commands_win.h"

#include "app/documents/properties_command_win.h"

void RegisterFeatureCommands() { RegisterPropertiesCommand(); }

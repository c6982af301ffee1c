// Registering the commands other parts carry out on document windows.
#include "app/startup/feature_commands_win.h"

#include "app/documents/properties_command_win.h"
#include "imageview/image_command_win.h"
#include "print/print_commands_win.h"
#include "search/search_commands_win.h"
#include "structs/structure_commands_win.h"

void RegisterFeatureCommands() {
  RegisterImageViewCommand();
  RegisterInfoViewCommand();
  RegisterPrintCommand();
  RegisterPropertiesCommand();
  RegisterSearchCommands();
}

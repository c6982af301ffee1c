// The commands of the parts that work on a document from outside the hex view
// (find and replace, the information and image views, properties, printing),
// registered with the document windows when the shell starts.
#pragma once

// Registers every such command (see hexview/commands/view_command_table_win.h).
void RegisterFeatureCommands();

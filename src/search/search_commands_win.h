// The find and replace commands of the document windows.
#pragma once

// Registers Find (121) and Replace (123), available whenever a document is
// active, and Find Next (122), available once a search pattern was given.
void RegisterSearchCommands();

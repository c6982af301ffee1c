// The program's commands for structure templates: 情報 (116) on a document
// window, and 構造体 (125) of the frame.
#pragma once

// Registers command 116 for document windows: available while there are
// templates; it shows the information view over the window's document and waits
// in a message loop of its own until the view is hidden again.
void RegisterInfoViewCommand();

// Command 125: the template list dialog owned by the MDI client; afterwards the
// information command is enabled when templates exist and grayed otherwise.
void RunStructuresCommand();

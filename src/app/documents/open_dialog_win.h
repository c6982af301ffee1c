// The Open dialog (command 102).
#pragma once

// Shows the Open dialog with the file-type filters, the remembered filter and
// folder; on OK remembers both and opens the file. Cancel changes nothing.
void RunOpenDialog();

// The About box (command 131, template 14).
#pragma once

// Shows the About box owned by the MDI client; it closes on its button or Escape.
void RunAboutDialog();

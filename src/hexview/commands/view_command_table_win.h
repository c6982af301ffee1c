// The document window's commands that other parts of the program carry out
// (find, replace, print, properties, the information and image views). Each is
// registered at start-up with what runs it and when it is available; the window
// never needs to know those parts. A command that nobody registered stays grayed.
#pragma once

#include <windows.h>

struct Document;

struct ViewCommand {
  void (*run)(HWND view) = nullptr;  // carries the command out on a document window
  // Whether the command is available on doc; null: whenever a document is active.
  bool (*available)(const Document& doc) = nullptr;
};

// Registers (or, with run null, withdraws) the command id.
void RegisterViewCommand(int id, ViewCommand command);

// The command registered for id, or null.
const ViewCommand* RegisteredViewCommand(int id);

// True when id is registered and available on doc (false without a document).
bool ViewCommandAvailable(int id, const Document* doc);

// Forgets every registration (a new run of the program starts without any).
void ClearViewCommands();

// Starts the real shell in-process for GUI tests and tears it down again.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "support/doc_files.h"
#include "support/message_recorder.h"

// A temporary folder (removed with everything in it) that GUI tests fill with files.
class ScratchFolder : public TempFolder {
 public:
  // Creates name (relative, may contain one subfolder) with bytes; returns its full path.
  std::string Write(const std::string& name, const std::string& bytes);
  std::string Make(const std::string& name);  // a subfolder
};

// One run of the shell: StartShell with a command line (options /Q0 keep the
// registry out unless the test gives its own), then Close() or the destructor
// destroys the frame and lets the quit message through.
class ShellRun {
 public:
  ShellRun() = default;
  ~ShellRun();
  bool Start(const std::string& commandLine, int show = SW_SHOWNORMAL);
  void Close();

  MessageRecorder& messages() { return messages_; }

 private:
  MessageRecorder messages_;
  bool started_ = false;
};

// The document windows in z-order (the active one first).
std::vector<HWND> DocumentWindows();

// The dialog windows of this thread still there (a progress dialog left behind would be one).
int ThreadDialogs();
// A window's title in Shift-JIS.
std::string TitleOf(HWND window);
// The File menu's item texts.
std::vector<std::string> FileMenuTexts();
// The simple-mode text of the status bar.
std::string StatusText();
// A path in double quotes, as the command line wants names with spaces.
std::string Quote(const std::string& path);
// Every byte of a document window's document.
std::string DocumentBytes(HWND view);
// Whether the frame's menu item id is enabled / checked.
bool MenuItemEnabled(UINT id);
bool MenuItemChecked(UINT id);

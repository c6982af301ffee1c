// Starts the real shell in-process for GUI tests and tears it down again.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "support/message_recorder.h"

// Writes files into a fresh temporary folder and removes it afterwards.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  const std::string& path() const { return path_; }
  // Creates name (relative, may contain one subfolder) with bytes; returns its full path.
  std::string Write(const std::string& name, const std::string& bytes);
  std::string Make(const std::string& name);  // a subfolder

 private:
  std::string path_;
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
// A window's title in Shift-JIS.
std::string TitleOf(HWND window);
// The File menu's item texts.
std::vector<std::string> FileMenuTexts();
// The simple-mode text of the status bar.
std::string StatusText();

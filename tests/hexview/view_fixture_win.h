// The fixture of the document-window tests: a fresh shell for each test with
// its files open, the window and document under test, and shared steps.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "hexview/commands/edit_view_win.h"
#include "resources/resource_ids.h"
#include "support/input_helpers_win.h"

using namespace input;

// The document window whose document has path (compared without case), or null.
inline HWND WindowOf(const std::string& path) {
  for (HWND w : DocumentWindows())
    if (lstrcmpiA(DocumentOf(w)->path, path.c_str()) == 0) return w;
  return nullptr;
}

// Sets caret, selection anchor (-1: none) and area of w's document directly.
inline void Select(HWND w, int32_t anchor, int32_t caret, int area = 0) {
  Document* d = DocumentOf(w);
  d->anchor = anchor;
  d->caret = caret;
  d->activeColumn = area;
}

// Caret, digit, area and selection anchor of a document, as "caret 6 digit 0 area 0 anchor 5".
inline std::string Where(const Document* d) {
  return "caret " + std::to_string(d->caret) + " digit " + std::to_string(d->digitIndex) + " area " +
         std::to_string(d->activeColumn) + " anchor " + std::to_string(d->anchor);
}

// A command sent to one document window (input::Command goes through the frame).
inline void Command(HWND w, int id) { SendMessageA(w, WM_COMMAND, static_cast<WPARAM>(id), 0); }

class ViewTest : public ::testing::Test {
 protected:
  // bytes as one file in a window of fixed size with the focus (see input::OpenView).
  HWND Open(const std::string& bytes, uint32_t options = 0, int mode = kEntryOverwrite, int width = 760,
            int height = 300) {
    view = OpenView(run, folder, bytes, options, mode, width, height);
    doc = view != nullptr ? DocumentOf(view) : nullptr;
    return view;
  }

  // The shell started on the files (name, bytes; a name may hold one subfolder),
  // their windows in the same order; view and doc are the first one's.
  std::vector<HWND> OpenFiles(const std::vector<std::pair<std::string, std::string>>& files) {
    std::string commandLine = "/Q0";
    std::vector<std::string> paths;
    for (const auto& [name, bytes] : files) {
      paths.push_back(folder.Write(name, bytes));
      commandLine += " " + Quote(paths.back());
    }
    std::vector<HWND> windows;
    EXPECT_TRUE(run.Start(commandLine));
    for (const std::string& path : paths) windows.push_back(WindowOf(path));
    view = windows.empty() ? nullptr : windows[0];
    doc = view != nullptr ? DocumentOf(view) : nullptr;
    return windows;
  }

  ScratchFolder folder;
  ShellRun run;
  HWND view = nullptr;
  Document* doc = nullptr;
};

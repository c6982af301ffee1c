// An EditView for tests that records every notification.
#pragma once

#include <vector>

#include "core/edit.h"

class RecordingEditView final : public EditView {
 public:
  std::vector<EditChange> changes;
  int menuRefreshes = 0;

  void ContentChanged(Document&, const EditChange& change) override { changes.push_back(change); }
  void MenuStateChanged(Document&) override { ++menuRefreshes; }
};

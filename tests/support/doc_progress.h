// A Progress for document tests: counts its calls, aborts on cue and runs a
// hook at each pump (to change a file while it is being read, for instance).
#pragma once

#include <functional>
#include <string>

#include "core/progress.h"

class ScriptedProgress final : public Progress {
 public:
  int abortAtPump = 0;  // the pump (counted from 1) that sets the abort flag; 0 never
  bool beginSucceeds = true, endSucceeds = true;
  std::function<void(int pump)> onPump;

  int begins = 0, pumps = 0, ends = 0;  // calls so far
  std::string text;

  bool Begin(const char* t) override {
    ++begins;
    text = t;
    return beginSucceeds;
  }
  void Pump() override {
    ++pumps;
    if (onPump) onPump(pumps);
  }
  bool Aborted() const override { return abortAtPump > 0 && pumps >= abortAtPump; }
  bool End() override {
    ++ends;
    return endSucceeds;
  }
};

// The seam of long operations (loading, writing, searching, printing): they call
// Begin, then Pump between units of work and stop as soon as Aborted is true,
// then End. The application plugs in the modeless progress dialog with its
// "中断" button; tests plug in scripted aborts; NoProgress does nothing.
#pragma once

class Progress {
 public:
  virtual ~Progress() = default;
  // Shows the progress text (Shift-JIS). Returns false when the dialog cannot
  // be created; the caller then reports "ﾓｰﾄﾞﾚｽﾀﾞｲｱﾛｸﾞﾎﾞｯｸｽを作成できません".
  virtual bool Begin(const char* text) = 0;
  // Lets waiting messages through; may set the abort flag.
  virtual void Pump() = 0;
  // True once the user asked to abort.
  virtual bool Aborted() const = 0;
  // Closes the dialog and re-enables the frame. Returns false when the dialog
  // cannot be destroyed ("ｳｲﾝﾄﾞｳを破棄できません").
  virtual bool End() = 0;
};

// A progress that never aborts and shows nothing.
class NoProgress final : public Progress {
 public:
  bool Begin(const char*) override { return true; }
  void Pump() override {}
  bool Aborted() const override { return false; }
  bool End() override { return true; }
};

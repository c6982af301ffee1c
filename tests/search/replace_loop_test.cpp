// The replace loop: what it replaces, what it asks, what it counts and what the
// progress dialog sees (its undo steps are counted through the replace dialog).
#include "search/replace_loop.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>

#include "search/pattern_forms.h"
#include "search/search_options.h"
#include "support/doc_builders.h"
#include "support/doc_edit_view.h"
#include "support/doc_progress.h"
#include "support/message_recorder.h"

namespace {

using Bytes = std::vector<uint8_t>;

constexpr int kDown = kSearchCaseSensitive | kSearchWidthSensitive;
constexpr int kUp = kDown | kSearchUpward;

class ScriptedQuestions final : public ReplaceQuestions {
 public:
  std::deque<int> answers;
  int asked = 0;
  int Confirm(const ReplaceConfirm&) override {
    ++asked;
    const int a = answers.empty() ? kConfirmCancel : answers.front();
    if (!answers.empty()) answers.pop_front();
    return a;
  }
};

ByteSequence Seq(const std::string& text) { return FormsFromAnsi(text, PatternNumberFormatFor(kRadixHex)).pattern; }

struct Fixture {
  Document doc;
  ScriptedQuestions questions;
  RecordingEditView view;
  ScriptedProgress progress;

  // Runs the loop over text; returns the text after it, then found/replaced/asked and S (summary), N (not found),
  // F (failed).
  std::string Run(const std::string& text, const std::string& pattern, const std::string& replacement, int options,
                  int mode, int32_t caret = 0, int32_t anchor = -1) {
    SetContent(doc, Bytes(text.begin(), text.end()));
    doc.caret = caret;
    doc.anchor = anchor;
    const ReplaceRequest request{Seq(pattern), Seq(replacement), options};
    const ReplaceOutcome out = RunReplace(doc, request, mode, questions, &view, progress);
    EXPECT_EQ(CheckDocument(doc), "");
    EXPECT_TRUE(!progress.beginSucceeds || progress.begins == progress.ends);
    const Bytes after = Contents(doc);
    return std::string(after.begin(), after.end()) + " " + std::to_string(out.found) + "/" +
           std::to_string(out.replaced) + "/" + std::to_string(questions.asked) + (out.showSummary ? " S" : "") +
           (out.showNotFound ? " N" : "") + (out.failed ? " F" : "");
  }
};

TEST(ReplaceLoop, OutcomesAbortAndAProgressDialogThatCannotBeMade) {
  struct Case {
    const char* name;
    std::string text, pattern, replacement;
    int options, mode;
    int32_t caret, anchor;
    std::deque<int> answers;
    std::string expected;
  } cases[] = {
      {"upward from the end", "AxAxA", "A", "BB", kUp, kReplaceAll, 5, -1, {}, "BBxBBxBB 3/3/0 S"},
      {"starts at the caret", "AxAxA", "A", "B", kDown, kReplaceAll, 1, -1, {}, "AxBxB 2/2/0 S"},
      {"absent pattern", "xyz", "A", "B", kDown, kReplaceAll, 0, -1, {}, "xyz 0/0/0 N"},
      {"one by one: no summary", "AxAxA", "A", "B", kDown, kReplaceAsking, 0, -1, {6, 6, 6}, "BxBxB 3/0/3"},
      {"any case", "abc ABC aBc", "abc", "x", kSearchWidthSensitive, kReplaceAll, 0, -1, {}, "x x x 3/3/0 S"},
      {"a replacement holding the pattern is not searched again", "AAA", "A", "AA", kDown, kReplaceAll, 0, -1, {},
       "AAAAAA 3/3/0 S"},
      {"a selection limits the loop, its far end moving", "xAAAAxA", "A", "AA", kDown, kReplaceAll, 0, 5, {},
       "xAAAAAAAAxA 4/4/0 S"},
  };
  for (const Case& c : cases) {
    Fixture f;
    f.questions.answers = c.answers;
    EXPECT_EQ(f.Run(c.text, c.pattern, c.replacement, c.options, c.mode, c.caret, c.anchor), c.expected) << c.name;
  }
  // An abort ends the run; a progress dialog that cannot be made is reported.
  Fixture f;
  f.progress.abortAtPump = 1;
  SetContent(f.doc, Bytes(200000, 'x'));
  const ReplaceRequest request{Seq("A"), {}, kDown};
  class Jump final : public PaceClock {
    int64_t t = 0;
    int64_t NowMicroseconds() override { return t += 40000; }
  } clock;
  const ReplaceOutcome out = RunReplace(f.doc, request, kReplaceAll, f.questions, &f.view, f.progress, clock);
  EXPECT_TRUE(out.aborted && !out.showNotFound && !out.showSummary && f.progress.ends == 1);
  Fixture g;
  MessageRecorder messages;
  g.progress.beginSucceeds = false;
  EXPECT_EQ(g.Run("AAA", "A", "B", kDown, kReplaceAll), "AAA 0/0/0 F");
  EXPECT_EQ(messages.texts(), (std::vector<std::string>{"ﾓｰﾄﾞﾚｽﾀﾞｲｱﾛｸﾞﾎﾞｯｸｽを作成できません"}));
}

}  // namespace

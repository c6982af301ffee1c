// The replace loop: what it replaces, what it asks, what it counts, the undo
// steps it leaves and what the view and the progress dialog see.
#include "search/replace_loop.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>

#include "core/edit.h"
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
  std::vector<ReplaceConfirm> asked;
  int Confirm(const ReplaceConfirm& info) override {
    asked.push_back(info);
    if (answers.empty()) return kConfirmCancel;
    int a = answers.front();
    answers.pop_front();
    return a;
  }
};

ByteSequence Seq(const std::string& s) {
  ByteSequence b;
  b.count = static_cast<int32_t>(s.size());
  std::copy(s.begin(), s.end(), b.bytes);
  return b;
}

std::string Text(const Document& doc) {
  Bytes b = Contents(doc);
  return std::string(b.begin(), b.end());
}

struct Fixture {
  Document doc;
  ScriptedQuestions questions;
  RecordingEditView view;
  ScriptedProgress progress;

  ReplaceOutcome Run(const std::string& text, const std::string& pattern, const std::string& replacement,
                     int options, int mode, int32_t caret = 0, int32_t anchor = -1) {
    SetContent(doc, Bytes(text.begin(), text.end()));
    doc.caret = caret;
    doc.anchor = anchor;
    ReplaceRequest request;
    request.pattern = Seq(pattern);
    request.replacement = Seq(replacement);
    request.options = options;
    ReplaceOutcome out = RunReplace(doc, request, mode, questions, &view, progress);
    EXPECT_EQ(CheckDocument(doc), "");
    if (progress.beginSucceeds) {
      EXPECT_EQ(progress.begins, progress.ends);
    }
    return out;
  }
};

// One progress run and one repaint for the whole loop; one undo step per replacement.
TEST(ReplaceLoop, ReplaceAllTellsTheViewOnceAndLeavesAStepPerReplacement) {
  Fixture f;
  ReplaceOutcome out = f.Run(std::string(1000, 'A'), "A", "BC", kDown, kReplaceAll);
  EXPECT_TRUE(out.replaced == 1000 && f.doc.length == 2000 && f.progress.begins == 1);
  ASSERT_EQ(f.view.changes.size(), 1u);
  const EditChange& c = f.view.changes[0];
  EXPECT_EQ(std::vector<int32_t>({c.offset, c.removedCount, c.insertedCount, c.caretAfter, c.anchorAfter}),
            std::vector<int32_t>({0, 1000, 2000, 2000, -1}));
  EXPECT_EQ(f.view.menuRefreshes, 1);
  ASSERT_EQ(UndoOrRedo(f.doc, false, nullptr), 0);
  EXPECT_EQ(Text(f.doc).substr(1996), "BCA");
}

struct LoopCase {
  const char* name;
  std::string text, pattern, replacement;
  int options, mode;
  int32_t caret, anchor;
  std::deque<int> answers;
  // expected
  std::string result;
  int found, replaced, asked;
  bool summary, notFound;
};

TEST(ReplaceLoop, Outcomes) {
  const LoopCase cases[] = {
      {"upward from the end", "AxAxA", "A", "BB", kUp, kReplaceAll, 5, -1, {}, "BBxBBxBB", 3, 3, 0, true, false},
      {"starts at the caret", "AxAxA", "A", "B", kDown, kReplaceAll, 1, -1, {}, "AxBxB", 2, 2, 0, true, false},
      {"absent pattern", "xyz", "A", "B", kDown, kReplaceAll, 0, -1, {}, "xyz", 0, 0, 0, false, true},
      {"replacing one by one gives no summary", "AxAxA", "A", "B", kDown, kReplaceAsking, 0, -1, {6, 6, 6}, "BxBxB",
       3, 0, 3, false, false},
      {"case-insensitive replaces every case", "abc ABC aBc", "abc", "x", kSearchWidthSensitive, kReplaceAll, 0, -1,
       {}, "x x x", 3, 3, 0, true, false},
      {"a replacement holding the pattern is not searched again", "AAA", "A", "AA", kDown, kReplaceAll, 0, -1, {},
       "AAAAAA", 3, 3, 0, true, false},
      {"a selection limits the loop", "xAAAAxA", "A", "AA", kDown, kReplaceAll, 0, 5, {}, "xAAAAAAAAxA", 4, 4, 0,
       true, false},
      {"a selection against the direction is searched from its near end", "xAAAAxA", "A", "AB", kDown, kReplaceAll,
       5, 0, {}, "xABABABABxA", 4, 4, 0, true, false},
      {"a short selection holding a match is the last match", "AAxAAA", "AA", "B", kDown, kReplaceAll, 2, 0, {},
       "AAxBA", 1, 1, 0, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f;
    f.questions.answers = c.answers;
    ReplaceOutcome out = f.Run(c.text, c.pattern, c.replacement, c.options, c.mode, c.caret, c.anchor);
    EXPECT_EQ(Text(f.doc), c.result);
    EXPECT_EQ(std::make_tuple(out.found, out.replaced, static_cast<int>(f.questions.asked.size()), out.showSummary,
                              out.showNotFound, out.failed),
              std::make_tuple(c.found, c.replaced, c.asked, c.summary, c.notFound, false));
  }
}

TEST(ReplaceLoop, AbortEndsTheRunAndAProgressDialogThatCannotBeMadeIsReported) {
  Fixture f;
  f.progress.abortAtPump = 1;
  SetContent(f.doc, Bytes(200000, 'x'));
  ReplaceRequest request;
  request.pattern = Seq("A");
  request.options = kDown;
  class Jump final : public PaceClock {
    int64_t t = 0;
    int64_t NowMicroseconds() override { return t += 40000; }
  } clock;
  ReplaceOutcome out = RunReplace(f.doc, request, kReplaceAll, f.questions, &f.view, f.progress, clock);
  EXPECT_TRUE(out.aborted && !out.showNotFound && !out.showSummary && f.progress.ends == 1);
  Fixture g;
  MessageRecorder messages;
  g.progress.beginSucceeds = false;
  out = g.Run("AAA", "A", "B", kDown, kReplaceAll);
  EXPECT_TRUE(out.failed && !out.showNotFound && Text(g.doc) == "AAA");
  EXPECT_EQ(messages.texts(), (std::vector<std::string>{"ﾓｰﾄﾞﾚｽﾀﾞｲｱﾛｸﾞﾎﾞｯｸｽを作成できません"}));
}

}  // namespace

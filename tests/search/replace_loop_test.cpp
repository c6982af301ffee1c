// The replace loop: what it replaces, what it asks, what it counts, the undo
// steps it leaves and what the view and the progress dialog see.
#include "search/replace_loop.h"

#include <gtest/gtest.h>

#include <climits>
#include <deque>
#include <string>

#include "core/edit.h"
#include "search/search_options.h"
#include "search/search_texts.h"
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

TEST(ReplaceLoop, ReplaceAllOfAThousandBytes) {
  Fixture f;
  ReplaceOutcome out = f.Run(std::string(1000, 'A'), "A", "BC", kDown, kReplaceAll);
  EXPECT_EQ(out.found, 1000);
  EXPECT_EQ(out.replaced, 1000);
  EXPECT_TRUE(out.showSummary);
  EXPECT_FALSE(out.showNotFound);
  EXPECT_EQ(ReplacedCountText(out.replaced), "1000個の数列を置換しました");
  std::string expected;
  for (int i = 0; i < 1000; ++i) expected += "BC";
  EXPECT_EQ(Text(f.doc), expected);
  EXPECT_TRUE(f.questions.asked.empty());
  // One progress run and one repaint for the whole loop.
  EXPECT_EQ(f.progress.begins, 1);
  ASSERT_EQ(f.view.changes.size(), 1u);
  EXPECT_EQ(f.view.changes[0].offset, 0);
  EXPECT_EQ(f.view.changes[0].removedCount, 1000);
  EXPECT_EQ(f.view.changes[0].insertedCount, 2000);
  EXPECT_EQ(f.view.changes[0].caretAfter, 2000);
  EXPECT_EQ(f.view.changes[0].anchorAfter, -1);
  EXPECT_EQ(f.view.menuRefreshes, 1);
  // One undo step per replacement: undo takes back the last one only.
  ASSERT_EQ(UndoOrRedo(f.doc, false, nullptr), 0);
  EXPECT_EQ(f.doc.length, 1999);
  EXPECT_EQ(Text(f.doc), expected.substr(0, 1998) + "A");
  int steps = 0;
  for (UndoStep* s = f.doc.undoList; s; s = s->next) ++steps;
  EXPECT_EQ(steps, 999);
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
      {"empty replacement deletes", "xAxAAx", "A", "", kDown, kReplaceAll, 0, -1, {}, "xxx", 3, 3, 0, true, false},
      {"upward from the end", "AxAxA", "A", "BB", kUp, kReplaceAll, 5, -1, {}, "BBxBBxBB", 3, 3, 0, true, false},
      {"starts at the caret", "AxAxA", "A", "B", kDown, kReplaceAll, 1, -1, {}, "AxBxB", 2, 2, 0, true, false},
      {"absent pattern", "xyz", "A", "B", kDown, kReplaceAll, 0, -1, {}, "xyz", 0, 0, 0, false, true},
      {"next for every occurrence", "AxAxA", "A", "B", kDown, kReplaceAsking, 0, -1, {7, 7, 7}, "AxAxA", 3, 0, 3,
       false, false},
      {"replacing one by one gives no summary", "AxAxA", "A", "B", kDown, kReplaceAsking, 0, -1, {6, 6, 6}, "BxBxB",
       3, 0, 3, false, false},
      {"two, then all counts from the one on screen", "AAAAA", "A", "B", kDown, kReplaceAsking, 0, -1, {6, 6, 101},
       "BBBBB", 5, 3, 3, true, false},
      {"cancel stops", "AAAAA", "A", "B", kDown, kReplaceAsking, 0, -1, {6, 7, 2}, "BAAAA", 3, 0, 3, false, false},
      {"case-insensitive replaces every case", "abc ABC aBc", "abc", "x", kSearchWidthSensitive, kReplaceAll, 0, -1,
       {}, "x x x", 3, 3, 0, true, false},
      {"a replacement holding the pattern is not searched again", "AAA", "A", "AA", kDown, kReplaceAll, 0, -1, {},
       "AAAAAA", 3, 3, 0, true, false},
      {"the same upward", "AAA", "A", "AA", kUp, kReplaceAll, 3, -1, {}, "AAAAAA", 3, 3, 0, true, false},
      {"a selection limits the loop", "xAAAAxA", "A", "AA", kDown, kReplaceAll, 0, 5, {}, "xAAAAAAAAxA", 4, 4, 0,
       true, false},
      {"a selection against the direction is searched from its near end", "xAAAAxA", "A", "AB", kDown, kReplaceAll,
       5, 0, {}, "xABABABABxA", 4, 4, 0, true, false},
      {"a limiting selection upward", "xAAAAxA", "A", "BA", kUp, kReplaceAll, 0, 5, {}, "xBABABABAxA", 4, 4, 0, true,
       false},
      {"a short selection holding a match is the last match", "AAxAAA", "AA", "B", kDown, kReplaceAll, 2, 0, {},
       "AAxBA", 1, 1, 0, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f;
    f.questions.answers = c.answers;
    ReplaceOutcome out = f.Run(c.text, c.pattern, c.replacement, c.options, c.mode, c.caret, c.anchor);
    EXPECT_EQ(Text(f.doc), c.result);
    EXPECT_EQ(out.found, c.found);
    EXPECT_EQ(out.replaced, c.replaced);
    EXPECT_EQ(static_cast<int>(f.questions.asked.size()), c.asked);
    EXPECT_EQ(out.showSummary, c.summary);
    EXPECT_EQ(out.showNotFound, c.notFound);
    EXPECT_FALSE(out.failed);
  }
}

TEST(ReplaceLoop, ConfirmationShowsTheBytesMatched) {
  Fixture f;
  f.questions.answers = {7, 7};
  f.doc.options = 1u << 3;  // decimal addresses
  ReplaceOutcome out = f.Run("xxＡＢＣ abc", "abc", "zz", 0, kReplaceAsking);
  EXPECT_EQ(out.found, 2);
  ASSERT_EQ(f.questions.asked.size(), 2u);
  const ReplaceConfirm& first = f.questions.asked[0];
  EXPECT_EQ(std::string(first.match, first.match + first.matchCount), "ＡＢＣ");
  EXPECT_EQ(first.anchor, 2);
  EXPECT_EQ(first.caret, 8);
  EXPECT_EQ(first.addressRadix, 1);
  EXPECT_EQ(first.replacement.count, 2);
  EXPECT_EQ(std::string(f.questions.asked[1].match, f.questions.asked[1].match + 3), "abc");
}

TEST(ReplaceLoop, AskingTellsTheViewOfEachEditAndRunsAProgressPerSearch) {
  Fixture f;
  f.questions.answers = {6, 6, 101};
  f.Run("AAAAA", "A", "B", kDown, kReplaceAsking);
  // Two searches and edits while asking, then one run and one repaint for the rest.
  EXPECT_EQ(f.progress.begins, 4);
  ASSERT_EQ(f.view.changes.size(), 3u);
  EXPECT_EQ(f.view.changes[2].offset, 2);
  EXPECT_EQ(f.view.changes[2].removedCount, 3);
  EXPECT_EQ(f.view.changes[2].insertedCount, 3);
}

TEST(ReplaceLoop, AbortEndsTheRunWithoutNotFound) {
  Fixture f;
  f.progress.abortAtPump = 1;
  SetContent(f.doc, Bytes(200000, 'x'));
  f.doc.caret = 0;
  ReplaceRequest request;
  request.pattern = Seq("A");
  request.options = kDown;
  class Jump final : public PaceClock {
    int64_t t = 0;
    int64_t NowMicroseconds() override { return t += 40000; }
  } clock;
  ReplaceOutcome out = RunReplace(f.doc, request, kReplaceAll, f.questions, &f.view, f.progress, clock);
  EXPECT_TRUE(out.aborted);
  EXPECT_FALSE(out.showNotFound);
  EXPECT_FALSE(out.showSummary);
  EXPECT_EQ(f.progress.ends, 1);
}

// The document is made to look 2 GiB long (its real bytes followed by nothing)
// so that the fourth replacement would pass the 32-bit size limit.
TEST(ReplaceLoop, ReplacementPastTheSizeLimitStopsWithAConsistentDocument) {
  Fixture f;
  MessageRecorder messages;
  SetContent(f.doc, Bytes(6, 'A'));
  const int32_t pretended = INT32_MAX - 3 - 6;
  f.doc.length += pretended;
  ReplaceRequest request;
  request.pattern = Seq("A");
  request.replacement = Seq("BC");
  request.options = kDown;
  ReplaceOutcome out = RunReplace(f.doc, request, kReplaceAll, f.questions, &f.view, f.progress);
  f.doc.length -= pretended;
  EXPECT_TRUE(out.failed);
  EXPECT_FALSE(out.showSummary);
  EXPECT_EQ(out.replaced, 3);
  EXPECT_EQ(messages.texts(), (std::vector<std::string>{"ﾒﾓﾘを確保できません。"}));
  EXPECT_EQ(Text(f.doc), "BCBCBCAAA");
  EXPECT_EQ(CheckDocument(f.doc), "");
  EXPECT_EQ(f.progress.ends, 1);
  ASSERT_EQ(f.view.changes.size(), 1u);  // the replacements made are still shown
  ASSERT_EQ(UndoOrRedo(f.doc, false, nullptr), 0);
  EXPECT_EQ(Text(f.doc), "BCBCAAAA");
}

TEST(ReplaceLoop, ProgressDialogThatCannotBeMadeIsReported) {
  Fixture f;
  MessageRecorder messages;
  f.progress.beginSucceeds = false;
  ReplaceOutcome out = f.Run("AAA", "A", "B", kDown, kReplaceAll);
  EXPECT_TRUE(out.failed);
  EXPECT_FALSE(out.showNotFound);
  EXPECT_EQ(Text(f.doc), "AAA");
  EXPECT_EQ(messages.texts(), (std::vector<std::string>{"ﾓｰﾄﾞﾚｽﾀﾞｲｱﾛｸﾞﾎﾞｯｸｽを作成できません"}));
}

}  // namespace

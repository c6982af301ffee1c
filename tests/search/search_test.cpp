// One search as the commands run it: the stretch, the selection it leaves, the
// progress run with its pumping by time, and the reported failures.
#include "search/search.h"

#include <gtest/gtest.h>

#include <string>

#include "search/search_options.h"
#include "support/doc_builders.h"
#include "support/doc_progress.h"
#include "support/message_recorder.h"

namespace {

using Bytes = std::vector<uint8_t>;

constexpr int kDown = kSearchCaseSensitive | kSearchWidthSensitive;
constexpr int kUp = kDown | kSearchUpward;

// A clock that moves by step microseconds each time it is read.
struct SteppingClock final : PaceClock {
  explicit SteppingClock(int64_t s) : step(s) {}
  int64_t NowMicroseconds() override { return ++reads * step; }
  int64_t step, reads = 0;
};

void SetText(Document& doc, const std::string& text) { SetContent(doc, Bytes(text.begin(), text.end())); }

// Searches doc from caret (anchor) for pattern: "anchor-caret" of the match found, or "none" and the caret.
std::string Find(Document& doc, const std::string& pattern, int options, int32_t caret, int32_t anchor) {
  doc.caret = caret;
  doc.anchor = anchor;
  doc.digitIndex = 1;
  Searcher searcher(reinterpret_cast<const uint8_t*>(pattern.data()), static_cast<int32_t>(pattern.size()), options);
  ScriptedProgress progress;
  const SearchResult r = Search(doc, doc.caret, doc.anchor, searcher, progress);
  EXPECT_TRUE(progress.begins == 1 && progress.ends == 1 && progress.text == "検索中");
  const bool found = r.status == SearchStatus::kFound;
  EXPECT_EQ(doc.digitIndex, found ? 0 : 1);
  return (found ? std::to_string(doc.anchor) : "none") + "-" + std::to_string(doc.caret);
}

TEST(Search, StretchSelectionProgressFailuresPumpingAndAbort) {
  //                         0123456789012345678
  const std::string text = "AB..AB....AB...AB.";
  const std::tuple<const char*, int, int32_t, int32_t, const char*> cases[] = {
      {"downward from the caret", kDown, 1, -1, "4-6"},
      {"upward from the caret", kUp, 16, -1, "12-10"},
      {"upward finds the pattern at offset 0", kUp, 4, -1, "2-0"},
      {"upward from inside the pattern at 0 finds nothing", kUp, 1, -1, "none-1"},
      {"downward past the last one finds nothing", kDown, 16, -1, "none-16"},
      {"selection limits the search", kDown, 6, 9, "none-6"},
      {"selection is searched from the caret toward the anchor", kDown, 16, 3, "10-12"},
      {"a match must end inside the selection", kDown, 6, 11, "none-6"},
      {"a selection beginning with the pattern is the last match", kDown, 6, 4, "10-12"},
      {"an empty selection does not limit", kDown, 6, 6, "10-12"},
  };
  Document doc;
  for (const auto& [name, options, caret, anchor, expected] : cases) {
    SetText(doc, text);
    EXPECT_EQ(Find(doc, "AB", options, caret, anchor), expected) << name;
  }
  SetText(doc, "AB" + std::string(300, '.') + "AB");
  EXPECT_EQ(Find(doc, "AB", kDown, 256, 0), "0-2") << "256 bytes: searched from the caret toward 0";
  EXPECT_EQ(Find(doc, "AB", kDown, 255, 0), "302-304") << "255 bytes: the previous match";
  SetText(doc, "xxＡＢＣyy");
  EXPECT_EQ(Find(doc, "abc", 0, 0, -1), "2-8") << "a width-insensitive match selects its own bytes";
  EXPECT_EQ(Find(doc, "abc", kSearchWidthSensitive, 0, -1), "none-0");
  // A progress dialog that cannot be made or closed is reported, and the search fails.
  SetText(doc, "xxAB");
  Searcher searcher(reinterpret_cast<const uint8_t*>("AB"), 2, kDown);
  MessageRecorder messages;
  ScriptedProgress noDialog;
  noDialog.beginSucceeds = false;
  doc.anchor = 1;
  ScriptedProgress noClose;
  noClose.endSucceeds = false;
  for (ScriptedProgress* progress : {&noDialog, &noClose}) {
    EXPECT_EQ(Search(doc, 0, -1, searcher, *progress).status, SearchStatus::kFailed);
    EXPECT_EQ(doc.anchor, -1) << "no selection left, the match dropped";
  }
  EXPECT_EQ(messages.texts(),
            (std::vector<std::string>{"ﾓｰﾄﾞﾚｽﾀﾞｲｱﾛｸﾞﾎﾞｯｸｽを作成できません", "ｳｲﾝﾄﾞｳを破棄できません"}));
  EXPECT_EQ(messages.messages()[0].icon, MessageIcon::Warning);
  // The progress is pumped by elapsed time; the pump that sets the abort stops the search.
  SetBlocks(doc, std::vector<int32_t>(96, 43690));  // 4 MiB of filler in blocks as loading lays them out
  const uint8_t absent[] = {0xFF, 0xFF, 0xFF};
  Searcher threeBytes(absent, 3, kDown);
  ScriptedProgress progress;
  SteppingClock tenMs(10000);  // every reading of the clock is 10 ms later
  EXPECT_EQ(Search(doc, 0, -1, threeBytes, progress, tenMs).status, SearchStatus::kNotFound);
  EXPECT_TRUE(progress.pumps > 0 && progress.pumps == (tenMs.reads - 1) / 3) << "one pump per 30 ms after the first";
  // An abort stops the search at the pump that sets it, in either direction and with the slow comparison.
  for (int options : {kDown, kUp, 0}) {
    Searcher twoBytes(absent, 2, options);
    ScriptedProgress aborting;
    aborting.abortAtPump = 2;
    SteppingClock clock(30000);
    doc.caret = options & kSearchUpward ? doc.length : 0;
    EXPECT_EQ(Search(doc, doc.caret, -1, twoBytes, aborting, clock).status, SearchStatus::kAborted);
    EXPECT_TRUE(aborting.pumps == 2 && doc.anchor == -1);
  }
}

}  // namespace

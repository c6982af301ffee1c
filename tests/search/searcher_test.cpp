// The fast search against the position-by-position rule, on random and
// adversarial text, in documents cut into small blocks so that matches straddle
// them; and the corner cases of empty and tiny documents.
#include "search/searcher.h"

#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <string>
#include <vector>

#include "search/search_rule.h"
#include "support/doc_builders.h"

namespace {

using Bytes = std::vector<uint8_t>;
using Tokens = std::vector<std::string>;

// Characters that stress the comparison: both cases and widths of letters and
// digits, katakana of both widths with voicing marks, prolonged and repeat
// marks, ignorable and word-sort characters, ligatures and their letters, lone
// lead bytes and lead bytes with invalid trail bytes.
const Tokens kMixed = {
    "a", "A", "b", "B", "c", "C", "m", "M", "k", "g", "z", "0", "1", "9", "ａ", "Ａ", "ｂ", "Ｂ", "ｃ", "Ｃ", "ｍ", "Ｍ",
    "０", "１", "ア", "ｱ", "カ", "ｶ", "ガ", "ﾞ", "ﾟ", "゛", "゜", "ハ", "ﾊ", "パ", "は", "ぱ", "あ", "ー", "ｰ", "―",
    "ヽ", "ヾ", "ゝ", "々", "・", "･", "㎜", "㏄", "㎝", "㎏", "℃", "㈱", "○", "◎", "亜", "漢", "字", " ", "　", "'",
    "-", "－", ".", "\x01", std::string(1, '\0'), "\x82", "\x81\x20", "\x82\x7F", "\xFD", "\x80", "\xA0", "\x88\x00"};
// Characters whose weight in the system comparison is not their own alone, densely.
const Tokens kOdd = {"c", "ｃ", "C", "㏄", "m", "ｍ", "㎜", "a", "ア", "ｶ", "ガ", "は", "ば", "ぱ", "○", "◎", "℃",
                     "゛", "ﾞ", "゜", "ﾟ", "ー", "ｰ", "ヽ", "々", "・", "'", "-", std::string(1, '\0')};

Bytes FromTokens(std::mt19937& r, const Tokens& tokens, size_t size, bool cut) {
  Bytes out;
  for (size_t n = 0; cut ? out.size() < size : n < size; ++n) {
    const std::string& t = tokens[r() % tokens.size()];
    out.insert(out.end(), t.begin(), t.end());
  }
  if (cut) out.resize(size);
  return out;
}

// A pattern of 1..128 bytes: mostly a piece of the text (so that it is found),
// often with its letters' case flipped or one character replaced, sometimes noise.
Bytes PatternFor(std::mt19937& r, const Bytes& text) {
  static const size_t kLengths[] = {1, 1, 2, 2, 3, 4, 5, 6, 8, 12, 17, 40, 128};
  size_t length = std::min(kLengths[r() % 13], text.size());
  Bytes p = r() % 6 == 0 ? FromTokens(r, kMixed, kLengths[r() % 13], true) : Bytes{};
  if (p.empty()) {
    auto start = text.begin() + static_cast<std::ptrdiff_t>(r() % (text.size() - length + 1));
    p.assign(start, start + static_cast<std::ptrdiff_t>(length));
  }
  if (r() % 4 == 0) {
    for (auto& b : p) b = static_cast<uint8_t>(std::isalpha(b) ? b ^ 0x20 : b);
  } else if (r() % 3 == 0) {
    const std::string& t = kMixed[r() % kMixed.size()];
    auto at = p.begin() + static_cast<std::ptrdiff_t>(r() % p.size());
    p.insert(p.erase(at), t.begin(), t.end());
  }
  if (p.empty()) p.push_back('a');
  if (p.size() > 128) p.resize(128);
  return p;
}

// Runs the fast search and the rule from a toward b and insists that they agree;
// *found counts the matches.
void Agree(Document& doc, const Bytes& pattern, int options, int32_t a, int32_t b, const std::string& what,
           int* found = nullptr) {
  NoProgress progress;
  SearchPacer pacer(progress, SystemPaceClock());
  const auto count = static_cast<int32_t>(pattern.size());
  ScanHit expected = FindByRule(doc, a, b, pattern.data(), count, options);
  ScanHit hit = Searcher(pattern.data(), count, options).Find(doc, a, b, pacer);
  ASSERT_TRUE(hit.offset == expected.offset && hit.length == expected.length && !hit.aborted)
      << what << ": options " << options << ", from " << a << " toward " << b << ", expected " << expected.offset << "+"
      << expected.length << ", got " << hit.offset << "+" << hit.length;
  if (found != nullptr) *found += hit.offset >= 0;
}

// Text of mixed tokens, random bytes, or letters and their neighbours with a pattern mostly taken from it;
// or, one case in three, odd characters with width-insensitive patterns of them, among which the
// system comparison finds matches that no character-by-character comparison would.
TEST(Searcher, FindsWhatTheRuleFindsOnRandomTextsKnownOddPairsAndTinyDocuments) {
  std::mt19937 r(20240521);
  int found = 0;
  for (int i = 0; i < 2400; ++i) {
    const int kind = i % 6;
    Bytes text = kind == 0 ? RandomBytes(1 + static_cast<int32_t>(r() % 800), r())
                 : kind < 3 ? FromTokens(r, kMixed, 1 + r() % 800, true)
                 : kind < 4 ? Bytes(1 + r() % 800)
                            : FromTokens(r, kOdd, 1 + r() % 40, false);
    if (kind == 3) {
      for (auto& v : text) v = static_cast<uint8_t>("abAB[{@`"[r() % 8]);
    }
    const Bytes pattern = kind < 4 ? PatternFor(r, text) : FromTokens(r, kOdd, 1 + r() % 4, false);
    const int options = static_cast<int>(r() % (kind < 4 ? 8 : 2));
    const int32_t blocks = r() % 3 == 0 ? 1 + r() % 4 : r() % 2 ? 1 + r() % 60 : 100 + r() % 400;
    Document doc;
    SetBlocksOf(doc, text, {blocks, blocks + 1, blocks + 3});
    const int32_t a = static_cast<int32_t>(r() % (text.size() + 1));
    const int32_t b = r() % 4 == 0 ? static_cast<int32_t>(r() % (text.size() + 1)) : r() % 2 ? 0 : doc.length;
    ASSERT_NO_FATAL_FAILURE(
        Agree(doc, pattern, options, a, b, "case " + std::to_string(i) + ", blocks " + std::to_string(blocks), &found));
    ASSERT_EQ(CheckDocument(doc), "");
  }
  EXPECT_GT(found, 2400 / 5);  // many cases must find something, or the comparison proves little
  // Known pairs of odd characters that match width-insensitively, empty and tiny documents, in one-byte blocks,
  // agree with the rule both ways; then a wide match's length, an empty pattern, and a match that must end by the
  // far end.
  const std::string nul(1, '\0');
  const std::pair<std::string, std::string> known[] = {
      {"xぱ㏄ｃ", "c㏄"}, {"x㏄" + nul, "cc"}, {nul + "ax", "a" + nul}, {"xmｰ", "mm"}, {"゛はx", "ば" + nul},
      {"xは゛a", "ばa" + nul}, {"○ﾞ", nul + "◎"}, {"ウ゜", "ヴﾞ"}, {"ｶﾞx", "ガ"}, {"x㎜a" + nul, "ｍｍa"},
      {"", "ab"}, {"a", "ab"}, {"a", "a"}, {"xxＡＢx", "ab"}};
  for (const auto& [t, p] : known) {
    const Bytes text(t.begin(), t.end()), pattern(p.begin(), p.end());
    Document doc;
    SetBlocksOf(doc, text, {1});
    for (int options = 0; options < 8; ++options) {
      Agree(doc, pattern, options, 0, doc.length, "known pair");
      Agree(doc, pattern, options, doc.length, 0, "known pair");
    }
  }
  NoProgress progress;
  SearchPacer pacer(progress, SystemPaceClock());
  const uint8_t ab[] = {'a', 'b'};
  Document doc;
  SetBlocksOf(doc, {'x', 'x', 0x82, 0x60, 0x82, 0x61, 'x'}, {1});  // ＡＢ at offset 2
  const ScanHit down = Searcher(ab, 2, 0).Find(doc, 0, 7, pacer);
  EXPECT_TRUE(down.offset == 2 && down.length == 4);
  EXPECT_EQ(Searcher(ab, 0, 0).Find(doc, 0, 7, pacer).offset, -1);
  EXPECT_EQ(Searcher(ab, 2, 0).Find(doc, 0, 5, pacer).offset, -1);
  EXPECT_EQ(Searcher(ab, 2, 0).Find(doc, 5, 0, pacer).offset, -1);
}

}  // namespace

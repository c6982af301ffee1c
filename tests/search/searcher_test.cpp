// The fast search against the position-by-position rule, on random and
// adversarial text, in documents cut into small blocks so that matches straddle
// them; and the corner cases of empty and tiny documents.
#include "search/searcher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/codepage.h"
#include "search/search_options.h"
#include "search/search_rule.h"
#include "search/wide_matcher.h"
#include "support/doc_builders.h"

namespace {

using Bytes = std::vector<uint8_t>;

class Random {
 public:
  explicit Random(uint32_t seed) : x_(seed * 2654435761u + 12345) {}
  uint32_t Next() {
    x_ ^= x_ << 13;
    x_ ^= x_ >> 17;
    x_ ^= x_ << 5;
    return x_;
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<uint32_t>(n)); }

 private:
  uint32_t x_;
};

std::string Hex(const Bytes& b) {
  static const char* digits = "0123456789ABCDEF";
  std::string s;
  for (uint8_t v : b) s += std::string{digits[v >> 4], digits[v & 15], ' '};
  return s;
}

// Characters that stress the comparison: both cases and widths of letters and
// digits, katakana of both widths with voicing marks, prolonged and repeat
// marks, ignorable and word-sort characters, ligatures and their letters, lone
// lead bytes and lead bytes with invalid trail bytes.
const std::vector<std::string>& Tokens() {
  static const std::vector<std::string> tokens = {
      "a", "A", "b", "B", "c", "C", "m", "M", "k", "g", "z", "0", "1", "9", "ａ", "Ａ", "ｂ", "Ｂ", "ｃ", "Ｃ", "ｍ",
      "Ｍ", "０", "１", "ア", "ｱ", "カ", "ｶ", "ガ", "ﾞ", "ﾟ", "゛", "゜", "ハ", "ﾊ", "パ", "は", "ぱ", "あ", "ー", "ｰ",
      "―", "ヽ", "ヾ", "ゝ", "々", "・", "･", "㎜", "㏄", "㎝", "㎏", "℃", "㈱", "○", "◎", "亜", "漢", "字", " ", "　",
      "'", "-", "－", ".", "\x01", std::string(1, '\0'), "\x82", "\x81\x20", "\x82\x7F", "\xFD", "\x80", "\xA0",
      "\x88\x00"};
  return tokens;
}

Bytes MixedText(Random& r, int size) {
  Bytes out;
  while (static_cast<int>(out.size()) < size) {
    const std::string& t = Tokens()[static_cast<size_t>(r.Below(static_cast<int>(Tokens().size())))];
    out.insert(out.end(), t.begin(), t.end());
  }
  out.resize(static_cast<size_t>(size));
  return out;
}

// Every lead byte with every trail byte, from a random start.
Bytes AllPairs(Random& r, int size) {
  Bytes all;
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsLeadByte(static_cast<unsigned char>(lead))) continue;
    for (int trail = 0; trail < 256; ++trail) {
      all.push_back(static_cast<uint8_t>(lead));
      all.push_back(static_cast<uint8_t>(trail));
      if (trail % 16 == 0) all.push_back(static_cast<uint8_t>("aA1ｱ"[trail / 16 % 4]));
    }
  }
  size_t start = static_cast<size_t>(r.Below(static_cast<int>(all.size()) - size));
  return Bytes(all.begin() + static_cast<std::ptrdiff_t>(start),
               all.begin() + static_cast<std::ptrdiff_t>(start) + size);
}

// Characters whose weight in the system comparison is not their own alone (with
// the letters they stand for or lean on), densely, for short texts and patterns.
const std::vector<std::string>& OddTokens() {
  static const std::vector<std::string> tokens = {
      "c", "ｃ", "C", "㏄", "m", "ｍ", "㎜", "a", "ア", "ｶ", "ガ", "は", "ば", "ぱ", "○", "◎", "℃", "゛", "ﾞ", "゜",
      "ﾟ", "ー", "ｰ", "ヽ", "々", "・", "'", "-", std::string(1, '\0')};
  return tokens;
}

Bytes OddText(Random& r, int tokens) {
  Bytes out;
  for (int i = 0; i < tokens; ++i) {
    const std::string& t = OddTokens()[static_cast<size_t>(r.Below(static_cast<int>(OddTokens().size())))];
    out.insert(out.end(), t.begin(), t.end());
  }
  return out;
}

Bytes Letters(Random& r, int size) {
  Bytes out;
  for (int i = 0; i < size; ++i) out.push_back(static_cast<uint8_t>("abAB[{@`"[r.Below(8)]));
  return out;
}

// A pattern of 1..128 bytes: mostly a piece of the text (so that it is found),
// often changed in case, width or one character, sometimes pure noise.
Bytes PatternFor(Random& r, const Bytes& text) {
  static const int kLengths[] = {1, 1, 2, 2, 3, 4, 5, 6, 8, 12, 17, 40, 128};
  int length = kLengths[r.Below(13)];
  Bytes p;
  if (r.Below(6) == 0 || text.empty()) {
    p = MixedText(r, length);
  } else {
    length = std::min<int>(length, static_cast<int>(text.size()));
    int start = r.Below(static_cast<int>(text.size()) - length + 1);
    p.assign(text.begin() + start, text.begin() + start + length);
  }
  switch (r.Below(4)) {
    case 0:
      for (auto& b : p) {
        if ((b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z')) b ^= 0x20;
      }
      break;
    case 1: {
      const std::string& t = Tokens()[static_cast<size_t>(r.Below(static_cast<int>(Tokens().size())))];
      size_t at = static_cast<size_t>(r.Below(static_cast<int>(p.size())));
      p.erase(p.begin() + static_cast<std::ptrdiff_t>(at));
      p.insert(p.begin() + static_cast<std::ptrdiff_t>(at), t.begin(), t.end());
      break;
    }
    default:
      break;
  }
  if (p.empty()) p.push_back('a');
  if (p.size() > 128) p.resize(128);
  return p;
}

std::vector<int32_t> BlockLengths(Random& r) {
  std::vector<int32_t> lens;
  const int kind = r.Below(3);
  for (int i = 0; i < 8; ++i) {
    lens.push_back(kind == 0 ? 1 + r.Below(4) : kind == 1 ? 1 + r.Below(60) : 100 + r.Below(400));
  }
  return lens;
}

struct Kind {
  const char* name;
  Bytes (*make)(Random&, int);
  int cases;
  int size;
};

TEST(Searcher, FindsWhatThePositionByPositionRuleFinds) {
  const Kind kinds[] = {{"mixed text", MixedText, 700, 600},
                        {"every lead and trail byte", AllPairs, 300, 600},
                        {"random bytes", [](Random& r, int n) { return RandomBytes(n, r.Next()); }, 300, 1000},
                        {"letters", Letters, 300, 800}};
  Random r(20240521);
  int found = 0, total = 0;
  for (const Kind& kind : kinds) {
    for (int i = 0; i < kind.cases; ++i) {
      Bytes text = kind.make(r, 1 + r.Below(kind.size));
      Bytes pattern = PatternFor(r, text);
      int options = r.Below(8);
      std::vector<int32_t> lens = BlockLengths(r);
      Document doc;
      SetBlocksOf(doc, text, lens);
      int32_t n = doc.length;
      int32_t a = r.Below(n + 1), b = r.Below(4) == 0 ? r.Below(n + 1) : (r.Below(2) ? 0 : n);
      ScanHit expected = FindByRule(doc, a, b, pattern.data(), static_cast<int32_t>(pattern.size()), options);
      Searcher searcher(pattern.data(), static_cast<int32_t>(pattern.size()), options);
      NoProgress progress;
      SearchPacer pacer(progress, SystemPaceClock());
      ScanHit hit = searcher.Find(doc, a, b, pacer);
      ++total;
      found += expected.offset >= 0;
      ASSERT_TRUE(hit.offset == expected.offset && hit.length == expected.length && !hit.aborted)
          << kind.name << " case " << i << ": options " << options << ", from " << a << " toward " << b
          << ", blocks of " << lens[0] << ", " << lens[1] << "...\npattern " << Hex(pattern) << "\ntext " << Hex(text)
          << "\nexpected " << expected.offset << "+" << expected.length << ", got " << hit.offset << "+"
          << hit.length;
      ASSERT_EQ(CheckDocument(doc), "");
    }
  }
  // Many cases must find something, or the comparison would prove little.
  EXPECT_GT(found, total / 4);
}

// Width-insensitive patterns of one to four such characters in short texts:
// here the system comparison (under Wine and Windows) finds matches that no
// character-by-character comparison would.
TEST(Searcher, FindsWhatTheRuleFindsAmongOddCharacters) {
  NoProgress progress;
  SearchPacer pacer(progress, SystemPaceClock());
  const std::string nul(1, '\0');
  // Pairs the system comparison may take as equal: a ligature against its
  // letters, ignorable bytes, prolonged and voicing marks.
  const std::pair<std::string, std::string> known[] = {
      {"xぱ㏄ｃ", "c㏄"}, {"x㏄" + nul, "cc"}, {nul + "ax", "a" + nul}, {"xmｰ", "mm"}, {"゛はx", "ば" + nul},
      {"xは゛a", "ばa" + nul}, {"○ﾞ", nul + "◎"}, {"ウ゜", "ヴﾞ"}, {"ｶﾞx", "ガ"}, {"x㎜a" + nul, "ｍｍa"}};
  for (const auto& [t, p] : known) {
    Bytes text(t.begin(), t.end()), pattern(p.begin(), p.end());
    for (int options = 0; options < 2; ++options) {
      Document doc;
      SetBlocksOf(doc, text, {1});
      for (auto [a, b] : {std::pair<int32_t, int32_t>{0, doc.length}, {doc.length, 0}}) {
        ScanHit expected = FindByRule(doc, a, b, pattern.data(), static_cast<int32_t>(pattern.size()), options);
        ScanHit hit = Searcher(pattern.data(), static_cast<int32_t>(pattern.size()), options).Find(doc, a, b, pacer);
        EXPECT_EQ(hit.offset, expected.offset) << Hex(pattern) << "in " << Hex(text);
        EXPECT_EQ(hit.length, expected.length) << Hex(pattern) << "in " << Hex(text);
      }
    }
  }
  Random r(4242);
  for (int i = 0; i < 2000; ++i) {
    Bytes text = OddText(r, 1 + r.Below(40));
    Bytes pattern = OddText(r, 1 + r.Below(4));
    int options = r.Below(2);  // width-insensitive, either case rule
    Document doc;
    SetBlocksOf(doc, text, {1 + r.Below(7)});
    int32_t a = 0, b = doc.length;
    if (r.Below(2)) std::swap(a, b);
    ScanHit expected = FindByRule(doc, a, b, pattern.data(), static_cast<int32_t>(pattern.size()), options);
    ScanHit hit = Searcher(pattern.data(), static_cast<int32_t>(pattern.size()), options).Find(doc, a, b, pacer);
    ASSERT_TRUE(hit.offset == expected.offset && hit.length == expected.length)
        << "case " << i << ", options " << options << ", from " << a << " toward " << b << "\npattern "
        << Hex(pattern) << "\ntext " << Hex(text) << "\nexpected " << expected.offset << "+" << expected.length
        << ", got " << hit.offset << "+" << hit.length;
  }
}

TEST(Searcher, TinyDocumentsFindNothingAndDoNotFail) {
  NoProgress progress;
  SearchPacer pacer(progress, SystemPaceClock());
  const uint8_t pattern[] = {'a', 'b'};
  for (int options = 0; options < 8; ++options) {
    Document empty;
    SetContent(empty, {});
    EXPECT_EQ(Searcher(pattern, 2, options).Find(empty, 0, 0, pacer).offset, -1);
    Document one;
    SetContent(one, {'a'});
    EXPECT_EQ(Searcher(pattern, 2, options).Find(one, 0, 1, pacer).offset, -1);
    EXPECT_EQ(Searcher(pattern, 2, options).Find(one, 1, 0, pacer).offset, -1);
    EXPECT_EQ(Searcher(pattern, 1, options).Find(one, 1, 0, pacer).offset, 0);
    EXPECT_EQ(Searcher(pattern, 0, options).Find(one, 0, 1, pacer).offset, -1);
  }
}

TEST(Searcher, MatchStraddlingManyOneByteBlocks) {
  Bytes text = {'x', 'x', 0x82, 0x60, 0x82, 0x61, 'x'};  // ＡＢ at offset 2
  Document doc;
  SetBlocksOf(doc, text, {1});
  NoProgress progress;
  SearchPacer pacer(progress, SystemPaceClock());
  const uint8_t ab[] = {'a', 'b'};
  ScanHit down = Searcher(ab, 2, 0).Find(doc, 0, 7, pacer);
  EXPECT_EQ(down.offset, 2);
  EXPECT_EQ(down.length, 4);
  ScanHit up = Searcher(ab, 2, 0).Find(doc, 7, 0, pacer);
  EXPECT_EQ(up.offset, 2);
  // A match must end by the far end of the stretch.
  EXPECT_EQ(Searcher(ab, 2, 0).Find(doc, 0, 5, pacer).offset, -1);
  EXPECT_EQ(Searcher(ab, 2, 0).Find(doc, 5, 0, pacer).offset, -1);
}

TEST(Searcher, PlainTextLeavesCompareToTheMatchesOnly) {
  // Letters, digits, kana, kanji, zero and control bytes: the filter rules out
  // every position but the matches, zero bytes and control characters included.
  Bytes text;
  std::string piece = "The quick ｂｒｏｗｎ fox ジャンプ over 漢字 and ａｂｃ, abd, ABC 123 ｱｲｳ a";
  static const char kOdd[] = "\0bc \x01" "ab\x02" "c a\0\0b";
  piece.append(kOdd, sizeof kOdd - 1);
  for (int i = 0; i < 40; ++i) text.insert(text.end(), piece.begin(), piece.end());
  Document doc;
  SetBlocksOf(doc, text, {97});
  const uint8_t abc[] = {'a', 'b', 'c'};
  WideMatcher matcher(abc, 3, 0);
  NoProgress progress;
  SearchPacer pacer(progress, SystemPaceClock());
  int matches = 0;
  for (int32_t at = 0;; ++matches) {
    ScanHit hit = ScanDocument(doc, matcher, at, doc.length, pacer);
    if (hit.offset < 0) break;
    at = hit.offset + hit.length;
  }
  EXPECT_EQ(matches, 80);  // ａｂｃ and ABC in each piece
  EXPECT_EQ(matcher.compareCalls(), 80);
}

}  // namespace

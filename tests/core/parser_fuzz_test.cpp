// Randomised runs of the number and path parsers, fed with hostile bytes and
// checked against models and invariants.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "core/number_text.h"
#include "core/path.h"
#include "core/text_limits.h"

namespace {

// Fixed seeds keep failures reproducible; the seed is printed with each failure.
std::mt19937 MakeRng(unsigned salt) { return std::mt19937(0x5EED0000u + salt); }

int Pick(std::mt19937& rng, int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

// Random bytes biased towards the ones the parsers care about.
std::string HostileText(std::mt19937& rng, size_t maxLength) {
  static const char kInteresting[] = " \"\\:./,-*?<>|\t0123456789aAfFzZ";
  static const unsigned char kDoubleByte[] = {0x81, 0x83, 0x95, 0x9F, 0xE0, 0xFC, 0x5C, 0x7C, 0xA0};
  size_t length = Pick(rng, 10) == 0 ? static_cast<size_t>(Pick(rng, static_cast<int>(maxLength) + 1))
                                     : static_cast<size_t>(Pick(rng, 24));
  std::string s;
  for (size_t i = 0; i < length; ++i) {
    switch (Pick(rng, 4)) {
      case 0: s.push_back(kInteresting[Pick(rng, sizeof kInteresting - 1)]); break;
      case 1: s.push_back(static_cast<char>(kDoubleByte[Pick(rng, sizeof kDoubleByte)])); break;
      case 2: s.push_back(static_cast<char>('a' + Pick(rng, 26))); break;
      default: s.push_back(static_cast<char>(1 + Pick(rng, 255))); break;
    }
  }
  return s;
}

TEST(ParserFuzz, NumbersRoundTripAndParsesOnlyAcceptDigits) {
  std::mt19937 rng = MakeRng(4);
  const int radixes[] = {2, 8, 10, 16};
  for (int run = 0; run < 20000; ++run) {
    int radix = radixes[Pick(rng, 4)];
    bool isSigned = Pick(rng, 2) == 0;
    auto value = static_cast<int32_t>(rng());
    int width = Pick(rng, 81) - 40;
    std::string text = NumberText(value, radix, width, isSigned);
    int32_t back = 0;
    bool negative = isSigned && value < 0;
    // Zero padding puts zeros after the sign, spaces go before it: both parse.
    if (negative && value == INT32_MIN) {
      EXPECT_EQ(ParseNumber(text.c_str(), radix, isSigned, &back), -1) << text;
    } else {
      ASSERT_EQ(ParseNumber(text.c_str(), radix, isSigned, &back), 0) << text;
      EXPECT_EQ(back, value) << text;
    }

    std::string noise = HostileText(rng, 60);
    int32_t parsed = 0;
    if (ParseNumber(noise.c_str(), radix, isSigned, &parsed) == 0) {
      size_t i = noise.find_first_not_of(' ');
      ASSERT_NE(i, std::string::npos);
      if (isSigned && noise[i] == '-') ++i;
      for (; i < noise.size(); ++i) {
        const char* d = std::strchr(kDigits, noise[i] >= 'a' && noise[i] <= 'f' ? noise[i] - 0x20 : noise[i]);
        ASSERT_TRUE(d != nullptr && noise[i] != '\0' && d - kDigits < radix) << "[" << noise << "]";
      }
    }
  }
}

TEST(ParserFuzz, ByteRunsRoundTripUpToTheHolderCapacity) {
  std::mt19937 rng = MakeRng(5);
  const int radixes[] = {2, 8, 10, 16};
  for (int run = 0; run < 3000; ++run) {
    int radix = radixes[Pick(rng, 4)];
    bool isSigned = radix == 10 && Pick(rng, 2) == 0;
    int count = Pick(rng, 4) == 0 ? Pick(rng, 260) : Pick(rng, 20);
    std::vector<uint8_t> bytes(static_cast<size_t>(count));
    for (uint8_t& b : bytes) b = static_cast<uint8_t>(rng());
    static const char kSeparators[] = " ,.";
    std::string text;
    for (int i = 0; i < count; ++i) {
      int32_t v = isSigned ? static_cast<int8_t>(bytes[i]) : bytes[i];
      for (int k = (i == 0 ? Pick(rng, 2) : 1 + Pick(rng, 3)); k > 0; --k) text.push_back(kSeparators[Pick(rng, 3)]);
      text += NumberText(v, radix, -Pick(rng, 10), isSigned);
    }
    struct {
      ByteSequence sequence;
      uint8_t guard[8];
    } held;
    std::memset(held.guard, 0x5A, sizeof held.guard);
    int status = ParseByteSequence(text.c_str(), radix, isSigned, &held.sequence);
    for (uint8_t g : held.guard) ASSERT_EQ(g, 0x5A);
    if (count > kByteSequenceCapacity) {
      EXPECT_EQ(status, -1);
      EXPECT_EQ(held.sequence.count, 0);
    } else {
      ASSERT_EQ(status, 0) << text;
      ASSERT_EQ(held.sequence.count, count);
      EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), held.sequence.bytes));
    }

    std::string noise = HostileText(rng, 2000);
    status = ParseByteSequence(noise.c_str(), radix, isSigned, &held.sequence);
    for (uint8_t g : held.guard) ASSERT_EQ(g, 0x5A);
    ASSERT_GE(held.sequence.count, 0);
    ASSERT_LE(held.sequence.count, kByteSequenceCapacity);
    if (status != 0) {
      EXPECT_EQ(held.sequence.count, 0);
    } else {
      std::string again = FormatByteSequence(held.sequence, radix, 0, isSigned);
      ByteSequence reparsed;
      ASSERT_EQ(ParseByteSequence(again.c_str(), radix, isSigned, &reparsed), 0);
      ASSERT_EQ(reparsed.count, held.sequence.count);
      EXPECT_TRUE(std::equal(reparsed.bytes, reparsed.bytes + reparsed.count, held.sequence.bytes));
    }
  }
}

TEST(ParserFuzz, SplitPathsJoinBackAndResplitTheSame) {
  std::mt19937 rng = MakeRng(6);
  int succeeded = 0;
  for (int run = 0; run < 20000; ++run) {
    std::string path;
    if (Pick(rng, 3) == 0) path = std::string(1, static_cast<char>('A' + Pick(rng, 26))) + ":";
    path += HostileText(rng, 3200);
    PathParts parts;
    if (SplitPath(path.c_str(), &parts) != 0) continue;
    ++succeeded;
    EXPECT_LT(path.size(), static_cast<size_t>(kMaxSplitPathLength));
    EXPECT_TRUE(parts.drive.empty() || (parts.drive.size() == 2 && parts.drive[1] == ':'));
    EXPECT_TRUE(parts.dir.empty() || parts.dir.back() == '\\') << path;
    EXPECT_TRUE(parts.ext.empty() || parts.ext[0] == '.');
    EXPECT_LE(parts.dir.size(), static_cast<size_t>(kMaxPathPartLength));
    EXPECT_LE(parts.name.size(), static_cast<size_t>(kMaxPathPartLength));
    EXPECT_LE(parts.ext.size(), static_cast<size_t>(kMaxExtensionLength));
    std::string joined;
    ASSERT_EQ(JoinPath(&joined, parts), 0) << path;
    EXPECT_EQ(joined, path);
    PathParts again;
    ASSERT_EQ(SplitPath(joined.c_str(), &again), 0);
    EXPECT_TRUE(again == parts) << path;
  }
  EXPECT_GT(succeeded, 1000);  // the generator must reach the interesting cases
}

TEST(ParserFuzz, JoinPathOfArbitraryParts) {
  std::mt19937 rng = MakeRng(7);
  for (int run = 0; run < 20000; ++run) {
    PathParts parts{HostileText(rng, 3), HostileText(rng, 1200), HostileText(rng, 1200), HostileText(rng, 1200)};
    std::string out = "stale";
    if (JoinPath(&out, parts) != 0) {
      EXPECT_EQ(out, "");
      continue;
    }
    EXPECT_LE(out.size(), static_cast<size_t>(kMaxTextLength));
    if (!parts.drive.empty()) {
      EXPECT_EQ(out.substr(0, 2), std::string(1, parts.drive[0]) + ":");
    }
    EXPECT_NE(out.find(parts.name), std::string::npos);
  }
}

}  // namespace

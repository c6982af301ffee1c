// Randomised runs of the command line splitter and the option parser, fed with
// hostile bytes and checked against models and invariants.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "app/startup/command_line.h"
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

std::vector<std::string> Split(const std::string& line, int* status) {
  ArgumentVector arguments;
  *status = SplitCommandLine(line.c_str(), &arguments);
  std::vector<std::string> out;
  for (int i = 0; i < arguments.count; ++i) out.emplace_back(arguments.args[i]);
  EXPECT_EQ(arguments.count == 0, arguments.args == nullptr);
  FreeArguments(arguments.count, arguments.args);
  return out;
}

TEST(ParserFuzz, CommandLineSplitsBackIntoTheArgumentsItWasBuiltFrom) {
  std::mt19937 rng = MakeRng(1);
  for (int run = 0; run < 3000; ++run) {
    std::vector<std::string> expected;
    std::string line;
    int count = Pick(rng, 8);
    bool afterCloseQuote = false;
    for (int a = 0; a < count; ++a) {
      // A closing quote may be followed directly by the next argument.
      if (!afterCloseQuote || Pick(rng, 2)) line.append(static_cast<size_t>(1 + Pick(rng, 3)), ' ');
      afterCloseQuote = false;
      std::string word;
      for (int k = 1 + Pick(rng, 6); k > 0; --k) {
        char c = static_cast<char>(1 + Pick(rng, 255));
        if (c != ' ' && c != '"') word.push_back(c);
      }
      if (word.empty()) word = "w";
      switch (Pick(rng, 4)) {
        case 0: {  // quoted, may hold spaces
          std::string inner = word + (Pick(rng, 2) ? " x" : "");
          line += "\"" + inner + "\"";
          expected.push_back(inner);
          afterCloseQuote = true;
          break;
        }
        case 1:  // an empty pair stays as two quotes
          line += "\"\"";
          expected.push_back("\"\"");
          afterCloseQuote = true;
          break;
        case 2:  // quotes inside an unquoted word stay
          line += word + "\"" + word;
          expected.push_back(word + "\"" + word);
          break;
        default:
          line += word;
          expected.push_back(word);
          break;
      }
    }
    if (Pick(rng, 4) == 0) {  // an unclosed quote takes the rest
      line += " \"" + std::string(Pick(rng, 2) ? "a b " : "");
      expected.push_back(line.substr(line.rfind('"')));
    }
    int status = 0;
    EXPECT_EQ(Split(line, &status), expected) << "run " << run << " line [" << line << "]";
    EXPECT_EQ(status, 0);
  }
}

TEST(ParserFuzz, CommandLineOnHostileBytes) {
  std::mt19937 rng = MakeRng(2);
  for (int run = 0; run < 4000; ++run) {
    std::string line = HostileText(rng, 6000);
    int status = 0;
    std::vector<std::string> args = Split(line, &status);
    ASSERT_EQ(status, 0);
    size_t total = 0;
    for (const std::string& a : args) {
      EXPECT_FALSE(a.empty());
      EXPECT_NE(line.find(a), std::string::npos) << "run " << run;  // every argument is a piece of the line
      total += a.size();
    }
    EXPECT_LE(total, line.size());
  }
}

TEST(ParserFuzz, OptionsKeepTheirRanges) {
  std::mt19937 rng = MakeRng(3);
  static const char kLetters[] = "CFHNQSXZIWcfhnqsxziwKk1/\x95";
  for (int run = 0; run < 4000; ++run) {
    std::vector<std::string> args;
    std::vector<std::string> files;
    int expectedStatus = 0;
    for (int k = Pick(rng, 6); k > 0; --k) {
      std::string a;
      if (Pick(rng, 4) == 0) {
        a = "f" + HostileText(rng, 40);
        if (a.find('\0') != std::string::npos) a = "f";
      } else {
        a.push_back(Pick(rng, 2) ? '/' : '-');
        if (Pick(rng, 20)) a.push_back(kLetters[Pick(rng, sizeof kLetters - 1)]);
        a += HostileText(rng, 5000);
      }
      bool option = a[0] == '-' || a[0] == '/';
      if (expectedStatus == 0) {
        if (!option) {
          files.push_back(a);
        } else if (a.size() < 2 || std::strchr("CFHNQSXZIWcfhnqsxziw", a[1]) == nullptr) {
          expectedStatus = -1;
        }
      }
      args.push_back(a);
    }
    std::vector<char*> pointers;
    for (std::string& a : args) pointers.push_back(a.data());
    ArgumentVector vector{static_cast<int>(pointers.size()), pointers.data()};
    StartupOptions options;
    AppSettings settings;
    std::vector<std::string> parsedFiles;
    ASSERT_EQ(ParseOptions(vector, &options, &settings, &parsedFiles), expectedStatus) << "run " << run;
    if (expectedStatus == 0) {
      EXPECT_EQ(parsedFiles, files);
    }
    EXPECT_LE(options.iniPath.size(), static_cast<size_t>(kMaxTextLength));
    for (int32_t v : {options.x, options.y, options.width, options.height}) {
      EXPECT_TRUE(v == kUnset || v == kUseDefault || (v >= 0 && v <= 99999999)) << v;
    }
    for (int32_t v : {settings.code, settings.filter, settings.history, settings.findstat, settings.zoomed,
                      options.newfile, options.prev, options.registryFlags}) {
      EXPECT_TRUE(v == kUnset || (v >= 0 && v <= 27)) << v;
    }
    DeriveIniPath(&options, "D:\\tools\\edit.exe");
    EXPECT_LE(options.iniPath.size(), static_cast<size_t>(kMaxTextLength));
  }
}

}  // namespace

// Command line: splitting, every option form and the INI path, with
// randomised runs of the splitter and the option parser on hostile bytes.
#include "app/startup/command_line.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "core/text_limits.h"
#include "support/hostile_text.h"

namespace {

const char kFavoured[] = " \"\\:./,-*?<>|\t0123456789aAfFzZ";  // what the random texts favour

using Strings = std::vector<std::string>;

// The arguments of line; an empty line gives no array at all.
Strings Split(const std::string& line) {
  ArgumentVector arguments;
  arguments.count = 5;
  EXPECT_EQ(SplitCommandLine(line.c_str(), &arguments), 0) << line;
  EXPECT_EQ(arguments.count == 0, arguments.args == nullptr);
  Strings out(arguments.args, arguments.args + arguments.count);
  FreeArguments(arguments.count, arguments.args);
  return out;
}

struct SplitCase {
  const char* why;
  const char* line;
  Strings args;
};

const SplitCase kSplitCases[] = {
    {"empty", "", {}}, {"spaces only", "   ", {}}, {"plain words", " a b  c ", {"a", "b", "c"}},
    {"quoted path then name", "\"C:\\My Files\\a.bin\" b.bin", {"C:\\My Files\\a.bin", "b.bin"}},
    {"letter right after the closing quote", "\"abc\"d", {"abc", "d"}},
    {"two quoted words touching", "\"a b\"\"c d\"", {"a b", "c d"}}, {"empty quotes stay", "\"\"", {"\"\""}},
    {"empty quotes then a word", "\"\" x", {"\"\"", "x"}}, {"unclosed quote", "x \"word", {"x", "\"word"}},
    {"unclosed quote keeps spaces", "\"a b ", {"\"a b "}}, {"lone quote", "\"", {"\""}},
    {"tabs do not separate", "a\tb c", {"a\tb", "c"}}, {"quotes inside a word stay", "ab\"cd ef\"", {"ab\"cd", "ef\""}},
    {"quoted option", "\"/H7\" f", {"/H7", "f"}}, {"double-byte names", "\x95\x5C \x83\x5C", {"\x95\x5C", "\x83\x5C"}},
};

TEST(SplitCommandLine, Table) {
  for (const SplitCase& c : kSplitCases) EXPECT_EQ(Split(c.line), c.args) << c.why;
}

// Why: the runtime's own split takes every byte above 0x7F for a space, turning
// "ツール" (83 63 ...) into a separator and "c..." and "テスト" into "eスト".
TEST(ArgumentsAfterProgramName, ShiftJisNamesStayWhole) {
  struct Case {
    const char* line;
    const char* rest;
  } cases[] = {
      {"varnel.exe テスト表.bin", "テスト表.bin"}, {"C:\\ツール\\varnel.exe", ""},
      {"C:\\ツール\\varnel.exe テスト表.bin /H7", "テスト表.bin /H7"}, {"\"C:\\My ツール\\varnel.exe\" \"a b.bin\"", "\"a b.bin\""},
      {"\"C:\\表\\varnel.exe\"テスト.bin", "テスト.bin"}, {"varnel.exe\t \t x", "x"}, {"\"unclosed name", ""},
      {"varnel.exe", ""}, {"", ""},
  };
  for (const Case& c : cases) EXPECT_STREQ(ArgumentsAfterProgramName(c.line), c.rest) << c.line;
  EXPECT_STREQ(ArgumentsAfterProgramName(nullptr), "");
  // A lone lead byte at the very end is not read past.
  EXPECT_STREQ(ArgumentsAfterProgramName("a\x83"), "");
}

int g_allocationsLeft = 0;
void* FailingAllocate(size_t n) {
  if (g_allocationsLeft-- <= 0) return nullptr;
  return std::malloc(n);
}

TEST(SplitCommandLine, OutOfMemoryAtEveryStepFreesEverything) {
  // The array and three strings: failing any of the four allocations gives -1;
  // the leak checker sees whether the earlier ones were released.
  for (int allowed = 0; allowed < 4; ++allowed) {
    g_allocationsLeft = allowed;
    ArgumentVector arguments;
    EXPECT_EQ(SplitCommandLine("a \"b c\" d", &arguments, FailingAllocate), -1) << allowed;
    EXPECT_EQ(arguments.count, 0);
    EXPECT_EQ(arguments.args, nullptr);
  }
  g_allocationsLeft = 4;
  ArgumentVector arguments;
  ASSERT_EQ(SplitCommandLine("a \"b c\" d", &arguments, FailingAllocate), 0);
  EXPECT_EQ(arguments.count, 3);
  FreeArguments(arguments.count, arguments.args);
}

struct Parsed {
  int status = 0;
  StartupOptions options;
  AppSettings settings;
  Strings files;
};

Parsed Parse(const std::string& line) {
  Parsed p;
  ArgumentVector arguments;
  EXPECT_EQ(SplitCommandLine(line.c_str(), &arguments), 0);
  p.status = ParseOptions(arguments, &p.options, &p.settings, &p.files);
  FreeArguments(arguments.count, arguments.args);
  return p;
}

// Rows of a command line and the value it leaves in one field.
void ExpectField(const char* field, int32_t (*read)(const Parsed&),
                 std::initializer_list<std::pair<const char*, int32_t>> rows) {
  for (const auto& [line, value] : rows) {
    Parsed p = Parse(line);
    EXPECT_EQ(p.status, 0) << line;
    EXPECT_EQ(read(p), value) << field << " from " << line;
  }
}

// No value, one digit, or anything else (a fixed value); each field is first set
// to something else so that "unset" is seen being written; later options win.
TEST(ParseOptions, SingleValueOptions) {
  ExpectField("code", [](const Parsed& p) { return p.settings.code; },
              {{"/C5", 5}, {"/C5 /C", kUnset}, {"/C12", 0}, {"/Cx", 0}, {"-c3", 3}});
  ExpectField("filter", [](const Parsed& p) { return p.settings.filter; },
              {{"/F3", 3}, {"/F3 /F", kUnset}, {"/F33", 0}, {"-f9", 9}});
  ExpectField("history", [](const Parsed& p) { return p.settings.history; },
              {{"/H7", 7}, {"/H12", 4}, {"/Hx", 4}, {"/H7 /H", kUnset}, {"-h7", 7}, {"/H0", 0}, {"/H7 -h3", 3},
               {"/H\x82\x4F", 4}});  // a full-width "０" is no digit
  ExpectField("newfile", [](const Parsed& p) { return p.options.newfile; },
              {{"/N1", 1}, {"/N1 /N", kUnset}, {"/Nyes", 0}, {"-n1", 1}});
  ExpectField("registryFlags", [](const Parsed& p) { return p.options.registryFlags; },
              {{"/Q0", 0}, {"/Q", 0x7FFFFFFF}, {"/Q0 /Q2", 2}, {"/Q7", 7}, {"/Q10", 3}, {"/Q0 /Qz", 3}, {"-q1", 1}});
  ExpectField("findstat", [](const Parsed& p) { return p.settings.findstat; },
              {{"/S5", 5}, {"/Sx", 27}, {"/S5 /S", kUnset}, {"-s0", 0}});
  ExpectField("prev", [](const Parsed& p) { return p.options.prev; },
              {{"/X1", 1}, {"/X1 /X", kUnset}, {"/X11", 0}, {"-x1", 1}});
  ExpectField("zoomed", [](const Parsed& p) { return p.settings.zoomed; },
              {{"/Z1", 1}, {"/Z1 /Z", kUnset}, {"/Zz", 0}, {"-z1", 1}});
}

TEST(ParseOptions, IniOption) {
  const struct {
    std::string line, path;
    int32_t flags;
  } rows[] = {
      {"/Ibm.ini", "bm.ini", 3},
      {"/Ix/0 /I", "", 3},  // /I alone empties the path and turns INI reading back on
      {"/IC:\\cfg\\x/0", "C:\\cfg\\x", 0},
      {"/Ix/0 /Ia/", "a", 0},  // nothing after "/": the flags keep their value
      {"/Ia/5x", "a", 5}, {"/Ia/x", "a", 0}, {"/Ia/-2", "a", -2}, {"\"/Ia/ 6\"", "a", 6},
      {"/Ia/99999999999", "a", INT_MAX}, {"/Ia/-99999999999", "a", INT_MIN}, {"/I/1", "", 1}, {"/Ia/b/c", "a", 0},
      {"-ibm", "bm", 3}, {"/I" + std::string(4000, 'a') + "/0", std::string(3074, 'a'), 0},
  };
  for (const auto& r : rows) {
    Parsed p = Parse(r.line);
    EXPECT_EQ(p.status, 0) << r.line;
    EXPECT_EQ(p.options.iniPath, r.path) << r.line;
    EXPECT_EQ(p.options.iniFlags, r.flags) << r.line;
  }
}

TEST(ParseOptions, PlacementOption) {
  const int32_t U = kUnset;
  const int32_t D = kUseDefault;
  const struct {
    const char* line;
    std::vector<int32_t> placement;
  } rows[] = {
      {"/W10,20,640,480", {10, 20, 640, 480}}, {"/W10,20", {10, 20, U, U}}, {"/W/,/,640,480", {D, D, 640, 480}},
      {"/W10.20.30.40", {10, 20, 30, 40}},     {"/W1,2.3,4", {1, 2, 3, 4}},
      {"/W123456789,1", {12345678, 1, U, U}},  // only eight digits are read
      {"/W00000000009", {0, U, U, U}},         {"/W1,2,3,4,5", {1, 2, 3, 4}}, {"/W,,5", {U, U, 5, U}},
      {"/W12px,x34", {12, U, U, U}},
      {"/W-5,6", {U, 6, U, U}},  // no negative numbers
      
      {"/W/5", {D, U, U, U}},  {"/W1,2,3,4 /W", {U, U, U, U}}, {"/W1,2,3,4 /W9,,/", {9, 2, D, 4}},
      {"-w5", {5, U, U, U}},
  };
  for (const auto& r : rows) {
    Parsed p = Parse(r.line);
    EXPECT_EQ(p.status, 0) << r.line;
    EXPECT_EQ((std::vector<int32_t>{p.options.x, p.options.y, p.options.width, p.options.height}), r.placement)
        << r.line;
  }
}

TEST(ParseOptions, OtherArgumentsAreFilesInOrderAndAnUnknownLetterStops) {
  EXPECT_EQ(Parse("a.bin /H7 \"b c.bin\" \x95\x5C.dat").files, (Strings{"a.bin", "b c.bin", "\x95\x5C.dat"}));
  for (const char* line : {"/K", "-k", "/", "-", "/1", "/\x95\x5C", "a.bin /A", "/H7 /Y"}) {
    EXPECT_EQ(Parse(line).status, -1) << line;
  }
  Parsed p = Parse("/H7 /K /Z1 b.bin");  // what came before the bad option is applied
  EXPECT_EQ(p.status, -1);
  EXPECT_EQ((std::vector<int32_t>{p.settings.history, p.settings.zoomed}), (std::vector<int32_t>{7, kUnset}));
  EXPECT_TRUE(p.files.empty());
}

// The option's path completed from the program's; without a usable program path
// it stays as given, and a path that cannot be split names no file at all ("").
TEST(DeriveIniPath, FillsWhatTheOptionLeftOut) {
  const std::string tools = "D:\\tools\\edit.exe";
  const struct {
    std::string option, program, derived;
  } rows[] = {
      {"", tools, "D:\\tools\\edit.INI"}, {"bm.ini", tools, "D:\\tools\\bm.ini"},
      {"C:\\cfg\\x", tools, "C:\\cfg\\x.INI"},
      {"sub\\bm", tools, "sub\\bm.INI"},  // a directory keeps its own (relative) place
      {"C:bm.ini", tools, "C:bm.ini"}, {".cfg", tools, "D:\\tools\\edit.cfg"}, {"\\cfg\\", tools, "\\cfg\\edit.INI"},
      {"", "D:\\\x95\x5C\\edit.exe", "D:\\\x95\x5C\\edit.INI"}, {"", "edit", "edit.INI"},
      {"bm.ini", "", "bm.ini"}, {"bm.ini", std::string(3075, 'a'), "bm.ini"}, {"bm.ini", "D:\\a<b\\edit.exe", "bm.ini"},
      {"a<b", tools, ""}, {std::string(3074, 'a'), tools, ""}, {"bm\x95", tools, ""},
  };
  for (const auto& r : rows) {
    StartupOptions options;
    options.iniPath = r.option;
    DeriveIniPath(&options, r.program.c_str());
    EXPECT_EQ(options.iniPath, r.derived) << r.option << " | " << r.program.substr(0, 40);
  }
}

TEST(SplitCommandLine, RandomLinesSplitBackIntoTheArgumentsTheyWereBuiltFrom) {
  std::mt19937 rng(0x5EED0001);
  for (int run = 0; run < 4000; ++run) {
    Strings expected;
    std::string line;
    bool afterCloseQuote = false;
    for (int a = static_cast<int>(rng() % 8); a > 0; --a) {
      // A closing quote may be followed directly by the next argument.
      if (!afterCloseQuote || rng() % 2) line.append(1 + rng() % 3, ' ');
      afterCloseQuote = false;
      std::string word;
      for (unsigned k = 1 + rng() % 6; k > 0; --k) {
        auto c = static_cast<char>(1 + rng() % 255);
        if (c != ' ' && c != '"') word.push_back(c);
      }
      if (word.empty()) word = "w";
      switch (rng() % 4) {
        case 0:  // quoted, may hold spaces
          expected.push_back(word + (rng() % 2 ? " x" : ""));
          line += "\"" + expected.back() + "\"";
          afterCloseQuote = true;
          break;
        case 1:  // an empty pair stays as two quotes
          expected.push_back("\"\"");
          line += "\"\"";
          afterCloseQuote = true;
          break;
        case 2:  // quotes inside an unquoted word stay
          expected.push_back(word + "\"" + word);
          line += expected.back();
          break;
        default:
          expected.push_back(word);
          line += word;
      }
    }
    if (rng() % 4 == 0) {  // an unclosed quote takes the rest
      line += " \"" + std::string(rng() % 2 ? "a b " : "");
      expected.push_back(line.substr(line.rfind('"')));
    }
    EXPECT_EQ(Split(line), expected) << "run " << run << " line [" << line << "]";
    // Hostile bytes give non-empty pieces of the line.
    line = HostileText(rng, 6000, kFavoured);
    size_t total = 0;
    for (const std::string& a : Split(line)) {
      EXPECT_FALSE(a.empty());
      EXPECT_NE(line.find(a), std::string::npos) << "run " << run;
      total += a.size();
    }
    EXPECT_LE(total, line.size());
  }
}

TEST(ParseOptions, RandomArgumentsKeepEveryValueInItsRange) {
  std::mt19937 rng(0x5EED0003);
  static const char kLetters[] = "CFHNQSXZIWcfhnqsxziwKk1/\x95";
  for (int run = 0; run < 4000; ++run) {
    Strings args, files;
    int expectedStatus = 0;
    for (unsigned k = rng() % 6; k > 0; --k) {
      std::string a;
      if (rng() % 4 == 0) {
        a = "f" + HostileText(rng, 40, kFavoured);
      } else {
        a = rng() % 2 ? "/" : "-";
        if (rng() % 20) a.push_back(kLetters[rng() % (sizeof kLetters - 1)]);
        a += HostileText(rng, 5000, kFavoured);
      }
      bool option = a[0] == '-' || a[0] == '/';
      if (expectedStatus == 0 && !option) files.push_back(a);
      if (expectedStatus == 0 && option && (a.size() < 2 || !std::strchr("CFHNQSXZIWcfhnqsxziw", a[1]))) {
        expectedStatus = -1;
      }
      args.push_back(a);
    }
    std::vector<char*> pointers;
    for (std::string& a : args) pointers.push_back(a.data());
    StartupOptions options;
    AppSettings settings;
    Strings parsedFiles;
    ASSERT_EQ(ParseOptions({static_cast<int>(pointers.size()), pointers.data()}, &options, &settings, &parsedFiles),
              expectedStatus)
        << "run " << run;
    EXPECT_TRUE(expectedStatus != 0 || parsedFiles == files) << "run " << run;
    for (int32_t v : {options.x, options.y, options.width, options.height}) {
      EXPECT_TRUE(v == kUnset || v == kUseDefault || (v >= 0 && v <= 99999999)) << v;
    }
    for (int32_t v : {settings.code, settings.filter, settings.history, settings.findstat, settings.zoomed,
                      options.newfile, options.prev, options.registryFlags}) {
      EXPECT_TRUE(v == kUnset || (v >= 0 && v <= 27)) << v;
    }
    EXPECT_LE(options.iniPath.size(), static_cast<size_t>(kMaxTextLength));
    DeriveIniPath(&options, "D:\\tools\\edit.exe");
    EXPECT_LE(options.iniPath.size(), static_cast<size_t>(kMaxTextLength));
  }
}

}  // namespace

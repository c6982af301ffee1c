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
    {"spaces only", "   ", {}},
    {"plain words", " a b  c ", {"a", "b", "c"}},
    {"quoted path then name", "\"C:\\My Files\\a.bin\" b.bin", {"C:\\My Files\\a.bin", "b.bin"}},
    {"two quoted words touching", "\"a b\"\"c d\"", {"a b", "c d"}},
    {"empty quotes stay", "\"\" x", {"\"\"", "x"}},
    {"unclosed quote keeps spaces", "x \"a b ", {"x", "\"a b "}},
    {"tabs do not separate", "a\tb c", {"a\tb", "c"}},
    {"quotes inside a word stay", "ab\"cd ef\"", {"ab\"cd", "ef\""}},
    {"double-byte names", "\x95\x5C \x83\x5C", {"\x95\x5C", "\x83\x5C"}},
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
      {"C:\\ツール\\varnel.exe テスト表.bin /H7", "テスト表.bin /H7"},
      {"\"C:\\My ツール\\varnel.exe\" \"a b.bin\"", "\"a b.bin\""},
      {"\"C:\\表\\varnel.exe\"テスト.bin", "テスト.bin"},
      {"varnel.exe\t \t x", "x"},
      {"\"unclosed name", ""},
      {"C:\\ツール\\varnel.exe", ""},
      {"", ""},
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

// Each single-value option: a digit, no value (unset), anything else (a fixed
// value); the later option wins, case and "-" do not matter.
TEST(ParseOptions, SingleValueOptions) {
  const int32_t U = kUnset;
  const struct {
    const char* line;
    std::vector<int32_t> values;  // code, filter, history, newfile, registry flags, findstat, prev, zoomed
  } rows[] = {
      {"/C5 /F3 /H7 /N1 /Q7 /S5 /X1 /Z1", {5, 3, 7, 1, 7, 5, 1, 1}},
      {"/C5 /C /F3 /F /H7 /H /N1 /N /Q0 /Q /S5 /S /X1 /X /Z1 /Z", {U, U, U, U, 0x7FFFFFFF, U, U, U}},
      {"/C12 /F33 /H12 /Nyes /Q10 /Sx /X11 /Zz", {0, 0, 4, 0, 3, 27, 0, 0}},
      {"-c3 -f9 -h7 -n1 -q1 -s0 -x1 -z1 /H0", {3, 9, 0, 1, 1, 0, 1, 1}},
      {"/Cx /H\x82\x4F /Q0 /Qz", {0, U, 4, U, 3, U, U, U}},  // a full-width "０" is no digit
  };
  for (const auto& r : rows) {
    Parsed p = Parse(r.line);
    EXPECT_EQ(p.status, 0) << r.line;
    EXPECT_EQ((std::vector<int32_t>{p.settings.code, p.settings.filter, p.settings.history, p.options.newfile,
                                    p.options.registryFlags, p.settings.findstat, p.options.prev, p.settings.zoomed}),
              r.values)
        << r.line;
  }
}

TEST(ParseOptions, IniOption) {
  const struct {
    std::string line, path;
    int32_t flags;
  } rows[] = {
      {"/Ibm.ini", "bm.ini", 3}, {"/Ix/0 /I", "", 3},  // /I alone empties the path and turns INI reading back on
      {"/Ix/0 /Ia/", "a", 0},                          // nothing after "/": the flags keep their value
      {"/Ia/5x", "a", 5},        {"/Ia/-2", "a", -2},
      {"\"/Ia/ 6\"", "a", 6},    {"/Ia/99999999999", "a", INT_MAX},
      {"/I/1", "", 1},           {"/Ia/b/c", "a", 0},
      {"-ibm", "bm", 3},         {"/I" + std::string(4000, 'a') + "/0", std::string(3074, 'a'), 0},
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
      {"/W10,20", {10, 20, U, U}},    {"/W/,/,640,480", {D, D, 640, 480}},
      {"/W1,2.3,4,5", {1, 2, 3, 4}},  {"/W123456789,1", {12345678, 1, U, U}},  // only eight digits are read
      {"/W,,5", {U, U, 5, U}},        {"/W12px,x34", {12, U, U, U}},
      {"/W-5,6", {U, 6, U, U}},  // no negative numbers
      {"/W1,2,3,4 /W", {U, U, U, U}}, {"-w1,2,3,4 /W9,,/", {9, 2, D, 4}},
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
      {"", tools, "D:\\tools\\edit.INI"},
      {"bm.ini", tools, "D:\\tools\\bm.ini"},
      {"sub\\bm", tools, "sub\\bm.INI"},  // a directory keeps its own (relative) place
      {".cfg", tools, "D:\\tools\\edit.cfg"},
      {"\\cfg\\", tools, "\\cfg\\edit.INI"},
      {"", "D:\\\x95\x5C\\edit.exe", "D:\\\x95\x5C\\edit.INI"},
      {"bm.ini", std::string(3075, 'a'), "bm.ini"},
      {"a<b", tools, ""},
      {std::string(3074, 'a'), tools, ""},
      {"bm\x95", tools, ""},
  };
  for (const auto& r : rows) {
    StartupOptions options;
    options.iniPath = r.option;
    DeriveIniPath(&options, r.program.c_str());
    EXPECT_EQ(options.iniPath, r.derived) << r.option << " | " << r.program.substr(0, 40);
  }
}

// Hostile bytes split into pieces of the line and parse into values in their ranges.
TEST(SplitCommandLine, RandomLinesSplitIntoPiecesAndParseIntoRange) {
  std::mt19937 rng(0x5EED0001);
  for (int run = 0; run < 4000; ++run) {
    std::string line = std::string("/") + "CFHNQSXZIWcfhnqsxziw"[rng() % 20] + HostileText(rng, 6000, kFavoured);
    for (const std::string& a : Split(line)) EXPECT_NE(line.find(a), std::string::npos) << "run " << run;
    Parsed p = Parse(line);
    for (int32_t v : {p.options.x, p.options.y, p.options.width, p.options.height}) {
      EXPECT_TRUE(v == kUnset || v == kUseDefault || (v >= 0 && v <= 99999999)) << v;
    }
    for (int32_t v : {p.settings.code, p.settings.filter, p.settings.history, p.settings.findstat, p.settings.zoomed,
                      p.options.newfile, p.options.prev, p.options.registryFlags}) {
      EXPECT_TRUE(v == kUnset || (v >= 0 && v <= 27)) << v;
    }
    DeriveIniPath(&p.options, "D:\\tools\\edit.exe");
    EXPECT_LE(p.options.iniPath.size(), static_cast<size_t>(kMaxTextLength));
  }
}

}  // namespace

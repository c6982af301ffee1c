// Command line: splitting, every option form, and the INI path.
#include "app/startup/command_line.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Split(const char* line) {
  ArgumentVector arguments;
  EXPECT_EQ(SplitCommandLine(line, &arguments), 0) << line;
  std::vector<std::string> out(arguments.args, arguments.args + arguments.count);
  FreeArguments(arguments.count, arguments.args);
  return out;
}

struct SplitCase {
  const char* why;
  const char* line;
  std::vector<std::string> args;
};

const SplitCase kSplitCases[] = {
    {"empty", "", {}},
    {"spaces only", "   ", {}},
    {"plain words", " a b  c ", {"a", "b", "c"}},
    {"quoted path then name", "\"C:\\My Files\\a.bin\" b.bin", {"C:\\My Files\\a.bin", "b.bin"}},
    {"letter right after the closing quote", "\"abc\"d", {"abc", "d"}},
    {"two quoted words touching", "\"a b\"\"c d\"", {"a b", "c d"}},
    {"empty quotes stay", "\"\"", {"\"\""}},
    {"empty quotes then a word", "\"\" x", {"\"\"", "x"}},
    {"unclosed quote", "x \"word", {"x", "\"word"}},
    {"unclosed quote keeps spaces", "\"a b ", {"\"a b "}},
    {"lone quote", "\"", {"\""}},
    {"tabs do not separate", "a\tb c", {"a\tb", "c"}},
    {"quotes inside a word stay", "ab\"cd ef\"", {"ab\"cd", "ef\""}},
    {"quoted option", "\"/H7\" f", {"/H7", "f"}},
    {"double-byte names", "\x95\x5C \x83\x5C", {"\x95\x5C", "\x83\x5C"}},
};

TEST(SplitCommandLine, Table) {
  for (const SplitCase& c : kSplitCases) EXPECT_EQ(Split(c.line), c.args) << c.why;
}

TEST(SplitCommandLine, EmptyLineGivesNoArray) {
  ArgumentVector arguments;
  arguments.count = 5;
  ASSERT_EQ(SplitCommandLine("  ", &arguments), 0);
  EXPECT_EQ(arguments.count, 0);
  EXPECT_EQ(arguments.args, nullptr);
  FreeArguments(0, nullptr);
}

// Why: the runtime's own split takes every byte above 0x7F for a space, turning
// "ツール" (83 63 ...) into a separator and "c..." and "テスト" into "eスト".
TEST(ArgumentsAfterProgramName, ShiftJisNamesStayWhole) {
  struct Case {
    const char* line;
    const char* rest;
  } cases[] = {
      {"varnel.exe テスト表.bin", "テスト表.bin"},
      {"C:\\ツール\\varnel.exe", ""},
      {"C:\\ツール\\varnel.exe テスト表.bin /H7", "テスト表.bin /H7"},
      {"\"C:\\My ツール\\varnel.exe\" \"a b.bin\"", "\"a b.bin\""},
      {"\"C:\\表\\varnel.exe\"テスト.bin", "テスト.bin"},
      {"varnel.exe\t \t x", "x"},
      {"\"unclosed name", ""},
      {"varnel.exe", ""},
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
  std::vector<std::string> files;
};

Parsed Parse(const char* line) {
  Parsed p;
  ArgumentVector arguments;
  EXPECT_EQ(SplitCommandLine(line, &arguments), 0);
  p.status = ParseOptions(arguments, &p.options, &p.settings, &p.files);
  FreeArguments(arguments.count, arguments.args);
  return p;
}

// One option row: the command line and where its value lands.
struct CountCase {
  const char* line;
  int32_t expected;
};

void ExpectCounts(const char* field, int32_t (*read)(const Parsed&), std::initializer_list<CountCase> cases) {
  for (const CountCase& c : cases) {
    Parsed p = Parse(c.line);
    EXPECT_EQ(p.status, 0) << c.line;
    EXPECT_EQ(read(p), c.expected) << field << " from " << c.line;
  }
}

TEST(ParseOptions, SingleValueOptions) {
  // Each row starts from another value so that "unset" is seen being written.
  ExpectCounts("code", [](const Parsed& p) { return p.settings.code; },
               {{"/C5", 5}, {"/C5 /C", kUnset}, {"/C12", 0}, {"/Cx", 0}, {"-c3", 3}});
  ExpectCounts("filter", [](const Parsed& p) { return p.settings.filter; },
               {{"/F3", 3}, {"/F3 /F", kUnset}, {"/F33", 0}, {"-f9", 9}});
  ExpectCounts("history", [](const Parsed& p) { return p.settings.history; },
               {{"/H7", 7}, {"/H12", 4}, {"/Hx", 4}, {"/H7 /H", kUnset}, {"-h7", 7}, {"/H0", 0}});
  ExpectCounts("newfile", [](const Parsed& p) { return p.options.newfile; },
               {{"/N1", 1}, {"/N1 /N", kUnset}, {"/Nyes", 0}, {"-n1", 1}});
  ExpectCounts("registryFlags", [](const Parsed& p) { return p.options.registryFlags; },
               {{"/Q0", 0}, {"/Q", 0x7FFFFFFF}, {"/Q2", 2}, {"/Q7", 7}, {"/Q10", 3}, {"/Q0 /Qz", 3}, {"-q1", 1}});
  ExpectCounts("findstat", [](const Parsed& p) { return p.settings.findstat; },
               {{"/S5", 5}, {"/Sx", 27}, {"/S5 /S", kUnset}, {"-s0", 0}});
  ExpectCounts("prev", [](const Parsed& p) { return p.options.prev; },
               {{"/X1", 1}, {"/X1 /X", kUnset}, {"/X11", 0}, {"-x1", 1}});
  ExpectCounts("zoomed", [](const Parsed& p) { return p.settings.zoomed; },
               {{"/Z1", 1}, {"/Z1 /Z", kUnset}, {"/Zz", 0}, {"-z1", 1}});
}

TEST(ParseOptions, ADoubleByteCharacterIsNotADigit) {
  EXPECT_EQ(Parse("/H\x82\x4F").settings.history, 4);  // full-width "０"
}

TEST(ParseOptions, LaterOptionsOverrideEarlierOnes) {
  Parsed p = Parse("/H7 -h3 /Q0 /Q2");
  EXPECT_EQ(p.settings.history, 3);
  EXPECT_EQ(p.options.registryFlags, 2);
}

TEST(ParseOptions, OtherArgumentsAreFilesInOrder) {
  Parsed p = Parse("a.bin /H7 \"b c.bin\" \x95\x5C.dat");
  ASSERT_EQ(p.status, 0);
  EXPECT_EQ(p.files, (std::vector<std::string>{"a.bin", "b c.bin", "\x95\x5C.dat"}));
}

struct IniCase {
  const char* line;
  std::string path;
  int32_t flags;
};

TEST(ParseOptions, IniOption) {
  const IniCase cases[] = {
      {"/Ibm.ini", "bm.ini", 3},
      {"/Ix/0 /I", "", 3},  // /I alone empties the path and re-enables INI reading
      {"/IC:\\cfg\\x/0", "C:\\cfg\\x", 0},
      {"/Ix/0 /Ia/", "a", 0},  // nothing after "/": flags keep their value
      {"/Ia/5x", "a", 5},
      {"/Ia/x", "a", 0},
      {"/Ia/-2", "a", -2},
      {"\"/Ia/ 6\"", "a", 6},
      {"/Ia/99999999999", "a", INT_MAX},
      {"/Ia/-99999999999", "a", INT_MIN},
      {"/I/1", "", 1},
      {"/Ia/b/c", "a", 0},
      {"-ibm", "bm", 3},
  };
  for (const IniCase& c : cases) {
    Parsed p = Parse(c.line);
    EXPECT_EQ(p.status, 0) << c.line;
    EXPECT_EQ(p.options.iniPath, c.path) << c.line;
    EXPECT_EQ(p.options.iniFlags, c.flags) << c.line;
  }
}

TEST(ParseOptions, IniPathIsCutAt3074Bytes) {
  std::string line = "/I" + std::string(4000, 'a') + "/0";
  Parsed p = Parse(line.c_str());
  EXPECT_EQ(p.options.iniPath, std::string(3074, 'a'));
  EXPECT_EQ(p.options.iniFlags, 0);
}

struct PlacementCase {
  const char* line;
  int32_t x, y, width, height;
};

TEST(ParseOptions, PlacementOption) {
  const int32_t U = kUnset;
  const int32_t D = kUseDefault;
  const PlacementCase cases[] = {
      {"/W10,20,640,480", 10, 20, 640, 480},
      {"/W10,20", 10, 20, U, U},
      {"/W/,/,640,480", D, D, 640, 480},
      {"/W10.20.30.40", 10, 20, 30, 40},
      {"/W1,2.3,4", 1, 2, 3, 4},
      {"/W123456789,1", 12345678, 1, U, U},  // only eight digits are read
      {"/W00000000009", 0, U, U, U},
      {"/W1,2,3,4,5", 1, 2, 3, 4},
      {"/W,,5", U, U, 5, U},
      {"/W12px,x34", 12, U, U, U},
      {"/W-5,6", U, 6, U, U},  // no negative numbers
      {"/W/5", D, U, U, U},
      {"/W1,2,3,4 /W", U, U, U, U},
      {"/W1,2,3,4 /W9,,/", 9, 2, D, 4},
      {"-w5", 5, U, U, U},
  };
  for (const PlacementCase& c : cases) {
    Parsed p = Parse(c.line);
    EXPECT_EQ(p.status, 0) << c.line;
    EXPECT_EQ(p.options.x, c.x) << c.line;
    EXPECT_EQ(p.options.y, c.y) << c.line;
    EXPECT_EQ(p.options.width, c.width) << c.line;
    EXPECT_EQ(p.options.height, c.height) << c.line;
  }
}

TEST(ParseOptions, UnknownLettersFail) {
  for (const char* line : {"/K", "-k", "/", "-", "/1", "/\x95\x5C", "a.bin /A", "/H7 /Y"}) {
    EXPECT_EQ(Parse(line).status, -1) << line;
  }
}

TEST(ParseOptions, ParsingStopsAtTheBadOption) {
  Parsed p = Parse("/H7 /K /Z1 b.bin");
  EXPECT_EQ(p.status, -1);
  EXPECT_EQ(p.settings.history, 7);
  EXPECT_EQ(p.settings.zoomed, kUnset);
  EXPECT_TRUE(p.files.empty());
}

std::string Derived(const std::string& iniPath, const char* program) {
  StartupOptions options;
  options.iniPath = iniPath;
  DeriveIniPath(&options, program);
  return options.iniPath;
}

TEST(DeriveIniPath, FillsWhatTheOptionLeftOut) {
  const char* program = "D:\\tools\\edit.exe";
  EXPECT_EQ(Derived("", program), "D:\\tools\\edit.INI");
  EXPECT_EQ(Derived("bm.ini", program), "D:\\tools\\bm.ini");
  EXPECT_EQ(Derived("C:\\cfg\\x", program), "C:\\cfg\\x.INI");
  EXPECT_EQ(Derived("sub\\bm", program), "sub\\bm.INI");  // a directory keeps its own (relative) place
  EXPECT_EQ(Derived("C:bm.ini", program), "C:bm.ini");
  EXPECT_EQ(Derived(".cfg", program), "D:\\tools\\edit.cfg");
  EXPECT_EQ(Derived("\\cfg\\", program), "\\cfg\\edit.INI");
  EXPECT_EQ(Derived("", "D:\\\x95\x5C\\edit.exe"), "D:\\\x95\x5C\\edit.INI");
  EXPECT_EQ(Derived("", "edit"), "edit.INI");
}

TEST(DeriveIniPath, UnusableInputs) {
  // Without a usable program path the option's path stays as given.
  EXPECT_EQ(Derived("bm.ini", ""), "bm.ini");
  EXPECT_EQ(Derived("bm.ini", std::string(3075, 'a').c_str()), "bm.ini");
  EXPECT_EQ(Derived("bm.ini", "D:\\a<b\\edit.exe"), "bm.ini");
  // A path that cannot be split names no readable file: no INI file is read.
  EXPECT_EQ(Derived("a<b", "D:\\tools\\edit.exe"), "");
  EXPECT_EQ(Derived(std::string(3074, 'a'), "D:\\tools\\edit.exe"), "");
  EXPECT_EQ(Derived("bm\x95", "D:\\tools\\edit.exe"), "");
}

TEST(DeriveIniPath, ThroughTheWholeOptionParse) {
  Parsed p = Parse("/IC:\\cfg\\x/0");
  DeriveIniPath(&p.options, "D:\\tools\\edit.exe");
  EXPECT_EQ(p.options.iniPath, "C:\\cfg\\x.INI");
  EXPECT_EQ(p.options.iniFlags, 0);
  p = Parse("/Ibm.ini");
  DeriveIniPath(&p.options, "D:\\tools\\edit.exe");
  EXPECT_EQ(p.options.iniPath, "D:\\tools\\bm.ini");
}

}  // namespace

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

// The arguments after the program's own name. Why: the runtime's own split took
// every byte above 0x7F for a space, turning "ツール" (83 63 ...) into a separator
// and "c..." and "テスト" into "eスト".
TEST(SplitCommandLine, ArgumentsAfterTheProgramName) {
  const struct {
    const char* why;
    const char* line;
    Strings args;
  } rows[] = {
      {"spaces only", "p   ", {}},
      {"plain words", "p a b  c ", {"a", "b", "c"}},
      {"quoted path then name", "p \"C:\\My Files\\a.bin\" b.bin", {"C:\\My Files\\a.bin", "b.bin"}},
      {"two quoted words touching", "p \"a b\"\"c d\"", {"a b", "c d"}},
      {"empty quotes stay", "p \"\" x", {"\"\"", "x"}},
      {"unclosed quote keeps spaces", "p x \"a b ", {"x", "\"a b "}},
      {"tabs do not separate", "p a\tb c", {"a\tb", "c"}},
      {"quotes inside a word stay", "p ab\"cd ef\"", {"ab\"cd", "ef\""}},
      {"double-byte names", "p \x95\x5C \x83\x5C", {"\x95\x5C", "\x83\x5C"}},
      {"Shift-JIS program folder", "C:\\ツール\\varnel.exe テスト表.bin /H7", {"テスト表.bin", "/H7"}},
      {"quoted program name", "\"C:\\My ツール\\varnel.exe\" \"a b.bin\"", {"a b.bin"}},
      {"quoted name touching the next", "\"C:\\表\\varnel.exe\"テスト.bin", {"テスト.bin"}},
      {"tabs and spaces after the name", "varnel.exe\t \t x", {"x"}},
      {"unclosed name", "\"unclosed name", {}},
      {"name only", "C:\\ツール\\varnel.exe", {}},
      {"empty", "", {}},
      {"a lone lead byte at the very end is not read past", "a\x83", {}},
  };
  for (const auto& r : rows) EXPECT_EQ(Split(ArgumentsAfterProgramName(r.line)), r.args) << r.why;
  EXPECT_STREQ(ArgumentsAfterProgramName(nullptr), "");
}

int g_allocationsLeft = 0;
void* FailingAllocate(size_t n) {
  if (g_allocationsLeft-- <= 0) return nullptr;
  return std::malloc(n);
}

TEST(SplitCommandLine, OutOfMemoryAtEveryStepFreesEverything) {
  // The array and three strings: failing any of the four allocations gives -1;
  // the leak checker sees whether the earlier ones were released.
  for (int allowed = 0; allowed <= 4; ++allowed) {
    g_allocationsLeft = allowed;
    ArgumentVector arguments;
    EXPECT_EQ(SplitCommandLine("a \"b c\" d", &arguments, FailingAllocate), allowed < 4 ? -1 : 0) << allowed;
    EXPECT_EQ((std::pair{arguments.count, arguments.args == nullptr}), (std::pair{allowed < 4 ? 0 : 3, allowed < 4}));
    FreeArguments(arguments.count, arguments.args);
  }
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

// The options as "C5 Q0 W1,2,-,D Ia/0": each value set, in letter order (Q and I
// when not 3), "-" for unset (0x7FFFFFFF), "D" for the system's choice; then
// "error" when parsing failed.
std::string Describe(const Parsed& p) {
  auto text = [](int32_t v) { return v == kUnset ? std::string("-") : v == kUseDefault ? "D" : std::to_string(v); };
  const AppSettings& s = p.settings;
  const StartupOptions& o = p.options;
  const struct {
    char letter;
    int32_t value, unset;
  } singles[] = {{'C', s.code, kUnset},    {'F', s.filter, kUnset},   {'H', s.history, kUnset},
                 {'N', o.newfile, kUnset}, {'Q', o.registryFlags, 3}, {'S', s.findstat, kUnset},
                 {'X', o.prev, kUnset},    {'Z', s.zoomed, kUnset}};
  std::string out;
  for (const auto& f : singles) {
    if (f.value != f.unset) out += " " + std::string(1, f.letter) + text(f.value);
  }
  if (o.x != kUnset || o.y != kUnset || o.width != kUnset || o.height != kUnset) {
    out += " W" + text(o.x) + "," + text(o.y) + "," + text(o.width) + "," + text(o.height);
  }
  if (o.iniFlags != 3 || !o.iniPath.empty()) out += " I" + o.iniPath + "/" + text(o.iniFlags);
  if (p.status != 0) out += " error";
  return out.empty() ? out : out.substr(1);
}

// Each single-value option: a digit, no value (unset), anything else (a fixed
// value); the later option wins, case and "-" do not matter. /I takes a path and
// flags after "/", /W up to four numbers of at most eight digits.
TEST(ParseOptions, EveryOptionForm) {
  const struct {
    std::string line, parsed;
  } rows[] = {
      {"/C5 /F3 /H7 /N1 /Q7 /S5 /X1 /Z1", "C5 F3 H7 N1 Q7 S5 X1 Z1"},
      {"/C5 /C /F3 /F /H7 /H /N1 /N /Q0 /Q /S5 /S /X1 /X /Z1 /Z", "Q-"},
      {"/C12 /F33 /H12 /Nyes /Q0 /Q10 /Sx /X11 /Zz", "C0 F0 H4 N0 S27 X0 Z0"},
      {"-c3 -f9 -h7 -n1 -q1 -s0 -x1 -z1 /H0", "C3 F9 H0 N1 Q1 S0 X1 Z1"},
      {"/Cx /H\x82\x4F /Q0 /Qz", "C0 H4"},  // a full-width "０" is no digit
      {"/Ibm.ini", "Ibm.ini/3"},
      {"/Ix/0 /I", ""},        // /I alone empties the path and turns INI reading back on
      {"/Ix/0 /Ia/", "Ia/0"},  // nothing after "/": the flags keep their value
      {"/Ia/5x", "Ia/5"},
      {"/Ia/-2", "Ia/-2"},
      {"\"/Ia/ 6\"", "Ia/6"},
      {"/Ia/99999999999", "Ia/-"},
      {"/I/1", "I/1"},
      {"/Ia/b/c", "Ia/0"},
      {"-ibm", "Ibm/3"},
      {"/I" + std::string(4000, 'a') + "/0", "I" + std::string(3074, 'a') + "/0"},
      {"/W10,20", "W10,20,-,-"},
      {"/W/,/,640,480", "WD,D,640,480"},
      {"/W1,2.3,4,5", "W1,2,3,4"},
      {"/W123456789,1", "W12345678,1,-,-"},
      {"/W,,5", "W-,-,5,-"},
      {"/W12px,x34", "W12,-,-,-"},
      {"/W-5,6", "W-,6,-,-"},  // no negative numbers
      {"/W1,2,3,4 /W", ""},
      {"-w1,2,3,4 /W9,,/", "W9,2,D,4"},
      {"/H7 /K /Z1 b.bin", "H7 error"},  // what came before the bad option is applied
  };
  for (const auto& r : rows) EXPECT_EQ(Describe(Parse(r.line)), r.parsed) << r.line;
}

TEST(ParseOptions, OtherArgumentsAreFilesInOrderAndAnUnknownLetterStops) {
  EXPECT_EQ(Parse("a.bin /H7 \"b c.bin\" \x95\x5C.dat").files, (Strings{"a.bin", "b c.bin", "\x95\x5C.dat"}));
  for (const char* line : {"/K", "-k", "/", "-", "/1", "/\x95\x5C", "a.bin /A", "/H7 /K /Z1 b.bin"}) {
    EXPECT_EQ(Parse(line).status, -1) << line;
  }
  EXPECT_TRUE(Parse("/H7 /K /Z1 b.bin").files.empty());
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

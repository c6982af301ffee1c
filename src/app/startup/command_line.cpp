// Command line splitting, option parsing and the INI path.
#include "app/startup/command_line.h"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "core/codepage.h"
#include "core/path.h"
#include "core/text_limits.h"

namespace {

// One argument: [begin, end) is its text, next is where the scan resumes.
struct ArgumentSpan {
  size_t begin;
  size_t end;
  size_t next;
};

// The argument that starts at i, which is not a space.
ArgumentSpan ArgumentAt(const char* text, size_t i, size_t len) {
  if (text[i] == '"') {
    const void* close = std::memchr(text + i + 1, '"', len - i - 1);
    if (close == nullptr) return {i, len, len};  // unclosed: the rest, quote included
    size_t c = static_cast<size_t>(static_cast<const char*>(close) - text);
    if (c == i + 1) return {i, i + 2, i + 2};  // an empty pair stays as two quotes
    return {i + 1, c, c + 1};
  }
  const void* space = std::memchr(text + i, ' ', len - i);
  if (space == nullptr) return {i, len, len};
  size_t s = static_cast<size_t>(static_cast<const char*>(space) - text);
  return {i, s, s + 1};
}

// The single-digit form: one character, a digit, nothing after it.
bool IsSingleDigit(const char* value) { return value[0] >= '0' && value[0] <= '9' && value[1] == '\0'; }

// The options C F H N Q S X Z: no value, one digit, or anything else.
void ApplyCountOption(int32_t* target, const char* value, int32_t noValue, int32_t otherValue) {
  if (value[0] == '\0') {
    *target = noValue;
  } else if (IsSingleDigit(value)) {
    *target = value[0] - '0';
  } else {
    *target = otherValue;
  }
}

// Leading whitespace, an optional sign and the decimal digits after it, as the C
// library reads them; values beyond the int range stop at its ends.
int32_t LeadingDecimal(const char* p) {
  while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  int64_t value = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    value = value * 10 + (*p - '0');
    if (value > static_cast<int64_t>(INT32_MAX) + 1) value = static_cast<int64_t>(INT32_MAX) + 1;
  }
  if (negative) return static_cast<int32_t>(-value);
  return value > INT32_MAX ? INT32_MAX : static_cast<int32_t>(value);
}

// /I: no value empties the path and turns INI reading on; otherwise the path runs
// to the first "/", and a non-empty tail after it gives the flags.
void ApplyIniOption(StartupOptions* options, const char* value) {
  if (value[0] == '\0') {
    options->iniPath.clear();
    options->iniFlags = 3;
    return;
  }
  const char* slash = std::strchr(value, '/');
  size_t length = slash != nullptr ? static_cast<size_t>(slash - value) : std::strlen(value);
  if (length > static_cast<size_t>(kMaxTextLength)) length = kMaxTextLength;
  options->iniPath.assign(value, length);
  if (slash != nullptr && slash[1] != '\0') options->iniFlags = LeadingDecimal(slash + 1);
}

// /W: up to four fields x, y, width, height separated by "," or ".". Up to eight
// leading digits give the value; a field starting with "/" lets the system
// choose; any other field leaves its target alone.
void ApplyPlacementOption(StartupOptions* options, const char* value) {
  int32_t* targets[4] = {&options->x, &options->y, &options->width, &options->height};
  if (value[0] == '\0') {
    for (int32_t* t : targets) *t = kUnset;
    return;
  }
  const char* p = value;
  for (int32_t* target : targets) {
    int32_t number = 0;
    int digits = 0;
    while (digits < 8 && p[digits] >= '0' && p[digits] <= '9') number = number * 10 + (p[digits++] - '0');
    if (digits > 0) {
      *target = number;
    } else if (*p == '/') {
      *target = kUseDefault;
    }
    while (*p != '\0' && *p != ',' && *p != '.') ++p;
    if (*p == '\0') break;
    ++p;
  }
}

}  // namespace

const char* ArgumentsAfterProgramName(const char* commandLine) {
  if (commandLine == nullptr) return "";
  const char* p = commandLine;
  const bool quoted = *p == '"';
  if (quoted) ++p;
  while (*p != '\0') {
    unsigned char c = static_cast<unsigned char>(*p);
    if (quoted ? c == '"' : c == ' ' || c == '\t') break;
    p += IsLeadByte(c) && p[1] != '\0' ? 2 : 1;
  }
  if (quoted && *p == '"') ++p;
  while (*p == ' ' || *p == '\t') ++p;
  return p;
}

int SplitCommandLine(const char* text, ArgumentVector* out, void* (*allocate)(size_t)) {
  *out = {};
  if (text == nullptr) return 0;
  size_t len = std::strlen(text);

  size_t count = 0;
  for (size_t i = 0; i < len;) {
    if (text[i] == ' ') {
      ++i;
      continue;
    }
    i = ArgumentAt(text, i, len).next;
    ++count;
  }
  if (count == 0) return 0;
  if (count > static_cast<size_t>(INT_MAX)) return -1;

  auto** args = static_cast<char**>(allocate(count * sizeof(char*)));
  if (args == nullptr) return -1;
  int made = 0;
  for (size_t i = 0; i < len;) {
    if (text[i] == ' ') {
      ++i;
      continue;
    }
    ArgumentSpan span = ArgumentAt(text, i, len);
    size_t n = span.end - span.begin;
    auto* arg = static_cast<char*>(allocate(n + 1));
    if (arg == nullptr) {
      FreeArguments(made, args);
      return -1;
    }
    std::memcpy(arg, text + span.begin, n);
    arg[n] = '\0';
    args[made++] = arg;
    i = span.next;
  }
  out->count = made;
  out->args = args;
  return 0;
}

void FreeArguments(int count, char** args) {
  if (count == 0 && args == nullptr) return;
  for (int i = 0; i < count; ++i) std::free(args[i]);
  std::free(args);
}

int ParseOptions(const ArgumentVector& arguments, StartupOptions* options, AppSettings* settings,
                 std::vector<std::string>* files) {
  for (int k = 0; k < arguments.count; ++k) {
    const char* arg = arguments.args[k];
    if (arg[0] != '-' && arg[0] != '/') {
      files->push_back(arg);
      continue;
    }
    if (arg[1] == '\0') return -1;  // a prefix with no letter
    const char* value = arg + 2;
    switch (UpperAnsiChar(static_cast<unsigned char>(arg[1]))) {
      case 'C': ApplyCountOption(&settings->code, value, kUnset, 0); break;
      case 'F': ApplyCountOption(&settings->filter, value, kUnset, 0); break;
      case 'H': ApplyCountOption(&settings->history, value, kUnset, 4); break;
      case 'N': ApplyCountOption(&options->newfile, value, kUnset, 0); break;
      case 'Q': ApplyCountOption(&options->registryFlags, value, 0x7FFFFFFF, 3); break;
      case 'S': ApplyCountOption(&settings->findstat, value, kUnset, 27); break;
      case 'X': ApplyCountOption(&options->prev, value, kUnset, 0); break;
      case 'Z': ApplyCountOption(&settings->zoomed, value, kUnset, 0); break;
      case 'I': ApplyIniOption(options, value); break;
      case 'W': ApplyPlacementOption(options, value); break;
      default: return -1;
    }
  }
  return 0;
}

void DeriveIniPath(StartupOptions* options, const char* programPath) {
  if (programPath == nullptr) return;
  size_t n = strnlen(programPath, kTextBufferSize);
  if (n == 0 || n >= static_cast<size_t>(kTextBufferSize)) return;
  PathParts program;
  if (SplitPath(programPath, &program) != 0) return;
  PathParts ini;
  if (SplitPath(options->iniPath.c_str(), &ini) != 0) {
    options->iniPath.clear();
    return;
  }
  if (ini.drive.empty() && ini.dir.empty()) {
    ini.drive = program.drive;
    ini.dir = program.dir;
  }
  if (ini.name.empty()) ini.name = program.name;
  if (ini.ext.empty()) ini.ext = ".INI";
  JoinPath(&options->iniPath, ini);  // a failure leaves the path empty
}

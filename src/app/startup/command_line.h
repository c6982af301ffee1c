// The command line: splitting into arguments, the options, and the INI path.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <string>
#include <vector>

#include "shell/settings.h"

// A count and an owned array of owned NUL-terminated Shift-JIS strings.
struct ArgumentVector {
  int count = 0;
  char** args = nullptr;
};

// The text after the program's own name in a whole command line (what
// GetCommandLineA gives): a name starting with '"' runs to the next '"', any
// other name to the first space or tab; double-byte characters are skipped as
// units, so Shift-JIS bytes in the name or in the first argument are never taken
// for spaces. The spaces and tabs after the name are skipped too. Null gives "".
const char* ArgumentsAfterProgramName(const char* commandLine);

// Splits the text after the program name (null counts as empty) at spaces (tabs do not separate). An
// argument starting with '"' runs to the next '"' and loses both quotes; an empty
// pair stays as the two quotes; an unclosed quote keeps the rest of the text with
// the quote. Any other argument runs to the next space, quotes included. The
// strings and the array come from allocate, which must pair with free (tests
// pass a failing one). Returns 0 (an empty line gives count 0 and no array) or
// -1 with *out empty and nothing left allocated when memory runs out.
int SplitCommandLine(const char* text, ArgumentVector* out, void* (*allocate)(size_t) = std::malloc);

// Frees every string and the array; does nothing for count 0 and no array.
void FreeArguments(int count, char** args);

// Applies the options among the arguments (first character "-" or "/", letter
// in either case) in order to options and settings, and appends the other
// arguments to files. Options: C F H N Q S X Z take no value (unset, or 0x7FFFFFFF
// for Q), exactly one digit, or anything else (a fixed value); I names the INI
// file with an optional "/flags" tail; W gives up to four placement fields
// separated by "," or ".". Returns 0, or -1 on an unknown letter or a prefix
// with no letter (the caller shows "ｵﾌﾟｼｮﾝが不正です" and ends); options before
// the bad one have been applied.
int ParseOptions(const ArgumentVector& arguments, StartupOptions* options, AppSettings* settings,
                 std::vector<std::string>* files);

// Completes options->iniPath from the program's own path: an empty drive and
// directory, an empty base name and an empty extension (".INI") are taken from
// it. An empty programPath or one of 3,075 bytes or more, or one that cannot be
// split, leaves iniPath unchanged; an iniPath that cannot be split or joined
// becomes empty (no INI file is read).
void DeriveIniPath(StartupOptions* options, const char* programPath);

// The command line: splitting into arguments, the options, and the INI path.
#pragma once

#include <string>
#include <vector>

#include "app/settings.h"

// A count and an owned array of owned NUL-terminated Shift-JIS strings.
struct ArgumentVector {
  int count = 0;
  char** args = nullptr;
};

// Splits the text after the program name at spaces (tabs do not separate);
// double quotes group as described for the command line. Returns 0 (an empty
// line gives count 0 and no array) or -1 when memory runs out.
int SplitCommandLine(const char* text, ArgumentVector* out);

// Frees every string and the array; does nothing for count 0.
void FreeArguments(int count, char** args);

// Applies the options among the arguments (first character "-" or "/") in order
// to options and settings, and collects the other arguments as file names.
// Returns 0, or -1 on an unknown option letter (the caller shows
// "ｵﾌﾟｼｮﾝが不正です" and ends).
int ParseOptions(const ArgumentVector& arguments, StartupOptions* options, AppSettings* settings,
                 std::vector<std::string>* files);

// Completes options->iniPath from the program's own path: missing drive and
// directory, base name and extension (".INI") come from it. An empty or
// overlong programPath leaves iniPath unchanged.
void DeriveIniPath(StartupOptions* options, const char* programPath);

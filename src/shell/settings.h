// Process-wide settings and the start-up options that override them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// An int field holding this value was not given (command line) or not loaded yet.
inline constexpr int32_t kUnset = 0x7FFFFFFF;
// A placement field holding this value lets the system choose (CW_USEDEFAULT).
inline constexpr int32_t kUseDefault = static_cast<int32_t>(0x80000000u);

// Filled by the command-line options; read by the settings load and save.
struct StartupOptions {
  int32_t registryFlags = 3;  // bit 0 read registry, bit 1 write at exit, bit 2 create without asking
  int32_t iniFlags = 3;       // bit 0 read the INI file when the registry is not read
  std::string iniPath;        // at most 3074 bytes
  int32_t newfile = kUnset;   // 1 opens an untitled document when no file is named
  int32_t prev = kUnset;      // 1 starts a new instance even when one is running
  int32_t x = kUnset;         // frame placement
  int32_t y = kUnset;
  int32_t width = kUnset;
  int32_t height = kUnset;
};

// Named after the registry values.
struct AppSettings {
  int32_t code = kUnset;      // 0..63, radix-input dialog choices
  int32_t filter = kUnset;    // 0..65535, Open (bits 0-7) and Save As (bits 8-15) filter indexes
  int32_t findstat = kUnset;  // 0..63, find/replace option bits
  int32_t history = kUnset;   // 0..9, file-history length
  int32_t margin = kUnset;    // 1..512, printing right margin
  int32_t zoomed = kUnset;    // 0 or 1, new document windows start maximised
  std::string openpath;       // initial directory of the Open dialog
  std::string savepath;       // initial directory of the Save As dialog
  bool hasRect = false;       // "rect" was loaded
  int32_t rect[4] = {0, 0, 0, 0};  // left, top, right, bottom of the restored frame
  // Find and replace histories, most recent first, 1..128 bytes each
  // ("findnum"/"repnum" are their sizes when saved).
  std::vector<std::vector<uint8_t>> findHistory;
  std::vector<std::vector<uint8_t>> replaceHistory;
  // The stored history counts between LoadSettings and LoadHistories, which
  // reads at most that many entries and then sets them to the sizes it kept.
  int32_t findnum = 0;
  int32_t repnum = 0;
};

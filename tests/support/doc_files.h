// Files and folders for loading and saving tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, removed with the files in
// it when the object goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  // The path of name inside the folder.
  std::string File(const std::string& name) const;
  // The names of the entries in the folder, sorted.
  std::vector<std::string> Names() const;

 private:
  std::string path_;
};

// Writes bytes to a new or truncated file. Returns false on failure.
bool WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes);

// The bytes of a file; *ok (when given) tells whether it could be read.
std::vector<uint8_t> ReadWholeFile(const std::string& path, bool* ok = nullptr);

// Sets or clears the read-only state (DOS attribute, or all write bits).
void SetReadOnly(const std::string& path, bool readOnly);

// Cuts a file to size bytes while other streams may have it open.
bool TruncateFile(const std::string& path, int64_t size);

// The path separator of the platform.
char PathSeparator();

// Direct access to the program's registry key for the Windows tests: cleaning
// it, and planting or inspecting raw values behind the store's back.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

// Deletes HKEY_CURRENT_USER\Software\Halvorsk\Varnel with everything below it.
void DeleteProgramKeyTree();
bool ProgramKeyExists();

// subkey is relative to the program key ("" for the key itself); created as needed.
void PutRawValue(const std::string& subkey, const std::string& name, DWORD type, const std::vector<BYTE>& data);
void PutRawDword(const std::string& subkey, const std::string& name, DWORD value);
void PutRawString(const std::string& subkey, const std::string& name, const std::string& text);

struct RawValue {
  bool found = false;
  DWORD type = 0;
  std::vector<BYTE> data;
};
RawValue GetRawValue(const std::string& subkey, const std::string& name);

// Deletes the program key before and after each test.
class ProgramKeyTest : public ::testing::Test {
 protected:
  void SetUp() override { DeleteProgramKeyTree(); }
  void TearDown() override { DeleteProgramKeyTree(); }
};

// The legacy INI file read through GetPrivateProfile*: names without regard to
// case, texts cut to their length, numbers as the system reads them, and a
// missing file or no path reading as empty. What the settings load makes of the
// values is checked over the in-memory INI file.
#include "app/settings/ini_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "support/doc_files.h"

namespace {

TEST(IniFile, ReadsARealFileAsTheSystemDoes) {
  TempFolder folder;
  const std::string path = folder.File("varnel.ini");
  const std::string text =
      "[Varnel]\r\ncodedef=9\r\nopenpath=C:\\作業\r\nsavepath=C:\\data\r\nempty=\r\nwpos0=12x\r\n"
      "[Varnel 1]\r\n[Varnel find]\r\nfindstr00=4D 5A\r\n";
  ASSERT_TRUE(WriteWholeFile(path, {text.begin(), text.end()}));
  IniFile ini(path);
  EXPECT_EQ(ini.GetString("varnel", "OPENPATH", "-", 100), "C:\\作業");
  EXPECT_EQ(ini.GetString("Varnel", "savepath", "-", 4) + "|" + ini.GetString("Varnel", "none", "default", 3) + "|" +
                ini.GetString("Varnel", "empty", "-", 100) + "|" + ini.GetString("Varnel find", "findstr00", "-", 99),
            "C:\\d|def||4D 5A");
  EXPECT_EQ((std::vector<int32_t>{ini.GetInt("Varnel", "codedef", 5), ini.GetInt("Varnel", "wpos0", 5),
                                  ini.GetInt("Varnel", "none", 5)}),
            (std::vector<int32_t>{9, 12, 5}));
  EXPECT_TRUE(ini.HasSection("VARNEL"));
  EXPECT_FALSE(ini.HasSection("Varnel 1"));  // present but without keys
  for (const std::string& none : {folder.File("none.ini"), std::string()}) {
    IniFile missing(none);
    EXPECT_EQ(missing.GetString("Varnel", "openpath", "default", 3) + std::to_string(missing.GetInt("Varnel", "x", 5)),
              "def5")
        << none;
    EXPECT_FALSE(missing.HasSection("Varnel")) << none;
  }
}

}  // namespace

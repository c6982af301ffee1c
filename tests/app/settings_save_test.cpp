// Saving the settings: the key creation question, subkey deletion, the order
// and form of every value, and failures part way.
#include <gtest/gtest.h>

#include "app/settings/settings_io.h"
#include "support/message_recorder.h"
#include "support/settings_memory_store.h"

namespace {

const char kQuestion[] = "ﾚｼﾞｽﾄﾘに\nHKEY_CURRENT_USER\\Software\\Halvorsk\\Varnel\nを新規作成します。";

struct Saved {
  StartupOptions options;
  AppSettings settings;
  FileTypeList fileTypes;
  StructureList structures;
  FrameBounds rect = {10, 20, 650, 500};
  std::vector<std::string> fileHistory;
};

Saved SmallState() {
  Saved s;
  s.settings.code = 1;
  s.settings.filter = 2;
  s.settings.findstat = 3;
  s.settings.history = 4;
  s.settings.margin = 5;
  s.settings.zoomed = 1;
  s.settings.openpath = "C:\\in";
  s.settings.savepath = "";
  s.settings.findHistory = {{1, 2}};
  s.fileTypes.types.resize(1);
  s.fileTypes.types[0].text = "t";
  s.structures.structures.resize(1);
  s.structures.structures[0].name = "s";
  s.structures.structures[0].members.resize(1);
  s.structures.count = 1;
  s.structures.lastUsed = 0;
  s.fileHistory = {"C:\\a.bin"};
  return s;
}

int Save(MemoryRegistry& registry, const Saved& s) {
  int r = SaveSettings(registry, s.options, s.settings, s.fileTypes, s.structures, s.rect, s.fileHistory);
  EXPECT_EQ(registry.openKeys(), 0);
  return r;
}

TEST(SaveSettings, RegistryFlagVariants) {
  struct Row {
    const char* why;
    int32_t flags;
    bool keyExists;
    MessageAnswer answer;
    bool asked;
    bool written;
  } rows[] = {
      {"/Q0 touches nothing", 0, false, MessageAnswer::Ok, false, false},
      {"/Q1 reads only", 1, true, MessageAnswer::Ok, false, false},
      {"/Q2 asks and creates", 2, false, MessageAnswer::Ok, true, true},
      {"/Q3 asks; Cancel leaves the registry untouched", 3, false, MessageAnswer::Cancel, true, false},
      {"/Q3 with the key present asks nothing", 3, true, MessageAnswer::Cancel, false, true},
      {"/Q7 creates without asking", 7, false, MessageAnswer::Cancel, false, true},
      {"/Q alone sets every bit", 0x7FFFFFFF, false, MessageAnswer::Cancel, false, true},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.why);
    MemoryRegistry registry;
    if (r.keyExists) registry.SetDword("", "prev", 1);
    Saved s = SmallState();
    s.options.registryFlags = r.flags;
    MessageRecorder messages;
    messages.Answer(r.answer);
    EXPECT_EQ(Save(registry, s), 0);
    if (r.asked) {
      ASSERT_EQ(messages.messages().size(), 1u);
      EXPECT_EQ(messages.messages()[0].text, kQuestion);
      EXPECT_EQ(messages.messages()[0].buttons, MessageButtons::OkCancel);
      EXPECT_EQ(messages.messages()[0].icon, MessageIcon::Warning);
    } else {
      EXPECT_TRUE(messages.messages().empty());
    }
    EXPECT_EQ(registry.Dword("", "code") == 1, r.written);
    if (!r.keyExists) {
      EXPECT_EQ(registry.HasProgramKey(), r.written);
    }
  }
}

TEST(SaveSettings, WritesEveryValueInItsOrderAndForm) {
  MemoryRegistry registry;
  registry.Key("");
  Saved s = SmallState();
  ASSERT_EQ(Save(registry, s), 0);
  const std::vector<std::string> expected = {
      "write :code", "write :filter", "write :findnum", "write :findstat", "write :ftnum", "write :history",
      "write :imnum", "write :impos", "write :margin", "write :repnum", "write :zoomed", "write :openpath",
      "write :savepath", "write :rect", "create find", "write find:findstr00", "create replace",
      "write :history0", "write :history1", "write :history2", "write :history3", "write :history4",
      "write :history5", "write :history6", "write :history7", "write :history8", "write :history9",
      "create FILETYPE0", "write FILETYPE0:text", "write FILETYPE0:ext", "write FILETYPE0:view",
      "write FILETYPE0:logfont", "write FILETYPE0:color", "create INFOMATION0", "write INFOMATION0:text",
      "write INFOMATION0:info", "write INFOMATION0:infotext0000", "write INFOMATION0:infonum0000",
      "write INFOMATION0:infoview0000"};
  EXPECT_EQ(registry.log(), expected);

  struct Form {
    const char* path;
    const char* name;
    ValueType type;
    size_t size;
  } forms[] = {
      {"", "code", ValueType::Dword, 4},          {"", "zoomed", ValueType::Dword, 4},
      {"", "openpath", ValueType::String, 6},     {"", "savepath", ValueType::String, 1},
      {"", "rect", ValueType::Binary, 16},        {"", "history0", ValueType::String, 9},
      {"", "history9", ValueType::String, 1},     {"find", "findstr00", ValueType::Binary, 2},
      {"FILETYPE0", "logfont", ValueType::Binary, 60}, {"FILETYPE0", "color", ValueType::Binary, 1044},
      {"FILETYPE0", "view", ValueType::Dword, 4}, {"INFOMATION0", "text", ValueType::String, 2},
  };
  for (const Form& f : forms) {
    const MemoryValue* v = registry.Find(f.path, f.name);
    ASSERT_NE(v, nullptr) << f.path << ":" << f.name;
    EXPECT_EQ(v->type, f.type) << f.path << ":" << f.name;
    EXPECT_EQ(v->data.size(), f.size) << f.path << ":" << f.name;
  }
  EXPECT_EQ(registry.Find("", "rect")->data,
            (std::vector<uint8_t>{10, 0, 0, 0, 20, 0, 0, 0, 0x8A, 2, 0, 0, 0xF4, 1, 0, 0}));
  EXPECT_EQ(registry.Dword("", "findnum"), 1);
  EXPECT_EQ(registry.Dword("", "repnum"), 0);
  EXPECT_EQ(registry.Dword("", "ftnum"), 1);
  EXPECT_EQ(registry.Dword("", "imnum"), 1);
  EXPECT_EQ(registry.Text("", "history0"), "C:\\a.bin");
}

TEST(SaveSettings, DeletesEverySubkeyButKeepsTheKeysOwnValues) {
  MemoryRegistry registry;
  registry.SetDword("", "newfile", 1);
  registry.SetDword("", "prev", 1);
  registry.SetString("", "foreign", "x");
  registry.SetDword("FILETYPE7", "view", 0);  // left over from a longer list
  registry.SetDword("INFOMATION9", "info", 0);
  registry.SetDword("other\\deeper\\deepest", "x", 1);  // nested keys go too
  Saved s = SmallState();
  ASSERT_EQ(Save(registry, s), 0);
  EXPECT_FALSE(registry.HasKey("FILETYPE7"));
  EXPECT_FALSE(registry.HasKey("INFOMATION9"));
  EXPECT_FALSE(registry.HasKey("other"));
  EXPECT_EQ(registry.Dword("", "newfile"), 1);
  EXPECT_EQ(registry.Dword("", "prev"), 1);
  EXPECT_EQ(registry.Text("", "foreign"), "x");
  EXPECT_TRUE(registry.HasKey("replace"));  // recreated empty
}

TEST(SaveSettings, FileHistorySlotsZeroToNineAlwaysExist) {
  struct Row {
    const char* why;
    size_t entries;
    int lastWritten;
  } rows[] = {{"none", 0, 9}, {"three", 3, 9}, {"ten", 10, 9}, {"twelve (history 20)", 12, 11}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.why);
    MemoryRegistry registry;
    registry.SetString("", "history15", "stale");
    Saved s = SmallState();
    s.fileHistory.clear();
    for (size_t i = 0; i < r.entries; ++i) s.fileHistory.push_back("F" + std::to_string(i));
    ASSERT_EQ(Save(registry, s), 0);
    for (int i = 0; i <= r.lastWritten; ++i) {
      std::string expected = static_cast<size_t>(i) < r.entries ? "F" + std::to_string(i) : "";
      EXPECT_EQ(registry.Text("", "history" + std::to_string(i)), expected) << i;
    }
    EXPECT_EQ(registry.Find("", "history" + std::to_string(r.lastWritten + 1)), nullptr);
  }
}

TEST(SaveSettings, UnsetTemplateCountIsWrittenAsUnset) {
  MemoryRegistry registry;
  Saved s = SmallState();
  s.options.registryFlags = 7;
  s.structures = StructureList{};
  ASSERT_EQ(Save(registry, s), 0);
  EXPECT_EQ(registry.Dword("", "imnum"), 0x7FFFFFFF);
  EXPECT_EQ(registry.Dword("", "impos"), 0x7FFFFFFF);
  EXPECT_FALSE(registry.HasKey("INFOMATION0"));
}

TEST(SaveSettings, FailuresWarnStopAndKeepWhatWasWritten) {
  struct Row {
    const char* why;
    void (*inject)(MemoryRegistry&);
    const char* message;
    const char* writtenPath;  // a value written before the failure
    const char* writtenName;
    const char* notWrittenPath;  // one that would come after it
    const char* notWrittenName;
  } rows[] = {
      {"key cannot be created", [](MemoryRegistry& r) { r.failCreates.insert(""); }, "ﾚｼﾞｽﾄﾘにｷｰを作成できません",
       nullptr, nullptr, "", "code"},
      {"subkey cannot be deleted", [](MemoryRegistry& r) { r.failDeletes.insert("old"); },
       "ﾚｼﾞｽﾄﾘのｷｰを削除できません", nullptr, nullptr, "", "code"},
      {"a value cannot be written", [](MemoryRegistry& r) { r.failWrites.insert(":impos"); },
       "ﾚｼﾞｽﾄﾘに書き込みできません", "", "imnum", "", "margin"},
      {"find cannot be created", [](MemoryRegistry& r) { r.failCreates.insert("find"); },
       "ﾚｼﾞｽﾄﾘにｷｰを作成できません", "", "rect", "", "history0"},
      {"a history entry cannot be written", [](MemoryRegistry& r) { r.failWrites.insert("find:findstr00"); },
       "ﾚｼﾞｽﾄﾘに書き込みできません", "", "rect", "", "history0"},
      {"replace cannot be closed", [](MemoryRegistry& r) { r.failCloses.insert("replace"); },
       "ﾚｼﾞｽﾄﾘのｷｰをｸﾛｰｽﾞできません", "find", "findstr00", "", "history0"},
      {"a file-history slot cannot be written", [](MemoryRegistry& r) { r.failWrites.insert(":history5"); },
       "ﾚｼﾞｽﾄﾘに書き込みできません", "", "history4", "", "history6"},
      {"a file type value cannot be written", [](MemoryRegistry& r) { r.failWrites.insert("FILETYPE0:logfont"); },
       "ﾚｼﾞｽﾄﾘに書き込みできません", "FILETYPE0", "view", "FILETYPE0", "color"},
      {"a template key cannot be created", [](MemoryRegistry& r) { r.failCreates.insert("INFOMATION0"); },
       "ﾚｼﾞｽﾄﾘにｷｰを作成できません", "FILETYPE0", "color", "INFOMATION0", "text"},
      {"the program key cannot be closed", [](MemoryRegistry& r) { r.failCloses.insert(""); },
       "ﾚｼﾞｽﾄﾘのｷｰをｸﾛｰｽﾞできません", "INFOMATION0", "infoview0000", nullptr, nullptr},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.why);
    MemoryRegistry registry;
    if (std::string(r.why) != "key cannot be created") registry.SetDword("old", "x", 1);
    r.inject(registry);
    Saved s = SmallState();
    MessageRecorder messages;
    EXPECT_EQ(Save(registry, s), -1);
    // The creation question (answered OK) may come first; the failure is the last message.
    ASSERT_FALSE(messages.messages().empty());
    EXPECT_EQ(messages.messages().back().text, r.message);
    EXPECT_EQ(messages.messages().back().icon, MessageIcon::Warning);
    if (r.writtenPath) {
      EXPECT_NE(registry.Find(r.writtenPath, r.writtenName), nullptr);
    }
    if (r.notWrittenPath) {
      EXPECT_EQ(registry.Find(r.notWrittenPath, r.notWrittenName), nullptr);
    }
  }
}

}  // namespace

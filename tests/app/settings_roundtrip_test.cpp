// Whatever is saved loads back the same into fresh records (in-memory store;
// the real registry is exercised by the Windows tests).
#include <gtest/gtest.h>

#include "app/settings/settings_io.h"
#include "support/message_recorder.h"
#include "support/settings_memory_store.h"
#include "support/settings_samples.h"

namespace {

TEST(SettingsRoundTrip, RandomStatesComeBackExactly) {
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    SampleRandom random(seed);
    MemoryRegistry registry;
    MemoryIni ini;
    StartupOptions options;
    options.registryFlags = 7;
    AppSettings settings = SampleSettings(random);
    FileTypeList fileTypes;
    for (int i = random.Between(0, 5); i > 0; --i) fileTypes.types.push_back(SampleFileType(random));
    StructureList structures = SampleStructures(random, random.Between(0, 6));
    FrameBounds rect{random.Between(0, 300), random.Between(0, 300), random.Between(400, 1000),
                     random.Between(400, 700)};
    std::vector<std::string> fileHistory;
    for (int i = random.Between(0, 9); i > 0; --i) fileHistory.push_back("C:\\" + random.Text(40));
    ASSERT_EQ(SaveSettings(registry, options, settings, fileTypes, structures, rect, fileHistory), 0);

    StartupOptions loadedOptions;
    AppSettings loaded;
    FileTypeList loadedTypes;
    StructureList loadedStructures;
    SettingsEnvironment environment;
    environment.screenWidth = 1024;
    environment.screenHeight = 768;
    ASSERT_EQ(LoadSettings(registry, ini, environment, loadedOptions, loaded, loadedTypes, loadedStructures), 0);
    ASSERT_EQ(LoadHistories(registry, ini, loadedOptions, loaded), 0);

    EXPECT_EQ(loaded.code, settings.code);
    EXPECT_EQ(loaded.filter, settings.filter);
    EXPECT_EQ(loaded.findstat, settings.findstat);
    EXPECT_EQ(loaded.margin, settings.margin);
    EXPECT_EQ(loaded.zoomed, settings.zoomed);
    EXPECT_EQ(loaded.openpath, settings.openpath);
    EXPECT_EQ(loaded.savepath, settings.savepath);
    EXPECT_EQ(loaded.findHistory, settings.findHistory);
    EXPECT_EQ(loaded.replaceHistory, settings.replaceHistory);
    for (size_t i = 0; i < 10; ++i) {
      EXPECT_EQ(registry.Text("", "history" + std::to_string(i)), i < fileHistory.size() ? fileHistory[i] : "");
    }
    EXPECT_EQ(loadedOptions.x, rect.left);
    EXPECT_EQ(loadedOptions.y, rect.top);
    EXPECT_EQ(loadedOptions.width, rect.right - rect.left);
    EXPECT_EQ(loadedOptions.height, rect.bottom - rect.top);
    ExpectSameFileTypes(fileTypes, loadedTypes);
    ExpectSameStructures(structures, loadedStructures);
    EXPECT_EQ(registry.openKeys(), 0);
  }
}

TEST(SettingsRoundTrip, ALongerListSavedEarlierLeavesNothingBehind) {
  // Why: the second save has fewer file types and templates; the keys of the
  // first must not come back.
  SampleRandom random(99);
  MemoryRegistry registry;
  MemoryIni ini;
  StartupOptions options;
  options.registryFlags = 7;
  AppSettings settings = SampleSettings(random);
  FileTypeList many;
  for (int i = 0; i < 5; ++i) many.types.push_back(SampleFileType(random));
  StructureList structures = SampleStructures(random, 5);
  ASSERT_EQ(SaveSettings(registry, options, settings, many, structures, {}, {}), 0);
  FileTypeList few;
  few.types.push_back(many.types[3]);
  StructureList fewer = SampleStructures(random, 2);
  ASSERT_EQ(SaveSettings(registry, options, settings, few, fewer, {}, {}), 0);
  EXPECT_FALSE(registry.HasKey("FILETYPE1"));
  EXPECT_FALSE(registry.HasKey("INFOMATION2"));

  StartupOptions loadedOptions;
  AppSettings loaded;
  FileTypeList loadedTypes;
  StructureList loadedStructures;
  ASSERT_EQ(LoadSettings(registry, ini, SettingsEnvironment{}, loadedOptions, loaded, loadedTypes, loadedStructures), 0);
  ExpectSameFileTypes(few, loadedTypes);
  ExpectSameStructures(fewer, loadedStructures);
}

}  // namespace

#include "platform/key_file_settings.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/temp_dir.h"

namespace tarravelle {
namespace {

TEST(KeyFileSettings, ReadsTheKeyOfTheApplicationSectionGroup) {
  test::TempDir dir;
  const auto path = dir.Write("settings.ini",
                              "[/opt/tarravelle\\HP]\nHP=www.example.org\n"
                              "[/opt/other\\HP]\nHP=other.example\n"
                              "[/opt/tarravelle\\Other]\nHP=wrong.example\n");
  KeyFileSettings store(path);
  EXPECT_EQ(store.GetSetting("/opt/tarravelle", "HP", "HP"), "www.example.org");
  EXPECT_EQ(store.GetSetting("/opt/other", "HP", "HP"), "other.example");
  EXPECT_EQ(store.GetSetting("/opt/tarravelle", "Other", "HP"), "wrong.example");
}

TEST(KeyFileSettings, MissingFileGroupOrKeyGivesEmptyText) {
  test::TempDir dir;
  EXPECT_EQ(KeyFileSettings(dir.File("absent.ini")).GetSetting("/a", "HP", "HP"), "");
  const auto path = dir.Write("settings.ini", "[/a\\HP]\nOther=1\n");
  KeyFileSettings store(path);
  EXPECT_EQ(store.GetSetting("/a", "HP", "HP"), "");
  EXPECT_EQ(store.GetSetting("/b", "HP", "HP"), "");
}

TEST(KeyFileSettings, MalformedOrUnreadableFileGivesEmptyTextAndSaysWhy) {
  test::TempDir dir;
  const std::string good = dir.Write("good.ini", "[/a\\HP]\nHP=x\n");
  EXPECT_EQ(KeyFileSettings(good).Problem(), "");
  EXPECT_EQ(KeyFileSettings(dir.File("missing.ini")).Problem(), "");
  // Malformed, binary, and a folder where the file should be.
  for (const std::string& path :
       {dir.Write("bad.ini", "HP=no group\n[broken\n"),
        dir.Write("binary.ini", std::string("\xff\xfe\0[", 4)), dir.Path()}) {
    SCOPED_TRACE(path);
    const KeyFileSettings store(path);
    EXPECT_EQ(store.GetSetting("/a", "HP", "HP"), "");
    const std::string problem = store.Problem();
    EXPECT_FALSE(problem.empty());
    // Shown on the start page and the status line: the file's bytes are escaped, not shown raw.
    EXPECT_TRUE(g_utf8_validate(problem.data(), static_cast<gssize>(problem.size()), nullptr));
    EXPECT_TRUE(std::ranges::none_of(problem, [](unsigned char c) { return c < 0x20; }));
  }
  const std::string garbage = dir.Write("garbage.ini", "\x01\x02\xff\xfe\x7f junk\n");
  EXPECT_NE(KeyFileSettings(garbage).Problem().find("\\x01\\x02"), std::string::npos)
      << KeyFileSettings(garbage).Problem();
  EXPECT_EQ(KeyFileSettings(dir.Path()).Problem(), "not a regular file");
}

TEST(KeyFileSettings, ReadsOutsideChangesOnEveryCall) {
  test::TempDir dir;
  KeyFileSettings store(dir.File("settings.ini"));
  EXPECT_EQ(store.GetSetting("/a", "HP", "HP"), "");
  dir.Write("settings.ini", "[/a\\HP]\nHP=later.example\n");
  EXPECT_EQ(store.GetSetting("/a", "HP", "HP"), "later.example");
}

}  // namespace
}  // namespace tarravelle

#include "favorites/list_file.h"

#include <glib.h>
#include <glib/gstdio.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "support/temp_dir.h"

namespace tarravelle {
namespace {

using Items = std::vector<std::string>;

std::string Contents(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(LoadListFromFile, MissingFileLeavesTheListUntouched) {
  test::TempDir dir;
  Items list{"kept"};
  EXPECT_FALSE(LoadListFromFile(list, dir.File("fav.Dat"), true));
  EXPECT_EQ(list, Items{"kept"});
}

TEST(LoadListFromFile, ReadsOneItemPerLineWhateverTheLineEnds) {
  test::TempDir dir;
  Items list{"old"};
  ASSERT_TRUE(LoadListFromFile(list, dir.Write("empty", ""), true));
  EXPECT_TRUE(list.empty());

  ASSERT_TRUE(LoadListFromFile(list, dir.Write("a", "one\r\n\r\nthree\r\nlast"), true));
  EXPECT_EQ(list, (Items{"one", "", "three", "last"}));
  ASSERT_TRUE(LoadListFromFile(list, dir.Write("b", "unix\nmac\rboth\r\n"), true));
  EXPECT_EQ(list, (Items{"unix", "mac", "both"}));
  ASSERT_TRUE(LoadListFromFile(list, dir.Write("c", "\r\n"), false));
  EXPECT_EQ(list, (Items{"unix", "mac", "both", ""}));
  // LF CR, as some old editors end lines, is one line end, not a blank item between two.
  ASSERT_TRUE(LoadListFromFile(list, dir.Write("d", "lf\n\rcr\n\r"), true));
  EXPECT_EQ(list, (Items{"lf", "cr"}));
}

TEST(LoadListFromFile, CommasQuotesAndBlanksStayInOneItem) {
  test::TempDir dir;
  Items list;
  ASSERT_TRUE(LoadListFromFile(list, dir.Write("f", "a, \"quoted\", b\r\n  spaced  \r\n"), true));
  EXPECT_EQ(list, (Items{"a, \"quoted\", b", "  spaced  "}));
}

TEST(LoadListFromFile, OlderFilesInWindows1252AreConverted) {
  test::TempDir dir;
  Items list;
  ASSERT_TRUE(LoadListFromFile(list, dir.Write("f", "caf\xe9.example\r\n\x80 \x99\r\n"), true));
  EXPECT_EQ(list, (Items{"café.example", "€ ™"}));
  ASSERT_TRUE(LoadListFromFile(list, dir.Write("g", "café.example\r\n"), true));
  EXPECT_EQ(list, Items{"café.example"});
  EXPECT_EQ(Windows1252ToUtf8("\x81\x9f\xff"), "\u0081\u0178\u00ff");
}

TEST(SaveListToFile, WritesCrLfUtf8AndRoundTrips) {
  test::TempDir dir;
  const Items items{"www.example.org", "", "a, \"b\"", "Straße", "www.example.org"};
  ASSERT_EQ(SaveListToFile(items, dir.File("fav.Dat")), std::nullopt);
  EXPECT_EQ(Contents(dir.File("fav.Dat")),
            "www.example.org\r\n\r\na, \"b\"\r\nStraße\r\nwww.example.org\r\n");
  // A list the program creates is the person's own to read.
  GStatBuf info;
  ASSERT_EQ(g_stat(dir.File("fav.Dat").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  Items loaded;
  ASSERT_TRUE(LoadListFromFile(loaded, dir.File("fav.Dat"), true));
  EXPECT_EQ(loaded, items);
}

TEST(SaveListToFile, EmptyListEmptiesAnExistingFileButCreatesNone) {
  test::TempDir dir;
  EXPECT_EQ(SaveListToFile({}, dir.File("fav.Dat")), std::nullopt);
  EXPECT_NE(access(dir.File("fav.Dat").c_str(), F_OK), 0);
  dir.Write("fav.Dat", "removed\r\n");
  EXPECT_EQ(SaveListToFile({}, dir.File("fav.Dat")), std::nullopt);
  EXPECT_EQ(Contents(dir.File("fav.Dat")), "");
}

TEST(SaveListToFile, FailedWriteReportsWhyAndLeavesTheOldFile) {
  if (geteuid() == 0) {
    // root writes into read-only folders; a missing folder fails for everyone.
    test::TempDir dir;
    const auto reason = SaveListToFile({"x"}, dir.File("no/such/folder/fav.Dat"));
    ASSERT_TRUE(reason.has_value());
    EXPECT_FALSE(reason->empty());
    return;
  }
  test::TempDir dir;
  dir.Write("fav.Dat", "old\r\n");
  chmod(dir.Path().c_str(), 0500);
  const auto reason = SaveListToFile({"new"}, dir.File("fav.Dat"));
  chmod(dir.Path().c_str(), 0700);
  ASSERT_TRUE(reason.has_value());
  EXPECT_EQ(Contents(dir.File("fav.Dat")), "old\r\n");
}

TEST(SaveListToFile, AFileInTheWayOfTheFolderFailsWithoutTouchingIt) {
  test::TempDir dir;
  dir.Write("notafolder", "keep");
  EXPECT_TRUE(SaveListToFile({"x"}, dir.File("notafolder/fav.Dat")).has_value());
  EXPECT_EQ(Contents(dir.File("notafolder")), "keep");
}

TEST(LoadListFromFile, EachLineIsDecodedOnItsOwnAndABinaryFileIsNoList) {
  test::TempDir dir;
  std::vector<std::string> list;
  ASSERT_TRUE(LoadListFromFile(list, dir.Write("mixed", "caf\xc3\xa9\r\ncaf\xe9\r\n"), true));
  EXPECT_EQ(list, (std::vector<std::string>{"caf\xc3\xa9", "caf\xc3\xa9"}));

  std::string binary(65536, '\0');
  for (size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>((i * 7919) % 251 + 1);
  for (const std::string& content : {std::string("a\0b\r\n", 5), binary}) {
    std::string why;
    list = {"kept"};
    EXPECT_FALSE(LoadListFromFile(list, dir.Write("binary", content), true, &why));
    EXPECT_EQ(why, "it is not a text file");
    EXPECT_EQ(list, std::vector<std::string>{"kept"});
  }
}

// Lines the person did not change go back with the bytes they were read with, whatever their
// decoding shows; the list's own line ends are CR LF.
TEST(SaveListLines, ItemsReadFromTheFileKeepTheirBytes) {
  const std::string lines[] = {
      "plain.example",
      "caf\xc3\xa9\xe2\x80\xa6ni\xc3\xb1o\xff",  // UTF-8 with one bad byte
      "caf\xe9 \x80 \x99",                       // Windows-1252
      "\t tabbed and spaced \t",
  };
  test::TempDir dir;
  std::string file;
  for (const auto& line : lines) file += line + "\r\n";
  ListLines read;
  ASSERT_TRUE(LoadListLines(read, dir.Write("fav.Dat", file)));
  std::vector<std::optional<std::string>> bytes(read.bytes.begin(), read.bytes.end());
  auto text = read.text;
  text.push_back("added.example");
  bytes.emplace_back();
  ASSERT_EQ(SaveListLines(text, bytes, dir.File("fav.Dat")), std::nullopt);
  EXPECT_EQ(Contents(dir.File("fav.Dat")), file + "added.example\r\n");
}

TEST(SaveListToFile, KeepsALinkItsTargetsModeAndRemovesOnlyItsOwnTemporaries) {
  test::TempDir dir;
  const std::string target = dir.Write("real.Dat", "old\r\n");
  ASSERT_EQ(chmod(target.c_str(), 0600), 0);
  ASSERT_EQ(symlink("real.Dat", dir.File("fav.Dat").c_str()), 0);
  dir.Write(".real.Dat.tarravelle-save-AbC123", "left by a save that was killed");
  // The person's own files beside it, whatever they are named.
  for (const char* name : {"real.Dat.backup", "real.Dat.2024v1", "real.Dat.AbC123"}) {
    dir.Write(name, "someone else's");
  }
  ASSERT_EQ(SaveListToFile({"new"}, dir.File("fav.Dat")), std::nullopt);
  EXPECT_TRUE(g_file_test(dir.File("fav.Dat").c_str(), G_FILE_TEST_IS_SYMLINK));
  EXPECT_EQ(Contents(target), "new\r\n");
  struct stat info {};
  ASSERT_EQ(stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0600u);
  EXPECT_FALSE(
      g_file_test(dir.File(".real.Dat.tarravelle-save-AbC123").c_str(), G_FILE_TEST_EXISTS));
  for (const char* name : {"real.Dat.backup", "real.Dat.2024v1", "real.Dat.AbC123"}) {
    EXPECT_EQ(Contents(dir.File(name)), "someone else's") << name;
  }
  // Nothing else is left beside it.
  GDir* folder = g_dir_open(dir.Path().c_str(), 0, nullptr);
  int entries = 0;
  while (g_dir_read_name(folder)) ++entries;
  g_dir_close(folder);
  EXPECT_EQ(entries, 5);
}

}  // namespace
}  // namespace tarravelle

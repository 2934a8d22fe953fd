#include "favorites/list_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "favorites/item_id.h"
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

TEST(ItemIds, MeasureItemsAndLists) {
  const std::uint8_t one[] = {20, 0,  1,  2,  3,  4,  5,  6,  7,  8, 9,
                              10, 11, 12, 13, 14, 15, 16, 17, 18, 0, 0};
  EXPECT_EQ(ItemIdSize(one), 20);
  EXPECT_EQ(NextItemId(one), one + 20);
  EXPECT_EQ(ItemIdListSize(one), 22);

  const std::uint8_t terminator[] = {0, 0};
  EXPECT_EQ(ItemIdListSize(terminator), 2);
  EXPECT_EQ(NextItemId(terminator), nullptr);

  EXPECT_EQ(ItemIdSize(nullptr), 0);
  EXPECT_EQ(NextItemId(nullptr), nullptr);
  EXPECT_EQ(ItemIdListSize(nullptr), 0);

  const std::uint8_t wide[] = {0x02, 0x01, 0};  // a count of 258, little-endian
  EXPECT_EQ(ItemIdSize(wide), 258);
}

TEST(ItemIds, ListsPastTheSixteenBitLimitMeasureZero) {
  // Items of 1000 bytes: 32 of them and the terminator make 32,002 bytes; 33 make 33,002.
  auto make = [](int items) {
    std::vector<std::uint8_t> list(static_cast<size_t>(items) * 1000 + 2, 0);
    for (int i = 0; i < items; ++i) {
      list[static_cast<size_t>(i) * 1000] = 1000 & 0xFF;
      list[static_cast<size_t>(i) * 1000 + 1] = 1000 >> 8;
    }
    return list;
  };
  EXPECT_EQ(ItemIdListSize(make(32).data()), 32002);
  EXPECT_EQ(ItemIdListSize(make(33).data()), 0);
  // 32,765 bytes of items and the terminator: exactly the largest size.
  std::vector<std::uint8_t> largest(32767, 0);
  largest[0] = 32765 & 0xFF;
  largest[1] = 32765 >> 8;
  EXPECT_EQ(ItemIdListSize(largest.data()), 32767);
  largest[0] = 32766 & 0xFF;
  std::vector<std::uint8_t> tooLarge(32770, 0);
  tooLarge[0] = 32766 & 0xFF;
  tooLarge[1] = 32766 >> 8;
  EXPECT_EQ(ItemIdListSize(tooLarge.data()), 0);
}

}  // namespace
}  // namespace tarravelle

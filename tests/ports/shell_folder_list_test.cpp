#include "ports/shell_folder_list.h"

#include <gtest/gtest.h>

namespace tarravelle {
namespace {

TEST(ShellFolderList, NamesItsFolderAndRejectsOtherLists) {
  const auto bytes = EncodeShellFolder({"history", "/data/history.sqlite"});
  ASSERT_GE(bytes.size(), 4u);
  EXPECT_EQ(bytes[bytes.size() - 1], 0);
  EXPECT_EQ(bytes[bytes.size() - 2], 0);
  EXPECT_EQ(static_cast<size_t>(bytes[0] | (bytes[1] << 8)), bytes.size() - 2);
  const auto folder = DecodeShellFolder(bytes);
  ASSERT_TRUE(folder.has_value());
  EXPECT_EQ(folder->kind, "history");
  EXPECT_EQ(folder->path, "/data/history.sqlite");

  EXPECT_EQ(DecodeShellFolder({}), std::nullopt);
  EXPECT_EQ(DecodeShellFolder({0, 0}), std::nullopt);
  EXPECT_EQ(DecodeShellFolder({200, 0, 1, 2, 0, 0}), std::nullopt);  // count past the end
  EXPECT_EQ(DecodeShellFolder({6, 0, 'a', 'b', 'c', 'd', 0, 0}), std::nullopt);
}

}  // namespace
}  // namespace tarravelle

#include "favorites/item_id.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace tarravelle {
namespace {

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

#include "favorites/item_id.h"

namespace tarravelle {
namespace {
constexpr int kLargestSize = 32767;
}

int ItemIdSize(const std::uint8_t* item) {
  if (!item) return 0;
  return item[0] | (item[1] << 8);
}

const std::uint8_t* NextItemId(const std::uint8_t* item) {
  const int size = ItemIdSize(item);
  return size == 0 ? nullptr : item + size;
}

int ItemIdListSize(const std::uint8_t* list) {
  if (!list) return 0;
  int total = 0;
  for (const std::uint8_t* item = list; item; item = NextItemId(item)) {
    total += ItemIdSize(item);
    // Checked on every step, so a malformed list is never walked far past the limit.
    if (total + 2 > kLargestSize) return 0;
  }
  return total + 2;
}

}  // namespace tarravelle

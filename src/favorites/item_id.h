#pragma once

#include <cstdint>

namespace tarravelle {

// A shell item-id list is a run of items, each starting with its 16-bit little-endian byte count
// (the count's own two bytes included); an item whose count is 0 ends the list. Sizes are
// 16-bit signed numbers, so the largest list is 32,767 bytes.

// The count stored at `item`; 0 for none.
int ItemIdSize(const std::uint8_t* item);
// The item after `item`; none when `item` is none or its count is 0.
const std::uint8_t* NextItemId(const std::uint8_t* item);
// The size of the whole list, terminator included; 0 for none or when it exceeds 32,767 bytes.
int ItemIdListSize(const std::uint8_t* list);

}  // namespace tarravelle

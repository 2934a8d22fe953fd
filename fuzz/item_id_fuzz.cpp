// Any bytes as an item-id list: measured without reading past it (the list is copied into a
// buffer of its own size, with a zero count after it so a walk can end), and decoded safely.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "favorites/item_id.h"
#include "ports/shell_folder_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> list(data, data + size);
  tarravelle::DecodeShellFolder(list);
  list.push_back(0);
  list.push_back(0);
  // A walk may only follow counts that stay inside the buffer; the fuzzer's sanitizer sees any
  // read past it.
  std::size_t offset = 0;
  while (offset + 2 <= list.size()) {
    const int count = tarravelle::ItemIdSize(list.data() + offset);
    if (count == 0) break;
    if (count < 2 || offset + static_cast<std::size_t>(count) + 2 > list.size()) return 0;
    offset += static_cast<std::size_t>(count);
  }
  const int total = tarravelle::ItemIdListSize(list.data());
  if (total < 0 || total > 32767) std::abort();
  return 0;
}

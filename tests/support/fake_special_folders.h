#pragma once

#include <map>
#include <vector>

#include "ports/special_folders.h"

namespace tarravelle::test {

// Special folders answered from a table; a folder not in it is not found.
class FakeSpecialFolders : public SpecialFolders {
 public:
  std::optional<ItemIdList> GetSpecialFolderLocation(int folder) override {
    asked.push_back(folder);
    auto found = lists.find(folder);
    if (found == lists.end()) return std::nullopt;
    return ItemIdList(found->second);
  }

  std::map<int, std::vector<std::uint8_t>> lists;
  std::vector<int> asked;
};

}  // namespace tarravelle::test

#include "platform/file_filter.h"

namespace tarravelle {
namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (true) {
    const size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

}  // namespace

std::vector<FileFilter> ParseFilterText(const std::string& text) {
  std::vector<FileFilter> filters;
  const auto parts = Split(text, '|');
  for (size_t i = 0; i + 1 < parts.size(); i += 2) {
    FileFilter filter{parts[i], {}};
    for (auto& pattern : Split(parts[i + 1], ';')) {
      if (!pattern.empty()) filter.patterns.push_back(pattern);
    }
    if (!filter.patterns.empty()) filters.push_back(std::move(filter));
  }
  return filters;
}

}  // namespace tarravelle

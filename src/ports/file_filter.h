#pragma once

#include <string>
#include <vector>

namespace tarravelle {

// The filters of the open-file chooser are written as one text, "description|pattern|...", as
// the program's callers give them; this is that format taken apart.
struct FileFilter {
  std::string description;
  std::vector<std::string> patterns;  // "*.mp3"; several are separated by ";" in the text
};

// "MP3 Files|*.mp3|MPEG Files|*.mpeg" taken apart into its filters, in order. A description
// without a pattern is left out.
inline std::vector<FileFilter> ParseFilterText(const std::string& text) {
  const auto split = [](const std::string& whole, char separator) {
    std::vector<std::string> parts;
    for (size_t start = 0;;) {
      const size_t end = whole.find(separator, start);
      parts.push_back(whole.substr(start, end - start));
      if (end == std::string::npos) return parts;
      start = end + 1;
    }
  };
  std::vector<FileFilter> filters;
  const auto parts = split(text, '|');
  for (size_t i = 0; i + 1 < parts.size(); i += 2) {
    FileFilter filter{parts[i], {}};
    for (auto& pattern : split(parts[i + 1], ';')) {
      if (!pattern.empty()) filter.patterns.push_back(pattern);
    }
    if (!filter.patterns.empty()) filters.push_back(std::move(filter));
  }
  return filters;
}

}  // namespace tarravelle

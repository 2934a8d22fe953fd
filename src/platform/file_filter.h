#pragma once

#include <string>
#include <vector>

namespace tarravelle {

struct FileFilter {
  std::string description;
  std::vector<std::string> patterns;  // "*.mp3"; several are separated by ";" in the text
};

// "MP3 Files|*.mp3|MPEG Files|*.mpeg" taken apart into its filters, in order. A description
// without a pattern is left out.
std::vector<FileFilter> ParseFilterText(const std::string& text);

}  // namespace tarravelle

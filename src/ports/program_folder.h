#pragma once

#include <string>

namespace tarravelle {

// The folder that holds the running program file, without a trailing separator.
class ProgramFolder {
 public:
  explicit ProgramFolder(std::string path) : path_(std::move(path)) {
    while (path_.size() > 1 && path_.back() == '/') path_.pop_back();
  }

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace tarravelle

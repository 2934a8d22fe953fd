#pragma once

#include <string>

namespace tarravelle {

// The folder that holds the running program file, without a trailing separator.
class ProgramFolder {
 public:
  explicit ProgramFolder(std::string path);

  // The folder of /proc/self/exe; the working folder if that cannot be read.
  static ProgramFolder OfRunningProgram();

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace tarravelle

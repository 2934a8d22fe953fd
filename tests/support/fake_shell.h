#pragma once

#include <string>
#include <utility>
#include <vector>

#include "ports/shell.h"

namespace tarravelle::test {

// A shell that records every command line and style and answers `result`.
class FakeShell : public Shell {
 public:
  ShellResult Start(const std::string& commandLine, WindowStyle style) override {
    started.emplace_back(commandLine, style);
    return result;
  }

  std::vector<std::pair<std::string, WindowStyle>> started;
  ShellResult result{true, {}};
};

}  // namespace tarravelle::test

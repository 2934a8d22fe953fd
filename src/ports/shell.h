#pragma once

#include <string>

namespace tarravelle {

enum class WindowStyle {
  Hidden = 0,
  NormalFocus = 1,
  MinimizedFocus = 2,
  MaximizedFocus = 3,
  NormalNoFocus = 4
};

// Whether a program was started, and why not when it was not.
struct ShellResult {
  bool started = false;
  std::string why;
};

// Starts outside programs from a command line: the program first, its arguments after a blank.
// Nothing waits for the program.
class Shell {
 public:
  virtual ~Shell() = default;
  virtual ShellResult Start(const std::string& commandLine, WindowStyle style) = 0;
};

}  // namespace tarravelle

#pragma once

#include <string>

namespace tarravelle {

enum class WindowStyle { Hidden, NormalFocus, MinimizedFocus, MaximizedFocus, NormalNoFocus };

// Starts outside programs from a command line. Returns false when nothing could be started.
class Shell {
 public:
  virtual ~Shell() = default;
  virtual bool Start(const std::string& commandLine, WindowStyle style) = 0;
};

}  // namespace tarravelle

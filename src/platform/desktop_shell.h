#pragma once

#include <string>
#include <vector>

#include "ports/shell.h"

namespace tarravelle {

// The program's command lines on this desktop, through GIO's registry of applications:
// - the mail and news program: the default handler of mailto: links, or else an application of
//   the Email category;
// - the address book: an application of the ContactManagement category;
// - the Internet options: the first installed of the desktop's network and proxy settings;
// - "explorer mailto:...": the mailto: address opened with its default handler.
// A normal window is started with the display's launch context (it comes to the front); a
// minimised one without it, which is as near as a Linux desktop comes to starting a program
// that does not take the window over.
class DesktopShell : public Shell {
 public:
  // Desktop file ids of the network settings, in order of preference.
  static std::vector<std::string> DefaultNetworkSettings();

  explicit DesktopShell(std::vector<std::string> networkSettings = DefaultNetworkSettings());

  ShellResult Start(const std::string& commandLine, WindowStyle style) override;

 private:
  std::vector<std::string> networkSettings_;
};

}  // namespace tarravelle

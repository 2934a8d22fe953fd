#pragma once

#include <string>

namespace tarravelle {

// A notice that outlasts the status line: the desktop's notifications, which the person can read
// later. `folder`, when given, is offered to be opened.
struct Notice {
  std::string id;  // a later notice with the same id replaces this one
  std::string title;
  std::string body;
  std::string folder = {};
};

class Notifications {
 public:
  virtual ~Notifications() = default;
  virtual void Send(const Notice& notice) = 0;
};

}  // namespace tarravelle

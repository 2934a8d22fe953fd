#pragma once

#include <cstdint>
#include <string>

#include "ports/browsing_history.h"

namespace tarravelle {

// Records each completed top-level load of a web or file page in the browsing history, and the
// page's title when it comes after the load.
class VisitRecorder {
 public:
  // None keeps no history.
  explicit VisitRecorder(BrowsingHistory* history) : history_(history) {}

  void Started() {
    failed_ = false;
    lastVisit_ = 0;
  }
  void Failed() { failed_ = true; }
  void Finished(const std::string& uri, const char* title);
  void TitleChanged(const char* title);

 private:
  BrowsingHistory* history_;
  std::int64_t lastVisit_ = 0;
  bool failed_ = false;
};

}  // namespace tarravelle

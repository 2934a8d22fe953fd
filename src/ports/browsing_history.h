#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarravelle {

// One visit to a page.
struct Visit {
  std::string url;
  std::string title;
  std::int64_t time = 0;  // seconds since 1970, UTC
};

// The browsing history: completed top-level page loads. A history that cannot be kept stays
// empty; browsing goes on.
class BrowsingHistory {
 public:
  virtual ~BrowsingHistory() = default;
  // Records a visit; returns its id, or 0 when it could not be recorded.
  virtual std::int64_t Record(const std::string& url, const std::string& title,
                              std::int64_t time) = 0;
  // The page's title often arrives after the load has finished.
  virtual void UpdateTitle(std::int64_t id, const std::string& title) = 0;
  // The newest visits first, at most `limit`.
  virtual std::vector<Visit> Recent(int limit) const = 0;
};

}  // namespace tarravelle

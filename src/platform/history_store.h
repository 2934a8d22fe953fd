#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct sqlite3;

namespace tarravelle {

// One visit to a page.
struct Visit {
  std::string url;
  std::string title;
  std::int64_t time = 0;  // seconds since 1970, UTC
};

// The browsing history: an SQLite database of completed top-level page loads. A database that
// cannot be opened or written leaves the history empty; browsing goes on.
class HistoryStore {
 public:
  explicit HistoryStore(const std::string& path);
  ~HistoryStore();
  HistoryStore(const HistoryStore&) = delete;
  HistoryStore& operator=(const HistoryStore&) = delete;

  bool IsOpen() const { return db_ != nullptr; }
  const std::string& Path() const { return path_; }

  // Records a visit; returns its id, or 0 when it could not be recorded.
  std::int64_t Record(const std::string& url, const std::string& title, std::int64_t time);
  // The page's title often arrives after the load has finished.
  void UpdateTitle(std::int64_t id, const std::string& title);
  // The newest visits first, at most `limit`.
  std::vector<Visit> Recent(int limit) const;

 private:
  std::string path_;
  sqlite3* db_ = nullptr;
};

}  // namespace tarravelle

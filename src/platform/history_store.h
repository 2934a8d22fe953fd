#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ports/browsing_history.h"

struct sqlite3;

namespace tarravelle {

// The browsing history as an SQLite database. A database that cannot be opened or written
// leaves the history empty; browsing goes on.
class HistoryStore : public BrowsingHistory {
 public:
  explicit HistoryStore(const std::string& path);
  ~HistoryStore() override;
  HistoryStore(const HistoryStore&) = delete;
  HistoryStore& operator=(const HistoryStore&) = delete;

  bool IsOpen() const { return db_ != nullptr; }
  const std::string& Path() const { return path_; }

  std::int64_t Record(const std::string& url, const std::string& title, std::int64_t time) override;
  void UpdateTitle(std::int64_t id, const std::string& title) override;
  std::vector<Visit> Recent(int limit) const override;

 private:
  std::string path_;
  sqlite3* db_ = nullptr;
};

}  // namespace tarravelle

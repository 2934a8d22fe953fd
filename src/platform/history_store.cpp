#include "platform/history_store.h"

#include <fcntl.h>
#include <glib.h>
#include <glib/gstdio.h>
#include <sqlite3.h>
#include <unistd.h>

#include "ports/gobject_ptr.h"

namespace tarravelle {
namespace {

// Prepared statement, finalised with its scope.
class Statement {
 public:
  Statement(sqlite3* db, const char* sql) {
    if (db) sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr);
  }
  ~Statement() { sqlite3_finalize(statement_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  sqlite3_stmt* get() const { return statement_; }
  explicit operator bool() const { return statement_ != nullptr; }

 private:
  sqlite3_stmt* statement_ = nullptr;
};

void BindText(sqlite3_stmt* statement, int index, const std::string& text) {
  sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

std::string ColumnText(sqlite3_stmt* statement, int column) {
  const auto* text = sqlite3_column_text(statement, column);
  return text ? reinterpret_cast<const char*>(text) : "";
}

}  // namespace

HistoryStore::HistoryStore(const std::string& path) : path_(path) {
  const GCharPtr folder(g_path_get_dirname(path.c_str()));
  g_mkdir_with_parents(folder.get(), 0700);
  // Made by this program, the history is its person's alone to read (SQLite would make it
  // readable by all); its journals take the same mode.
  if (const int fd = g_open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600); fd >= 0) {
    close(fd);
  }
  if (sqlite3_open(path.c_str(), &db_) != SQLITE_OK) {
    g_warning("browsing history unavailable: %s", db_ ? sqlite3_errmsg(db_) : "out of memory");
    sqlite3_close(db_);
    db_ = nullptr;
    return;
  }
  sqlite3_busy_timeout(db_, 1000);
  char* error = nullptr;
  const char* schema =
      "PRAGMA journal_mode=WAL;"
      "CREATE TABLE IF NOT EXISTS visits (id INTEGER PRIMARY KEY, url TEXT NOT NULL,"
      " title TEXT NOT NULL DEFAULT '', time INTEGER NOT NULL);"
      "CREATE INDEX IF NOT EXISTS visits_by_time ON visits (time);";
  if (sqlite3_exec(db_, schema, nullptr, nullptr, &error) != SQLITE_OK) {
    g_warning("browsing history unavailable: %s", error ? error : "unknown error");
    sqlite3_free(error);
    sqlite3_close(db_);
    db_ = nullptr;
  }
}

HistoryStore::~HistoryStore() { sqlite3_close(db_); }

std::int64_t HistoryStore::Record(const std::string& url, const std::string& title,
                                  std::int64_t time) {
  Statement insert(db_, "INSERT INTO visits (url, title, time) VALUES (?, ?, ?)");
  if (!insert) return 0;
  BindText(insert.get(), 1, url);
  BindText(insert.get(), 2, title);
  sqlite3_bind_int64(insert.get(), 3, time);
  if (sqlite3_step(insert.get()) != SQLITE_DONE) return 0;
  return sqlite3_last_insert_rowid(db_);
}

void HistoryStore::UpdateTitle(std::int64_t id, const std::string& title) {
  Statement update(db_, "UPDATE visits SET title = ? WHERE id = ?");
  if (!update) return;
  BindText(update.get(), 1, title);
  sqlite3_bind_int64(update.get(), 2, id);
  sqlite3_step(update.get());
}

std::vector<Visit> HistoryStore::Recent(int limit) const {
  std::vector<Visit> visits;
  Statement select(db_, "SELECT url, title, time FROM visits ORDER BY time DESC, id DESC LIMIT ?");
  if (!select) return visits;
  sqlite3_bind_int(select.get(), 1, limit);
  while (sqlite3_step(select.get()) == SQLITE_ROW) {
    visits.push_back({ColumnText(select.get(), 0), ColumnText(select.get(), 1),
                      sqlite3_column_int64(select.get(), 2)});
  }
  return visits;
}

}  // namespace tarravelle

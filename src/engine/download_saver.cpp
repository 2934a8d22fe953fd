#include "engine/download_saver.h"

#include <glib.h>
#include <glib/gstdio.h>
#include <glibmm/main.h>
#include <unistd.h>

#include <array>
#include <climits>
#include <cmath>
#include <set>

#include "engine/run_folders.h"

namespace tarravelle {
namespace {

std::string SafeName(const char* suggested) {
  const GCharPtr base(g_path_get_basename(suggested && *suggested ? suggested : "download"));
  std::string name = base.get();
  // A name of dots alone, or a hidden one, would vanish from the folder's view.
  while (!name.empty() && name.front() == '.') name.erase(0, 1);
  return name.empty() || name == "/" ? "download" : name;
}

// The downloads of this run under way, by where they are saved, recorded in a file of the run's
// own ($XDG_DATA_HOME/tarravelle/unfinished-downloads/<process id>), so that a run killed in the
// middle leaves word of what it did not finish.
std::string RecordsFolder() {
  return std::string(g_get_user_data_dir()) + "/tarravelle/unfinished-downloads";
}

std::set<std::string>& Unfinished() {
  static std::set<std::string> paths;
  return paths;
}

// The engine's partial file of a download, beside the file it becomes.
constexpr const char* kPartialSuffix = ".wkdownload";

void WriteRecord() {
  const std::string file = RecordsFolder() + "/" + std::to_string(getpid());
  if (Unfinished().empty()) {
    g_unlink(file.c_str());
    return;
  }
  std::string content;
  for (const auto& path : Unfinished()) content += path + "\n";
  g_mkdir_with_parents(RecordsFolder().c_str(), 0700);
  g_file_set_contents_full(file.c_str(), content.data(), static_cast<gssize>(content.size()),
                           G_FILE_SET_CONTENTS_CONSISTENT, 0600, nullptr);
}

void Record(const std::string& path) {
  Unfinished().insert(path);
  WriteRecord();
}

void Unrecord(const std::string& path) {
  if (Unfinished().erase(path) > 0) WriteRecord();
}

// The stem cut at a character's start so that stem and tail fit in `most` bytes.
std::string Fit(const std::string& stem, const std::string& tail, std::size_t most) {
  if (stem.size() + tail.size() <= most) return stem + tail;
  const std::size_t room = most > tail.size() ? most - tail.size() : 0;
  const char* end = g_utf8_find_prev_char(stem.data(), stem.data() + room + 1);
  return std::string(stem.data(), end && room > 0 ? end : stem.data()) + tail;
}

}  // namespace

std::string UniqueDownloadPath(const std::string& folder, const std::string& name) {
  const auto dot = name.rfind('.');
  const long limit = pathconf(folder.c_str(), _PC_NAME_MAX);
  // The engine writes beside the name, under the name and its partial suffix, which must fit too.
  const std::size_t most = (limit > 0 ? static_cast<std::size_t>(limit) : NAME_MAX) -
                           std::char_traits<char>::length(kPartialSuffix);
  // An extension longer than a short word is part of the name, cut like the rest.
  const bool hasExtension = dot != std::string::npos && dot > 0 && name.size() - dot <= 16;
  const std::string stem = hasExtension ? name.substr(0, dot) : name;
  const std::string extension = hasExtension ? name.substr(dot) : "";
  std::string path = folder + "/" + Fit(stem, extension, most);
  for (int n = 1; g_file_test(path.c_str(), G_FILE_TEST_EXISTS); ++n) {
    path = folder + "/" + Fit(stem, " (" + std::to_string(n) + ")" + extension, most);
  }
  return path;
}

namespace {

// The unfinished download a record names: only a file directly inside the download folder, and
// never through a symbolic link. Removes the engine's partial file and the empty file that held
// the name; a finished download stays.
void RemoveUnfinished(const std::string& folder, const std::string& path) {
  const GCharPtr parent(g_path_get_dirname(path.c_str()));
  const GCharPtr base(g_path_get_basename(path.c_str()));
  const std::string name = base.get();
  if (folder != parent.get() || name == "." || name == ".." || name == "/") return;
  GStatBuf info;
  const std::string partial = path + kPartialSuffix;
  if (g_lstat(partial.c_str(), &info) == 0 && S_ISREG(info.st_mode)) g_unlink(partial.c_str());
  if (g_lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size == 0) {
    g_unlink(path.c_str());
  }
}

}  // namespace

std::string DefaultDownloadFolder() {
  // The desktop's download folder, or "Downloads" in the home folder when it names none (made
  // with the first download).
  const char* downloads = g_get_user_special_dir(G_USER_DIRECTORY_DOWNLOAD);
  return downloads ? std::string(downloads) : std::string(g_get_home_dir()) + "/Downloads";
}

void ClearUnfinishedDownloadsOfEndedRuns(const std::string& downloadFolder) {
  const std::string folder = RecordsFolder();
  GDir* dir = g_dir_open(folder.c_str(), 0, nullptr);
  if (!dir) return;
  while (const char* name = g_dir_read_name(dir)) {
    const std::string entry = name;
    if (entry.empty() || entry.size() > 9 ||
        entry.find_first_not_of("0123456789") != std::string::npos) {
      continue;
    }
    if (ProcessRunning(std::stol(entry))) continue;
    const std::string file = folder + "/" + entry;
    GStatBuf info;
    if (g_lstat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
    gchar* content = nullptr;
    if (g_file_get_contents(file.c_str(), &content, nullptr, nullptr)) {
      gchar** paths = g_strsplit(content, "\n", -1);
      for (gchar** path = paths; *path; ++path) {
        if (**path) RemoveUnfinished(downloadFolder, *path);
      }
      g_strfreev(paths);
      g_free(content);
    }
    g_unlink(file.c_str());
  }
  g_dir_close(dir);
}

struct DownloadSaver::Job {
  DownloadSaver* owner = nullptr;
  GObjectPtr<WebKitDownload> download;
  std::string name;
  std::string path;
  bool done = false;
  int lastPercent = -1;
  SignalConnections signals;

  static gboolean OnDecideDestination(WebKitDownload* download, gchar* suggested, gpointer data) {
    auto* job = static_cast<Job*>(data);
    job->name = SafeName(suggested);
    g_mkdir_with_parents(job->owner->folder_.c_str(), 0700);
    job->path = UniqueDownloadPath(job->owner->folder_, job->name);
    webkit_download_set_allow_overwrite(download, FALSE);
    webkit_download_set_destination(download, job->path.c_str());
    Record(job->path);
    job->owner->status_("Saving " + job->name + ": 0%");
    return TRUE;
  }

  static void OnProgress(GObject*, GParamSpec*, gpointer data) {
    auto* job = static_cast<Job*>(data);
    const int percent = static_cast<int>(
        std::lround(webkit_download_get_estimated_progress(job->download.get()) * 100));
    if (percent == job->lastPercent || job->done) return;
    job->lastPercent = percent;
    job->owner->status_("Saving " + job->name + ": " + std::to_string(percent) + "%");
  }

  static void OnFailed(WebKitDownload*, GError* error, gpointer data) {
    auto* job = static_cast<Job*>(data);
    job->done = true;
    if (!job->path.empty()) g_unlink(job->path.c_str());
    Unrecord(job->path);
    if (g_error_matches(error, WEBKIT_DOWNLOAD_ERROR, WEBKIT_DOWNLOAD_ERROR_CANCELLED_BY_USER)) {
      return;
    }
    const std::string text = "Could not save " + (job->name.empty() ? "the download" : job->name) +
                             ": " + error->message;
    job->owner->status_(text);
    job->owner->Notify({.id = "download:" + job->path, .title = "Download failed", .body = text});
    if (job->owner->prompts_) {
      job->owner->prompts_->MsgBox(nullptr, text, "Download", MsgIcon::Critical, MsgButtons::OK);
    }
  }

  static void OnFinished(WebKitDownload*, gpointer data) {
    auto* job = static_cast<Job*>(data);
    if (!job->done) {
      const std::string text = "Saved " + job->name + " to " + job->path;
      job->owner->status_(text);
      const GCharPtr folder(g_path_get_dirname(job->path.c_str()));
      job->owner->Notify({.id = "download:" + job->path,
                          .title = "Download finished",
                          .body = text,
                          .folder = folder.get()});
    }
    job->done = true;
    Unrecord(job->path);
    job->owner->Forget(job);
  }
};

DownloadSaver::DownloadSaver(std::string folder, Prompts* prompts, Notifications* notifications,
                             std::function<void(const std::string&)> status)
    : folder_(std::move(folder)),
      prompts_(prompts),
      notifications_(notifications),
      status_(std::move(status)) {
  if (folder_.empty()) folder_ = DefaultDownloadFolder();
}

DownloadSaver::~DownloadSaver() {
  for (auto& job : jobs_) {
    if (job->done) continue;
    job->signals.DisconnectAll();
    webkit_download_cancel(job->download.get());
    if (!job->path.empty()) g_unlink(job->path.c_str());
    Unrecord(job->path);
  }
}

void DownloadSaver::Notify(const Notice& notice) {
  if (notifications_) notifications_->Send(notice);
}

int DownloadSaver::Running() const {
  return static_cast<int>(
      std::count_if(jobs_.begin(), jobs_.end(), [](const auto& job) { return !job->done; }));
}

void DownloadSaver::Take(WebKitDownload* download) {
  auto job = std::make_unique<Job>();
  job->owner = this;
  job->download.reset(WEBKIT_DOWNLOAD(g_object_ref(download)));
  static const std::array<SignalConnections::Signal, 4> kSignals{{
      {"decide-destination", G_CALLBACK(&Job::OnDecideDestination)},
      {"notify::estimated-progress", G_CALLBACK(&Job::OnProgress)},
      {"failed", G_CALLBACK(&Job::OnFailed)},
      {"finished", G_CALLBACK(&Job::OnFinished)},
  }};
  job->signals.ConnectAll(download, kSignals, job.get());
  jobs_.push_back(std::move(job));
}

void DownloadSaver::Forget(Job* job) {
  // Gone once its own signal has returned.
  Glib::signal_idle().connect_once(lifetime_.Guard(
      [this, job] { jobs_.remove_if([job](const auto& owned) { return owned.get() == job; }); }));
}

}  // namespace tarravelle

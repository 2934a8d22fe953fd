#include "engine/download_saver.h"

#include <glib/gstdio.h>
#include <glibmm/main.h>

#include <array>
#include <cmath>

namespace tarravelle {
namespace {

std::string SafeName(const char* suggested) {
  const GCharPtr base(g_path_get_basename(suggested && *suggested ? suggested : "download"));
  std::string name = base.get();
  // A name of dots alone, or a hidden one, would vanish from the folder's view.
  while (!name.empty() && name.front() == '.') name.erase(0, 1);
  return name.empty() || name == "/" ? "download" : name;
}

}  // namespace

std::string UniqueDownloadPath(const std::string& folder, const std::string& name) {
  const auto dot = name.rfind('.');
  const bool hasExtension = dot != std::string::npos && dot > 0;
  const std::string stem = hasExtension ? name.substr(0, dot) : name;
  const std::string extension = hasExtension ? name.substr(dot) : "";
  std::string path = folder + "/" + name;
  for (int n = 1; g_file_test(path.c_str(), G_FILE_TEST_EXISTS); ++n) {
    path = folder + "/" + stem + " (" + std::to_string(n) + ")" + extension;
  }
  return path;
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
    if (g_error_matches(error, WEBKIT_DOWNLOAD_ERROR, WEBKIT_DOWNLOAD_ERROR_CANCELLED_BY_USER)) {
      return;
    }
    const std::string text = "Could not save " + (job->name.empty() ? "the download" : job->name) +
                             ": " + error->message;
    job->owner->status_(text);
    if (job->owner->prompts_) {
      job->owner->prompts_->MsgBox(nullptr, text, "Download", MsgIcon::Critical, MsgButtons::OK);
    }
  }

  static void OnFinished(WebKitDownload*, gpointer data) {
    auto* job = static_cast<Job*>(data);
    if (!job->done) job->owner->status_("Saved " + job->name + " to " + job->path);
    job->done = true;
    job->owner->Forget(job);
  }
};

DownloadSaver::DownloadSaver(std::string folder, Prompts* prompts,
                             std::function<void(const std::string&)> status)
    : folder_(std::move(folder)), prompts_(prompts), status_(std::move(status)) {
  if (folder_.empty()) {
    // The desktop's download folder, or "Downloads" in the home folder when it names none
    // (made with the first download).
    const char* downloads = g_get_user_special_dir(G_USER_DIRECTORY_DOWNLOAD);
    folder_ = downloads ? std::string(downloads) : std::string(g_get_home_dir()) + "/Downloads";
  }
}

DownloadSaver::~DownloadSaver() {
  for (auto& job : jobs_) {
    if (job->done) continue;
    job->signals.DisconnectAll();
    webkit_download_cancel(job->download.get());
    if (!job->path.empty()) g_unlink(job->path.c_str());
  }
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
  Glib::signal_idle().connect_once([this, job, alive = std::weak_ptr<bool>(alive_)] {
    if (alive.expired()) return;
    jobs_.remove_if([job](const auto& owned) { return owned.get() == job; });
  });
}

}  // namespace tarravelle

#pragma once

#include <webkit/webkit.h>

#include <functional>
#include <list>
#include <memory>
#include <string>

#include "engine/signal_connections.h"
#include "ports/gobject_ptr.h"
#include "ports/lifetime.h"
#include "ports/notifications.h"
#include "ports/prompts.h"

namespace tarravelle {

// `name` in `folder`, or "name (1).ext", "name (2).ext", ... when that is taken: a download never
// replaces a file that is there. A name longer than the file system allows is shortened, keeping
// its extension.
std::string UniqueDownloadPath(const std::string& folder, const std::string& name);

// The downloads of one engine's views: each is saved under a name of its own in the download
// folder, with its progress, its end or its failure told through `status`. Downloads still
// running when this goes are cancelled and their partial files removed.
// The person's download folder: the desktop's, or ~/Downloads when it names none.
std::string DefaultDownloadFolder();
// Removes what the downloads of runs that did not end (killed, crashed) left unfinished: the
// engine's partial file and the empty file in the name's place, for every download such a run
// recorded as under way in `downloadFolder`, and nothing else: a recorded name outside that
// folder, or one that is a symbolic link, is left alone.
void ClearUnfinishedDownloadsOfEndedRuns(
    const std::string& downloadFolder = DefaultDownloadFolder());

class DownloadSaver {
 public:
  // `folder` empty: the person's download folder (~/Downloads when the desktop names none). A
  // finished or failed download is also told through `notifications`, when there are any.
  DownloadSaver(std::string folder, Prompts* prompts, Notifications* notifications,
                std::function<void(const std::string&)> status);
  ~DownloadSaver();
  DownloadSaver(const DownloadSaver&) = delete;
  DownloadSaver& operator=(const DownloadSaver&) = delete;

  void Take(WebKitDownload* download);
  // How many downloads are still running.
  int Running() const;

 private:
  struct Job;
  void Forget(Job* job);
  void Notify(const Notice& notice);

  std::string folder_;
  Prompts* prompts_;
  Notifications* notifications_;
  std::function<void(const std::string&)> status_;
  std::list<std::unique_ptr<Job>> jobs_;
  Lifetime lifetime_;
};

}  // namespace tarravelle

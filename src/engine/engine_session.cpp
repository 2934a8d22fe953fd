#include "engine/engine_session.h"

#include <glibmm/miscutils.h>
#include <unistd.h>
#include <webkit/webkit.h>

#include <algorithm>

#include "engine/download_saver.h"
#include "engine/run_folders.h"

namespace tarravelle {
namespace {

// How often a web process's memory is measured against its limit.
constexpr double kMemoryPollSeconds = 10.0;

}  // namespace

unsigned WebEngineSession::WebProcessMemoryLimitMb() {
  const long pages = sysconf(_SC_PHYS_PAGES);
  const long pageSize = sysconf(_SC_PAGESIZE);
  if (pages <= 0 || pageSize <= 0) return 2048;
  const auto quarter = static_cast<unsigned long long>(pages) *
                       static_cast<unsigned long long>(pageSize) / 4 / (1024 * 1024);
  return static_cast<unsigned>(std::max<unsigned long long>(quarter, 512));
}

WebEngineSession::WebEngineSession(std::optional<std::string> dataFolder, unsigned memoryLimitMb)
    : memoryLimitMb_(memoryLimitMb > 0 ? memoryLimitMb : WebProcessMemoryLimitMb()) {
  // What a killed or crashed run left in the private runtime folder (a print preview's copy of
  // a page) goes with the next start.
  ClearFoldersOfEndedRuns();
  ClearUnfinishedDownloadsOfEndedRuns();
  const CHandle<WebKitMemoryPressureSettings, webkit_memory_pressure_settings_free> memory(
      webkit_memory_pressure_settings_new());
  // WebKit only measures every 30 seconds and never ends a process unless told to: a page
  // growing by a gigabyte a second would take the machine first. Each measurement reads the
  // whole of the web process's memory map (some milliseconds), so measuring every second cost
  // an idle page a third of a point of a core; every ten seconds is a tenth of that.
  webkit_memory_pressure_settings_set_memory_limit(memory.get(), memoryLimitMb_);
  webkit_memory_pressure_settings_set_poll_interval(memory.get(), kMemoryPollSeconds);
  webkit_memory_pressure_settings_set_kill_threshold(memory.get(), 1.0);
  context_.reset(G_OBJECT(
      g_object_new(WEBKIT_TYPE_WEB_CONTEXT, "memory-pressure-settings", memory.get(), nullptr)));
  if (dataFolder) {
    const std::string cache = Glib::build_filename(Glib::get_user_cache_dir(), "tarravelle");
    session_.reset(G_OBJECT(webkit_network_session_new(dataFolder->c_str(), cache.c_str())));
  } else {
    session_.reset(G_OBJECT(webkit_network_session_new_ephemeral()));
  }
}

}  // namespace tarravelle

#include "engine/view_events.h"

#include <array>
#include <cmath>

#include "engine/builtin_scheme.h"
#include "engine/engine_pages.h"
#include "engine/navigation_policy.h"
#include "engine/page_properties.h"

namespace tarravelle {
namespace {

constexpr std::int32_t kProgressMax = 10000;

std::string UriOf(WebKitWebView* view) {
  const char* uri = webkit_web_view_get_uri(view);
  return uri ? uri : "";
}

}  // namespace

ViewEvents::ViewEvents(const EngineParts& parts, WebEngineSession& session) : parts_(parts) {
  static const std::array<SignalConnections::Signal, 11> kViewSignals{{
      {"load-changed", G_CALLBACK(OnLoadChanged)},
      {"load-failed", G_CALLBACK(OnLoadFailed)},
      {"notify::estimated-load-progress", G_CALLBACK(OnProgress)},
      {"notify::title", G_CALLBACK(OnTitle)},
      {"mouse-target-changed", G_CALLBACK(OnMouseTarget)},
      {"create", G_CALLBACK(OnCreate)},
      {"decide-policy", G_CALLBACK(OnDecidePolicy)},
      {"load-failed-with-tls-errors", G_CALLBACK(OnTlsErrors)},
      {"notify::is-web-process-responsive", G_CALLBACK(OnResponsiveness)},
      {"web-process-terminated", G_CALLBACK(OnWebProcessTerminated)},
      {"script-dialog", G_CALLBACK(OnScriptDialog)},
  }};
  signals_.ConnectAll(parts_.view, kViewSignals, this);
  signals_.Connect(webkit_web_view_get_back_forward_list(parts_.view), "changed",
                   G_CALLBACK(OnHistoryChanged), this);
  // Every view of the session hears of every download; each engine takes its own views'.
  signals_.Connect(session.Native(), "download-started", G_CALLBACK(OnDownloadStarted), this);
}

gboolean ViewEvents::OnScriptDialog(WebKitWebView*, WebKitScriptDialog* dialog, gpointer data) {
  return static_cast<ViewEvents*>(data)->parts_.dialogs.Show(dialog);
}

// Whether an event belongs to the empty document of Prepare, which is not told.
bool ViewEvents::OfPreparation(const std::string& uri, bool ended) {
  if (!preparing_ || uri != "about:blank") return false;
  if (ended) preparing_ = false;
  return true;
}

void ViewEvents::OnLoadChanged(WebKitWebView* view, WebKitLoadEvent event, gpointer data) {
  auto* self = static_cast<ViewEvents*>(data);
  const std::string uri = UriOf(view);
  if (self->OfPreparation(uri, event == WEBKIT_LOAD_FINISHED)) return;
  if (self->parts_.pages.LoadChanged(event, uri)) {
    if (event == WEBKIT_LOAD_FINISHED) self->loading_ = false;
    return;
  }
  switch (event) {
    case WEBKIT_LOAD_STARTED:
      self->parts_.pages.PageStarted();
      self->parts_.visits.Started();
      self->parts_.trust.Forget();
      self->loading_ = true;
      self->lastProgress_ = -1;
      self->parts_.events.DownloadBegin.emit();
      self->parts_.events.StatusTextChange.emit("Opening page " + uri + "...");
      break;
    case WEBKIT_LOAD_REDIRECTED:
      self->parts_.events.StatusTextChange.emit("Redirecting to " + uri + "...");
      break;
    case WEBKIT_LOAD_COMMITTED:
      if (WebKitWebResource* page = webkit_web_view_get_main_resource(self->parts_.view)) {
        SetPageResponse(self->parts_.view, webkit_web_resource_get_response(page));
      }
      self->parts_.stuck.Committed();
      self->parts_.dialogs.PageStarted();
      // From here on the view's address is the page's own.
      self->parts_.events.StatusTextChange.emit("Loading page " + uri + "...");
      self->parts_.events.NavigateComplete2.emit(EngineFrame{}, uri);
      break;
    case WEBKIT_LOAD_FINISHED:
      self->loading_ = false;
      self->parts_.visits.Finished(uri, webkit_web_view_get_title(self->parts_.view));
      self->parts_.events.ProgressChange.emit(-1, kProgressMax);
      self->parts_.events.DownloadComplete.emit();
      self->parts_.events.DocumentComplete.emit(EngineFrame{}, uri);
      // The start page says why the settings were not read, and so does the status line.
      if (uri.starts_with(kBuiltInStartPage)) {
        if (const auto problem = self->parts_.settings.Problem(); !problem.empty()) {
          self->parts_.events.StatusTextChange.emit(
              "Settings not read: " + self->parts_.settingsFile + ": " + problem);
        }
      }
      break;
  }
}

gboolean ViewEvents::OnLoadFailed(WebKitWebView*, WebKitLoadEvent, gchar* uri, GError* error,
                                  gpointer data) {
  auto* self = static_cast<ViewEvents*>(data);
  if (self->OfPreparation(uri ? uri : "", true)) return TRUE;
  // A load the person stopped, or one a newer navigation took over (WebKit may report the
  // latter as GIO's own cancellation), is no failure to explain.
  const bool cancelled =
      g_error_matches(error, WEBKIT_NETWORK_ERROR, WEBKIT_NETWORK_ERROR_CANCELLED) ||
      g_error_matches(error, G_IO_ERROR, G_IO_ERROR_CANCELLED) ||
      g_error_matches(error, WEBKIT_POLICY_ERROR,
                      WEBKIT_POLICY_ERROR_FRAME_LOAD_INTERRUPTED_BY_POLICY_CHANGE);
  self->parts_.visits.Failed();
  if (cancelled) return TRUE;
  self->parts_.pages.Show(LoadFailedPage(uri ? uri : "", error->message));
  return TRUE;
}

gboolean ViewEvents::OnTlsErrors(WebKitWebView*, gchar* uri, GTlsCertificate* certificate,
                                 GTlsCertificateFlags errors, gpointer data) {
  auto* self = static_cast<ViewEvents*>(data);
  auto page = self->parts_.trust.Refuse(uri, certificate, errors);
  if (!page) return FALSE;
  self->parts_.pages.Show(std::move(*page));
  return TRUE;
}

void ViewEvents::OnResponsiveness(GObject*, GParamSpec*, gpointer data) {
  static_cast<ViewEvents*>(data)->parts_.stuck.ResponsivenessChanged();
}

// A web process that died leaves a page of the engine's own that says so; Refresh loads the
// page again.
void ViewEvents::OnWebProcessTerminated(WebKitWebView*, WebKitWebProcessTerminationReason reason,
                                        gpointer data) {
  auto* self = static_cast<ViewEvents*>(data);
  // Ended on the way to another page, which follows at once.
  if (self->parts_.stuck.TakeOwnEnding()) return;
  self->loading_ = false;
  self->parts_.pages.Show(StoppedPage(UriOf(self->parts_.view), reason));
}

gboolean ViewEvents::OnDecidePolicy(WebKitWebView* view, WebKitPolicyDecision* decision,
                                    WebKitPolicyDecisionType type, gpointer data) {
  auto* self = static_cast<ViewEvents*>(data);
  return DecidePolicy(view, decision, type, self->parts_.trust, self->parts_.pages);
}

void ViewEvents::OnDownloadStarted(WebKitNetworkSession*, WebKitDownload* download, gpointer data) {
  auto* self = static_cast<ViewEvents*>(data);
  WebKitWebView* from = webkit_download_get_web_view(download);
  if (from == self->parts_.view || self->parts_.popups.Owns(from))
    self->parts_.downloads.Take(download);
}

GtkWidget* ViewEvents::OnCreate(WebKitWebView* view, WebKitNavigationAction* action,
                                gpointer data) {
  return static_cast<ViewEvents*>(data)->parts_.popups.Create(view, action);
}

// The page history changed: Back and Forward follow what the view can do now.
void ViewEvents::OnHistoryChanged(WebKitBackForwardList*, WebKitBackForwardListItem*, gpointer,
                                  gpointer data) {
  auto* self = static_cast<ViewEvents*>(data);
  const auto tell = [self](EngineCommandState command, bool can, bool& told) {
    if (can != told) self->parts_.events.CommandStateChange.emit(command, told = can);
  };
  tell(EngineCommandState::NavigateBack, webkit_web_view_can_go_back(self->parts_.view),
       self->canGoBack_);
  tell(EngineCommandState::NavigateForward, webkit_web_view_can_go_forward(self->parts_.view),
       self->canGoForward_);
}

void ViewEvents::OnProgress(GObject*, GParamSpec*, gpointer data) {
  auto* self = static_cast<ViewEvents*>(data);
  if (!self->loading_) return;
  const auto progress = static_cast<std::int32_t>(
      std::lround(webkit_web_view_get_estimated_load_progress(self->parts_.view) * kProgressMax));
  if (progress == self->lastProgress_) return;
  self->lastProgress_ = progress;
  self->parts_.events.ProgressChange.emit(progress, kProgressMax);
}

void ViewEvents::OnTitle(GObject*, GParamSpec*, gpointer data) {
  auto* self = static_cast<ViewEvents*>(data);
  if (self->OfPreparation(UriOf(self->parts_.view), false)) return;
  const char* title = webkit_web_view_get_title(self->parts_.view);
  self->parts_.visits.TitleChanged(title);
  self->parts_.events.TitleChange.emit(title ? title : "");
}

void ViewEvents::OnMouseTarget(WebKitWebView*, WebKitHitTestResult* hit, guint, gpointer data) {
  auto* self = static_cast<ViewEvents*>(data);
  std::string link;
  if (webkit_hit_test_result_context_is_link(hit)) {
    if (const char* uri = webkit_hit_test_result_get_link_uri(hit)) link = uri;
  }
  if (link == self->hoverLink_) return;
  self->hoverLink_ = link;
  self->parts_.events.StatusTextChange.emit(link);
}

}  // namespace tarravelle

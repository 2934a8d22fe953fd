#include "platform/webkit_engine.h"

#include <gtkmm.h>
#include <webkit/webkit.h>

#include <cmath>
#include <list>

#include "platform/address_fixup.h"
#include "platform/folder_pages.h"
#include "platform/gobject_ptr.h"
#include "platform/history_store.h"
#include "platform/settings_store.h"
#include "platform/special_folders.h"

namespace tarravelle {
namespace {

constexpr std::int32_t kProgressMax = 10000;
constexpr const char* kStartPageResource = "/org/tarravelle/Tarravelle/start/start.html";

std::string UriOf(WebKitWebView* view) {
  const char* uri = webkit_web_view_get_uri(view);
  return uri ? uri : "";
}

// Serves the built-in pages of the "tarravelle:" scheme from the program's resources.
void ServeBuiltInPage(WebKitURISchemeRequest* request, gpointer) {
  const std::string path = webkit_uri_scheme_request_get_path(request);
  GError* error = nullptr;
  GInputStream* stream = nullptr;
  if (path == "start" || path == "start/" || path.empty()) {
    stream = g_resources_open_stream(kStartPageResource, G_RESOURCE_LOOKUP_FLAGS_NONE, &error);
  } else {
    error = g_error_new(G_IO_ERROR, G_IO_ERROR_NOT_FOUND, "No built-in page named \"%s\"",
                        path.c_str());
  }
  if (!stream) {
    webkit_uri_scheme_request_finish_error(request, error);
    g_error_free(error);
    return;
  }
  webkit_uri_scheme_request_finish(request, stream, -1, "text/html");
  g_object_unref(stream);
}

void RegisterBuiltInScheme() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  webkit_web_context_register_uri_scheme(webkit_web_context_get_default(), "tarravelle",
                                         ServeBuiltInPage, nullptr, nullptr);
}

class WebKitEngine;

// A window of the engine's own for a pop-up that the program let through.
class PopupWindow : public Gtk::Window {
 public:
  PopupWindow(WebKitEngine& owner, WebKitWebView* relatedView);
  ~PopupWindow() override;
  WebKitWebView* View() const { return view_; }

 private:
  static void OnReadyToShow(WebKitWebView* view, gpointer self);
  static void OnClose(WebKitWebView* view, gpointer self);
  static void OnTitle(GObject* view, GParamSpec*, gpointer self);

  WebKitWebView* view_;
  sigc::connection forget_;
};

class WebKitEngine final : public BrowserEngine {
 public:
  WebKitEngine(WebEngineSession& session, const SettingsStore& settings, HistoryStore* history)
      : settings_(settings), history_(history) {
    RegisterBuiltInScheme();
    view_ = WEBKIT_WEB_VIEW(
        g_object_new(WEBKIT_TYPE_WEB_VIEW, "network-session", session.Native(), nullptr));
    // Script pop-ups must reach NewWindow2, so the program's switch decides rather than WebKit.
    webkit_settings_set_javascript_can_open_windows_automatically(
        webkit_web_view_get_settings(view_), TRUE);
    gtk_widget_set_hexpand(GTK_WIDGET(view_), TRUE);
    gtk_widget_set_vexpand(GTK_WIDGET(view_), TRUE);
    gtk_box_append(holder_.gobj(), GTK_WIDGET(view_));
    ConnectView(view_, this);
  }

  ~WebKitEngine() override {
    popups_.clear();
    g_signal_handlers_disconnect_by_data(view_, this);
  }

  static void ConnectView(WebKitWebView* view, WebKitEngine* self) {
    g_signal_connect(view, "load-changed", G_CALLBACK(OnLoadChanged), self);
    g_signal_connect(view, "load-failed", G_CALLBACK(OnLoadFailed), self);
    g_signal_connect(view, "notify::estimated-load-progress", G_CALLBACK(OnProgress), self);
    g_signal_connect(view, "notify::title", G_CALLBACK(OnTitle), self);
    g_signal_connect(view, "mouse-target-changed", G_CALLBACK(OnMouseTarget), self);
    g_signal_connect(view, "create", G_CALLBACK(OnCreate), self);
  }

  Gtk::Widget& Widget() override { return holder_; }

  bool Navigate(const std::string& address) override {
    const auto fixed = FixUpAddress(address);
    if (!fixed) return false;
    webkit_web_view_load_uri(view_, fixed->c_str());
    return true;
  }

  // Shows the folder that the list names as a page of links.
  bool Navigate2(const std::vector<std::uint8_t>& itemIdList) override {
    const auto folder = DecodeShellFolder(itemIdList);
    if (!folder) return false;
    std::string html;
    if (folder->kind == "favorites") {
      html = FavoritesPage(ReadFavoritesFolder(folder->path));
    } else if (folder->kind == "history") {
      HistoryStore history(folder->path);
      GDateTime* now = g_date_time_new_now_local();
      html = HistoryPage(history.Recent(500), now);
      g_date_time_unref(now);
    } else {
      return false;
    }
    const std::string base = "tarravelle://" + folder->kind + "/";
    webkit_web_view_load_html(view_, html.c_str(), base.c_str());
    return true;
  }

  bool GoBack() override {
    if (!webkit_web_view_can_go_back(view_)) return false;
    webkit_web_view_go_back(view_);
    return true;
  }

  bool GoForward() override {
    if (!webkit_web_view_can_go_forward(view_)) return false;
    webkit_web_view_go_forward(view_);
    return true;
  }

  bool GoHome() override {
    std::string home = settings_.GetSetting(kEngineSettingsApplication, "Main", "Start Page");
    if (home.empty()) home = kBuiltInStartPage;
    return Navigate(home);
  }

  bool Stop() override {
    webkit_web_view_stop_loading(view_);
    return true;
  }

  bool Refresh() override {
    if (!webkit_web_view_get_uri(view_)) return false;
    webkit_web_view_reload(view_);
    return true;
  }

  bool ExecWB(EngineCommand, EngineCommandOption, std::optional<int>) override { return false; }

  bool SetDocumentDesignMode(const std::string& mode) override {
    if (!webkit_web_view_get_uri(view_)) return false;
    const std::string script =
        "document.designMode = " + std::string(mode == "On" ? "'on'" : "'off'");
    webkit_web_view_evaluate_javascript(view_, script.c_str(), -1, nullptr, nullptr, nullptr,
                                        nullptr, nullptr);
    return true;
  }

  std::optional<std::string> LocationURL() const override {
    const char* uri = webkit_web_view_get_uri(view_);
    if (!uri) return std::nullopt;
    return std::string(uri);
  }

  std::optional<std::string> LocationName() const override {
    const char* title = webkit_web_view_get_title(view_);
    if (title && *title) return std::string(title);
    return LocationURL();
  }

  bool Visible() const override { return holder_.get_visible(); }
  void SetVisible(bool visible) override { holder_.set_visible(visible); }
  bool Focus() override { return gtk_widget_grab_focus(GTK_WIDGET(view_)); }
  bool HasFocus() const override {
    return gtk_widget_has_focus(GTK_WIDGET(view_)) || holder_.has_focus();
  }

  // Shared with the pop-up windows that this engine opened: their own pop-ups ask the same switch.
  static GtkWidget* OnCreate(WebKitWebView* view, WebKitNavigationAction* action, gpointer data) {
    auto* self = static_cast<WebKitEngine*>(data);
    NewWindowRequest request;
    if (auto* uriRequest = webkit_navigation_action_get_request(action)) {
      if (const char* uri = webkit_uri_request_get_uri(uriRequest)) request.url = uri;
    }
    self->NewWindow2.emit(request);
    if (request.Cancel) return nullptr;
    auto& popup = self->popups_.emplace_back(std::make_unique<PopupWindow>(*self, view));
    return GTK_WIDGET(popup->View());
  }

  void ForgetPopup(PopupWindow* popup) {
    popups_.remove_if([popup](const auto& owned) { return owned.get() == popup; });
  }

 private:
  static void OnLoadChanged(WebKitWebView* view, WebKitLoadEvent event, gpointer data) {
    auto* self = static_cast<WebKitEngine*>(data);
    if (view != self->view_) return;
    const std::string uri = UriOf(view);
    switch (event) {
      case WEBKIT_LOAD_STARTED:
        self->loading_ = true;
        self->loadFailed_ = false;
        self->lastVisit_ = 0;
        self->lastProgress_ = -1;
        self->DownloadBegin.emit();
        self->StatusTextChange.emit("Opening page " + uri + "...");
        break;
      case WEBKIT_LOAD_REDIRECTED:
        self->StatusTextChange.emit("Redirecting to " + uri + "...");
        break;
      case WEBKIT_LOAD_COMMITTED:
        // From here on the view's address is the page's own.
        self->StatusTextChange.emit("Loading page " + uri + "...");
        self->NavigateComplete2.emit(EngineFrame{}, uri);
        break;
      case WEBKIT_LOAD_FINISHED:
        self->loading_ = false;
        self->RecordVisit(uri);
        self->ProgressChange.emit(-1, kProgressMax);
        self->DownloadComplete.emit();
        self->DocumentComplete.emit(EngineFrame{}, uri);
        break;
    }
  }

  static gboolean OnLoadFailed(WebKitWebView*, WebKitLoadEvent, gchar* uri, GError* error,
                               gpointer data) {
    auto* self = static_cast<WebKitEngine*>(data);
    const bool cancelled =
        g_error_matches(error, WEBKIT_NETWORK_ERROR, WEBKIT_NETWORK_ERROR_CANCELLED) ||
        g_error_matches(error, WEBKIT_POLICY_ERROR,
                        WEBKIT_POLICY_ERROR_FRAME_LOAD_INTERRUPTED_BY_POLICY_CHANGE);
    self->loadFailed_ = true;
    if (!cancelled) {
      self->StatusTextChange.emit("Cannot open " + std::string(uri ? uri : "") + ": " +
                                  error->message);
    }
    return FALSE;  // let the engine show its own error page
  }

  static void OnProgress(GObject*, GParamSpec*, gpointer data) {
    auto* self = static_cast<WebKitEngine*>(data);
    if (!self->loading_) return;
    const auto progress = static_cast<std::int32_t>(
        std::lround(webkit_web_view_get_estimated_load_progress(self->view_) * kProgressMax));
    if (progress == self->lastProgress_) return;
    self->lastProgress_ = progress;
    self->ProgressChange.emit(progress, kProgressMax);
  }

  static void OnTitle(GObject*, GParamSpec*, gpointer data) {
    auto* self = static_cast<WebKitEngine*>(data);
    const char* title = webkit_web_view_get_title(self->view_);
    if (self->history_ && self->lastVisit_ && title && *title) {
      self->history_->UpdateTitle(self->lastVisit_, title);
    }
    self->TitleChange.emit(title ? title : "");
  }

  // Pages of the web and of files are history; the program's own pages are not.
  void RecordVisit(const std::string& uri) {
    if (!history_ || loadFailed_) return;
    if (!(uri.starts_with("http://") || uri.starts_with("https://") || uri.starts_with("file:"))) {
      return;
    }
    const char* title = webkit_web_view_get_title(view_);
    lastVisit_ = history_->Record(uri, title ? title : "", g_get_real_time() / G_USEC_PER_SEC);
  }

  static void OnMouseTarget(WebKitWebView*, WebKitHitTestResult* hit, guint, gpointer data) {
    auto* self = static_cast<WebKitEngine*>(data);
    std::string link;
    if (webkit_hit_test_result_context_is_link(hit)) {
      if (const char* uri = webkit_hit_test_result_get_link_uri(hit)) link = uri;
    }
    if (link == self->hoverLink_) return;
    self->hoverLink_ = link;
    self->StatusTextChange.emit(link);
  }

  const SettingsStore& settings_;
  HistoryStore* history_;
  std::int64_t lastVisit_ = 0;
  bool loadFailed_ = false;
  Gtk::Box holder_;
  WebKitWebView* view_ = nullptr;  // a child of holder_, which keeps it alive
  bool loading_ = false;
  std::int32_t lastProgress_ = -1;
  std::string hoverLink_;
  std::list<std::unique_ptr<PopupWindow>> popups_;
};

PopupWindow::PopupWindow(WebKitEngine& owner, WebKitWebView* relatedView) {
  view_ = WEBKIT_WEB_VIEW(g_object_new(WEBKIT_TYPE_WEB_VIEW, "related-view", relatedView, nullptr));
  set_child(*Glib::wrap(GTK_WIDGET(view_)));
  set_default_size(800, 600);
  g_signal_connect(view_, "ready-to-show", G_CALLBACK(OnReadyToShow), this);
  g_signal_connect(view_, "close", G_CALLBACK(OnClose), this);
  g_signal_connect(view_, "notify::title", G_CALLBACK(OnTitle), this);
  g_signal_connect(view_, "create", G_CALLBACK(WebKitEngine::OnCreate), &owner);
  // Deleted after the hide has been handled; the owner deletes what is left when it goes first.
  signal_hide().connect([this, &owner] {
    forget_ = Glib::signal_idle().connect([this, &owner] {
      owner.ForgetPopup(this);
      return false;
    });
  });
}

PopupWindow::~PopupWindow() {
  forget_.disconnect();
  g_signal_handlers_disconnect_matched(view_, G_SIGNAL_MATCH_DATA, 0, 0, nullptr, nullptr, this);
}

void PopupWindow::OnReadyToShow(WebKitWebView* view, gpointer self) {
  auto* window = static_cast<PopupWindow*>(self);
  GdkRectangle geometry{};
  webkit_window_properties_get_geometry(webkit_web_view_get_window_properties(view), &geometry);
  if (geometry.width > 0 && geometry.height > 0) {
    window->set_default_size(geometry.width, geometry.height);
  }
  window->present();
}

void PopupWindow::OnClose(WebKitWebView*, gpointer self) {
  static_cast<PopupWindow*>(self)->hide();
}

void PopupWindow::OnTitle(GObject*, GParamSpec*, gpointer self) {
  auto* window = static_cast<PopupWindow*>(self);
  const char* title = webkit_web_view_get_title(window->view_);
  window->set_title(title ? title : "");
}

}  // namespace

WebEngineSession::WebEngineSession(std::optional<std::string> dataFolder) {
  if (dataFolder) {
    const std::string cache = Glib::build_filename(Glib::get_user_cache_dir(), "tarravelle");
    session_ = webkit_network_session_new(dataFolder->c_str(), cache.c_str());
  } else {
    session_ = webkit_network_session_new_ephemeral();
  }
}

WebEngineSession::~WebEngineSession() { g_object_unref(session_); }

std::unique_ptr<BrowserEngine> MakeWebKitEngine(WebEngineSession& session,
                                                const SettingsStore& settings,
                                                HistoryStore* history) {
  return std::make_unique<WebKitEngine>(session, settings, history);
}

}  // namespace tarravelle

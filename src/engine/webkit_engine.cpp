#include "engine/webkit_engine.h"

#include <glibmm/main.h>
#include <gtkmm/box.h>
#include <webkit/webkit.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <list>

#include "engine/address_fixup.h"
#include "engine/builtin_scheme.h"
#include "engine/certificate_trust.h"
#include "engine/download_saver.h"
#include "engine/engine_pages.h"
#include "engine/page_properties.h"
#include "engine/page_tools.h"
#include "engine/popup_window.h"
#include "engine/script_dialogs.h"
#include "engine/signal_connections.h"
#include "engine/stuck_page_recovery.h"
#include "ports/shell_folder_list.h"

namespace tarravelle {
namespace {

constexpr std::int32_t kProgressMax = 10000;

std::string UriOf(WebKitWebView* view) {
  const char* uri = webkit_web_view_get_uri(view);
  return uri ? uri : "";
}

// The engine over one web view: its calls become WebKit calls and the view's signals its events;
// what hangs off the view (page tools, pages, dialogs, pop-ups, downloads) has classes of its own.
class WebKitEngine final : public BrowserEngine {
 public:
  WebKitEngine(WebEngineSession& session, const WebKitEngineServices& services)
      : settings_(services.settings),
        history_(services.history),
        folderPages_(services.folderPages),
        programFolder_(services.programFolder),
        settingsFile_(services.settingsFile),
        downloads_(services.downloadFolder, services.prompts,
                   [this](const std::string& text) { StatusTextChange.emit(text); }) {
    RegisterBuiltInScheme(WEBKIT_WEB_CONTEXT(session.NativeContext()),
                          {services.settingsFile, HomePageGroup(), &services.settings});
    view_ = WEBKIT_WEB_VIEW(g_object_new(WEBKIT_TYPE_WEB_VIEW, "network-session", session.Native(),
                                         "web-context", session.NativeContext(), nullptr));
    // Script pop-ups must reach NewWindow2, so the program's switch decides rather than WebKit.
    webkit_settings_set_javascript_can_open_windows_automatically(
        webkit_web_view_get_settings(view_), TRUE);
    // The text size changes the text only, not the pictures and the layout around it.
    webkit_settings_set_zoom_text_only(webkit_web_view_get_settings(view_), TRUE);
    holder_.set_orientation(Gtk::Orientation::VERTICAL);
    gtk_widget_set_hexpand(GTK_WIDGET(view_), TRUE);
    gtk_widget_set_vexpand(GTK_WIDGET(view_), TRUE);
    gtk_box_append(holder_.gobj(), GTK_WIDGET(view_));
    tools_ = std::make_unique<PageTools>(view_, holder_, services.prompts);
    stuck_ = std::make_unique<StuckPageRecovery>(
        view_, [this](const std::string& text) { StatusTextChange.emit(text); });
    dialogs_ = std::make_unique<ScriptDialogs>(view_);
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
    signals_.ConnectAll(view_, kViewSignals, this);
    signals_.Connect(webkit_web_view_get_back_forward_list(view_), "changed",
                     G_CALLBACK(OnHistoryChanged), this);
    // Every view of the session hears of every download; each engine takes its own views'.
    signals_.Connect(session.Native(), "download-started", G_CALLBACK(OnDownloadStarted), this);
  }

  ~WebKitEngine() override {
    errorIdle_.disconnect();
    popups_.clear();
  }

  Gtk::Widget& Widget() override { return holder_; }

  // An empty document starts the page process; WebKit keeps a document loaded without a base
  // address out of the back list, and its events stop here.
  void Prepare() override {
    if (webkit_web_view_get_uri(view_)) return;
    preparing_ = true;
    webkit_web_view_load_html(view_, "", nullptr);
  }

  bool Navigate(const std::string& address) override {
    Leave();
    // Nothing to open (a first start without a home page): the engine's own start page, which
    // says how to choose one.
    if (address.find_first_not_of(" \t\r\n") == std::string::npos) {
      webkit_web_view_load_uri(view_, kBuiltInStartPage);
      return true;
    }
    const auto fixed = FixUpAddress(address);
    if (!fixed) {
      // Only the home page setting is a matter of the settings file; other text is offered to
      // the search service.
      const bool homePage =
          !programFolder_.empty() &&
          settings_.GetSetting(programFolder_, kHomePageSection, kHomePageKey) == address;
      ShowEnginePage(RefusedAddressPage(
          address, homePage ? HomePageSetting{settingsFile_, HomePageGroup()} : HomePageSetting{}));
      return false;
    }
    Load([this, uri = *fixed] { webkit_web_view_load_uri(view_, uri.c_str()); });
    return true;
  }

  // Shows the folder that the list names as a page of links.
  bool Navigate2(const std::vector<std::uint8_t>& itemIdList) override {
    Leave();
    const auto folder = DecodeShellFolder(itemIdList);
    if (!folder || !folderPages_) return false;
    const auto html = folderPages_->FolderPage(*folder);
    if (!html) return false;
    const std::string base = "tarravelle://" + folder->kind + "/";
    webkit_web_view_load_html(view_, html->c_str(), base.c_str());
    return true;
  }

  bool GoBack() override {
    Leave();
    if (!webkit_web_view_can_go_back(view_)) return false;
    Load([this] { webkit_web_view_go_back(view_); });
    return true;
  }

  bool GoForward() override {
    Leave();
    if (!webkit_web_view_can_go_forward(view_)) return false;
    Load([this] { webkit_web_view_go_forward(view_); });
    return true;
  }

  bool GoHome() override {
    std::string home = settings_.GetSetting(kEngineSettingsApplication, "Main", "Start Page");
    if (home.empty()) home = kBuiltInStartPage;
    return Navigate(home);
  }

  bool Stop() override {
    // A page looping on its stopped dialogs never stops loading: its process is ended, and the
    // engine's page says so.
    if (dialogs_->StillAsking()) webkit_web_view_terminate_web_process(view_);
    webkit_web_view_stop_loading(view_);
    return true;
  }

  bool Refresh() override {
    Leave();
    if (!webkit_web_view_get_uri(view_)) return false;
    Load([this] { webkit_web_view_reload(view_); });
    return true;
  }

  // The one command entry: each command is a page tool.
  bool ExecWB(EngineCommand command, EngineCommandOption option,
              std::optional<int> input) override {
    // Every command works on a loaded page.
    if (!webkit_web_view_get_uri(view_)) return false;
    return tools_->Run(command, option, input);
  }

  bool OpenFind() override {
    if (!webkit_web_view_get_uri(view_)) return false;
    tools_->Find();
    return true;
  }

  bool SetDocumentDesignMode(const std::string& mode) override {
    if (!webkit_web_view_get_uri(view_)) return false;
    tools_->SetDesignMode(mode == "On");
    return true;
  }

  std::optional<std::string> LocationURL() const override {
    // The engine's page of a text that is not an address stands for that text.
    if (!shownAddress_.empty() && errorPage_ == ErrorPage::None) return shownAddress_;
    const char* uri = webkit_web_view_get_uri(view_);
    if (!uri) return std::nullopt;
    return std::string(uri);
  }

  std::optional<std::string> LocationName() const override {
    const char* title = webkit_web_view_get_title(view_);
    if (title && *title) return std::string(title);
    return LocationURL();
  }

  int DownloadsRunning() const override { return downloads_.Running(); }

  bool Visible() const override { return holder_.get_visible(); }
  void SetVisible(bool visible) override { holder_.set_visible(visible); }
  bool Focus() override { return gtk_widget_grab_focus(GTK_WIDGET(view_)); }
  bool HasFocus() const override {
    return gtk_widget_has_focus(GTK_WIDGET(view_)) || holder_.has_focus();
  }

 private:
  // A navigation the person starts always leaves the page: a page stuck in a loop is ended, and
  // a dialog it holds open is cancelled, with the rest of its dialogs.
  void Leave() {
    // A page waiting on its dialog may well open the next one at once (a loop): it is ended.
    if (dialogs_->Leave()) return stuck_->End();
    stuck_->Unstick();
  }

  static gboolean OnScriptDialog(WebKitWebView*, WebKitScriptDialog* dialog, gpointer data) {
    return static_cast<WebKitEngine*>(data)->dialogs_->Show(dialog);
  }

  std::string HomePageGroup() const {
    return programFolder_.empty() ? "" : programFolder_ + "\\" + kHomePageSection;
  }

  // Starts a navigation, made again should a stuck page hold it up.
  void Load(std::function<void()> navigate) {
    stuck_->Expect(navigate);
    navigate();
  }

  // A pop-up asked for by `view` (this engine's, or a pop-up window's it opened: theirs ask the
  // same switch).
  GtkWidget* CreatePopup(WebKitWebView* view, WebKitNavigationAction* action) {
    NewWindowRequest request;
    if (auto* uriRequest = webkit_navigation_action_get_request(action)) {
      if (const char* uri = webkit_uri_request_get_uri(uriRequest)) request.url = uri;
    }
    NewWindow2.emit(request);
    if (request.Cancel) return nullptr;
    auto& popup = popups_.emplace_back(std::make_unique<PopupWindow>(
        view,
        [this](WebKitWebView* from, WebKitNavigationAction* next) {
          return CreatePopup(from, next);
        },
        [this](PopupWindow* gone) {
          popups_.remove_if([gone](const auto& owned) { return owned.get() == gone; });
        }));
    return GTK_WIDGET(popup->View());
  }

  // A page of the engine's own in place of one that could not be shown. Its load is quiet: the
  // program hears of it as one completed document, and the failure keeps the status line.
  void ShowEnginePage(EnginePageText page) {
    SetPageResponse(view_, nullptr);  // the engine's page comes from no server
    failure_ = page.failure;
    shownAddress_ = page.shown;
    StatusTextChange.emit(failure_);
    errorPage_ = ErrorPage::Pending;
    // Loaded once the failed load has ended: a page shown from inside its failure is lost.
    errorIdle_.disconnect();
    errorIdle_ = Glib::signal_idle().connect([this, page = std::move(page)] {
      webkit_web_view_load_alternate_html(view_, page.html.c_str(), page.address.c_str(), nullptr);
      return false;
    });
  }

  // Events of the engine's own page: only its end is told, as the end of the failed load.
  void EnginePageLoadChanged(WebKitLoadEvent event, const std::string& uri) {
    if (event == WEBKIT_LOAD_STARTED) errorPage_ = ErrorPage::Loading;
    if (event != WEBKIT_LOAD_FINISHED || errorPage_ != ErrorPage::Loading) return;
    errorPage_ = ErrorPage::None;
    loading_ = false;
    const std::string shown = shownAddress_.empty() ? uri : shownAddress_;
    ProgressChange.emit(-1, kProgressMax);
    DownloadComplete.emit();
    NavigateComplete2.emit(EngineFrame{}, shown);
    DocumentComplete.emit(EngineFrame{}, shown);
    if (!failure_.empty()) StatusTextChange.emit(failure_);
  }

  // Whether an event belongs to the empty document of Prepare, which is not told.
  bool OfPreparation(const std::string& uri, bool ended) {
    if (!preparing_ || uri != "about:blank") return false;
    if (ended) preparing_ = false;
    return true;
  }

  void RecordVisit(const std::string& uri) {
    if (!history_ || loadFailed_ || !IsHistoryAddress(uri)) return;
    const char* title = webkit_web_view_get_title(view_);
    lastVisit_ = history_->Record(uri, title ? title : "", g_get_real_time() / G_USEC_PER_SEC);
  }

  static void OnLoadChanged(WebKitWebView* view, WebKitLoadEvent event, gpointer data) {
    auto* self = static_cast<WebKitEngine*>(data);
    const std::string uri = UriOf(view);
    if (self->OfPreparation(uri, event == WEBKIT_LOAD_FINISHED)) return;
    if (self->errorPage_ != ErrorPage::None) return self->EnginePageLoadChanged(event, uri);
    switch (event) {
      case WEBKIT_LOAD_STARTED:
        self->shownAddress_.clear();
        self->loading_ = true;
        self->loadFailed_ = false;
        self->failure_.clear();
        self->trust_.Forget();
        self->lastVisit_ = 0;
        self->lastProgress_ = -1;
        self->DownloadBegin.emit();
        self->StatusTextChange.emit("Opening page " + uri + "...");
        break;
      case WEBKIT_LOAD_REDIRECTED:
        self->StatusTextChange.emit("Redirecting to " + uri + "...");
        break;
      case WEBKIT_LOAD_COMMITTED:
        if (WebKitWebResource* page = webkit_web_view_get_main_resource(self->view_)) {
          SetPageResponse(self->view_, webkit_web_resource_get_response(page));
        }
        self->stuck_->Committed();
        self->dialogs_->PageStarted();
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
        // The start page says why the settings were not read, and so does the status line.
        if (uri.starts_with(kBuiltInStartPage)) {
          if (const auto problem = self->settings_.Problem(); !problem.empty()) {
            self->StatusTextChange.emit("Settings not read: " + self->settingsFile_ + ": " +
                                        problem);
          }
        }
        break;
    }
  }

  static gboolean OnLoadFailed(WebKitWebView*, WebKitLoadEvent, gchar* uri, GError* error,
                               gpointer data) {
    auto* self = static_cast<WebKitEngine*>(data);
    if (self->OfPreparation(uri ? uri : "", true)) return TRUE;
    // A load the person stopped, or one a newer navigation took over (WebKit may report the
    // latter as GIO's own cancellation), is no failure to explain.
    const bool cancelled =
        g_error_matches(error, WEBKIT_NETWORK_ERROR, WEBKIT_NETWORK_ERROR_CANCELLED) ||
        g_error_matches(error, G_IO_ERROR, G_IO_ERROR_CANCELLED) ||
        g_error_matches(error, WEBKIT_POLICY_ERROR,
                        WEBKIT_POLICY_ERROR_FRAME_LOAD_INTERRUPTED_BY_POLICY_CHANGE);
    self->loadFailed_ = true;
    if (cancelled) return TRUE;
    self->ShowEnginePage(LoadFailedPage(uri ? uri : "", error->message));
    return TRUE;
  }

  static gboolean OnTlsErrors(WebKitWebView*, gchar* uri, GTlsCertificate* certificate,
                              GTlsCertificateFlags errors, gpointer data) {
    auto* self = static_cast<WebKitEngine*>(data);
    auto page = self->trust_.Refuse(uri, certificate, errors);
    if (!page) return FALSE;
    self->ShowEnginePage(std::move(*page));
    return TRUE;
  }

  static void OnResponsiveness(GObject*, GParamSpec*, gpointer data) {
    static_cast<WebKitEngine*>(data)->stuck_->ResponsivenessChanged();
  }

  // A web process that died leaves a page of the engine's own that says so; Refresh loads the
  // page again.
  static void OnWebProcessTerminated(WebKitWebView*, WebKitWebProcessTerminationReason reason,
                                     gpointer data) {
    auto* self = static_cast<WebKitEngine*>(data);
    // Ended on the way to another page, which follows at once.
    if (self->stuck_->TakeOwnEnding()) return;
    self->loading_ = false;
    self->ShowEnginePage(StoppedPage(UriOf(self->view_), reason));
  }

  // A response the engine cannot show is saved, not dropped; the untrusted-certificate page's
  // button is the engine's own.
  static gboolean OnDecidePolicy(WebKitWebView* view, WebKitPolicyDecision* decision,
                                 WebKitPolicyDecisionType type, gpointer data) {
    auto* self = static_cast<WebKitEngine*>(data);
    if (type == WEBKIT_POLICY_DECISION_TYPE_NAVIGATION_ACTION) {
      if (self->trust_.Decide(view, decision)) return TRUE;
      return self->RefuseRestrictedPort(decision);
    }
    if (type != WEBKIT_POLICY_DECISION_TYPE_RESPONSE) return FALSE;
    auto* response = WEBKIT_RESPONSE_POLICY_DECISION(decision);
    if (webkit_response_policy_decision_is_mime_type_supported(response)) return FALSE;
    webkit_policy_decision_download(decision);
    return TRUE;
  }

  // The engine would show an empty page for a restricted port and say nothing; its own page
  // says why instead.
  gboolean RefuseRestrictedPort(WebKitPolicyDecision* decision) {
    auto* action = webkit_navigation_policy_decision_get_navigation_action(
        WEBKIT_NAVIGATION_POLICY_DECISION(decision));
    const char* target = webkit_uri_request_get_uri(webkit_navigation_action_get_request(action));
    const auto port = target ? RestrictedPort(target) : std::nullopt;
    if (!port) return FALSE;
    webkit_policy_decision_ignore(decision);
    ShowEnginePage(LoadFailedPage(target, "web pages may not use port " + std::to_string(*port) +
                                              ", which serves other kinds of programs"));
    return TRUE;
  }

  static void OnDownloadStarted(WebKitNetworkSession*, WebKitDownload* download, gpointer data) {
    auto* self = static_cast<WebKitEngine*>(data);
    WebKitWebView* from = webkit_download_get_web_view(download);
    const bool ours =
        from == self->view_ || std::ranges::any_of(self->popups_, [from](const auto& popup) {
          return popup->View() == from;
        });
    if (ours) self->downloads_.Take(download);
  }

  static GtkWidget* OnCreate(WebKitWebView* view, WebKitNavigationAction* action, gpointer data) {
    return static_cast<WebKitEngine*>(data)->CreatePopup(view, action);
  }

  // The page history changed: Back and Forward follow what the view can do now.
  static void OnHistoryChanged(WebKitBackForwardList*, WebKitBackForwardListItem*, gpointer,
                               gpointer data) {
    auto* self = static_cast<WebKitEngine*>(data);
    const auto tell = [self](EngineCommandState command, bool can, bool& told) {
      if (can != told) self->CommandStateChange.emit(command, told = can);
    };
    tell(EngineCommandState::NavigateBack, webkit_web_view_can_go_back(self->view_),
         self->canGoBack_);
    tell(EngineCommandState::NavigateForward, webkit_web_view_can_go_forward(self->view_),
         self->canGoForward_);
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
    if (self->OfPreparation(UriOf(self->view_), false)) return;
    const char* title = webkit_web_view_get_title(self->view_);
    if (self->history_ && self->lastVisit_ && title && *title) {
      self->history_->UpdateTitle(self->lastVisit_, title);
    }
    self->TitleChange.emit(title ? title : "");
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
  BrowsingHistory* history_;
  FolderPageSource* folderPages_;
  std::string programFolder_;
  std::string settingsFile_;
  // The engine's own page: about to load, loading, or none.
  enum class ErrorPage { None, Pending, Loading } errorPage_ = ErrorPage::None;
  std::string failure_;       // why the last load failed, until the next starts
  std::string shownAddress_;  // the address the engine's page is told as, when not its own
  sigc::connection errorIdle_;
  CertificateTrust trust_;
  std::int64_t lastVisit_ = 0;
  bool loadFailed_ = false;
  bool loading_ = false;
  // The empty document of Prepare is loading.
  bool preparing_ = false;
  std::int32_t lastProgress_ = -1;
  bool canGoBack_ = false;
  bool canGoForward_ = false;
  std::string hoverLink_;
  Gtk::Box holder_;
  WebKitWebView* view_ = nullptr;  // a child of holder_, which keeps it alive
  std::unique_ptr<PageTools> tools_;
  std::unique_ptr<StuckPageRecovery> stuck_;
  std::unique_ptr<ScriptDialogs> dialogs_;
  std::list<std::unique_ptr<PopupWindow>> popups_;
  DownloadSaver downloads_;
  SignalConnections signals_;  // declared last: disconnected first, while the view still exists
};

}  // namespace

std::unique_ptr<BrowserEngine> MakeWebKitEngine(WebEngineSession& session,
                                                const WebKitEngineServices& services) {
  return std::make_unique<WebKitEngine>(session, services);
}

}  // namespace tarravelle

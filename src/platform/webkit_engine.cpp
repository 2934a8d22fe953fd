#include "platform/webkit_engine.h"

#include <glibmm/main.h>
#include <glibmm/miscutils.h>
#include <gtkmm/box.h>
#include <unistd.h>
#include <webkit/webkit.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <list>

#include "platform/address_fixup.h"
#include "platform/builtin_scheme.h"
#include "platform/certificate_text.h"
#include "platform/desktop_special_folders.h"
#include "platform/download_saver.h"
#include "platform/find_bar.h"
#include "platform/page_printing.h"
#include "platform/page_properties.h"
#include "platform/page_saving.h"
#include "platform/popup_window.h"
#include "platform/signal_connections.h"

namespace tarravelle {
namespace {

constexpr std::int32_t kProgressMax = 10000;
constexpr unsigned kUnresponsiveMs = 3000;
constexpr std::string_view kAcceptCertificate = "tarravelle://accept-certificate";

std::string UriOf(WebKitWebView* view) {
  const char* uri = webkit_web_view_get_uri(view);
  return uri ? uri : "";
}

// The engine over one web view: operations become WebKit calls, and the view's signals (one
// table of them) become the engine's events.
class WebKitEngine final : public BrowserEngine {
 public:
  WebKitEngine(WebEngineSession& session, const WebKitEngineServices& services)
      : settings_(services.settings),
        history_(services.history),
        folderPages_(services.folderPages),
        prompts_(services.prompts),
        homePageGroup_(services.homePageGroup),
        settingsFile_(services.settingsFile),
        downloads_(services.downloadFolder, services.prompts,
                   [this](const std::string& text) { StatusTextChange.emit(text); }) {
    RegisterBuiltInScheme(WEBKIT_WEB_CONTEXT(session.NativeContext()),
                          {services.settingsFile, services.homePageGroup});
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
    static const std::array<SignalConnections::Signal, 10> kViewSignals{{
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
    }};
    signals_.ConnectAll(view_, kViewSignals, this);
    // Every view of the session hears of every download; each engine takes its own views'.
    signals_.Connect(session.Native(), "download-started", G_CALLBACK(OnDownloadStarted), this);
  }

  ~WebKitEngine() override {
    errorIdle_.disconnect();
    unresponsive_.disconnect();
    popups_.clear();
    dialogs_.clear();
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
    Unstick();
    // Nothing to open (a first start without a home page): the engine's own start page, which
    // says how to choose one.
    if (address.find_first_not_of(" \t\r\n") == std::string::npos) {
      webkit_web_view_load_uri(view_, kBuiltInStartPage);
      return true;
    }
    const auto fixed = FixUpAddress(address);
    if (fixed) retry_ = [this, uri = *fixed] { webkit_web_view_load_uri(view_, uri.c_str()); };
    if (!fixed) {
      // Refused, and the page says so and where such an address may come from.
      std::string text = "\u201C" + address + "\u201D is not an address that can be opened.";
      if (!settingsFile_.empty()) {
        text += "\nIf it is your home page, change the key HP of the group [" + homePageGroup_ +
                "] in " + settingsFile_ + ".";
      }
      failure_ = "Cannot open \u201C" + address + "\u201D: it is not a valid address";
      StatusTextChange.emit(failure_);
      ShowErrorPage("Address not valid", "This address cannot be opened", text,
                    "tarravelle://error/");
      return false;
    }
    webkit_web_view_load_uri(view_, fixed->c_str());
    return true;
  }

  // Shows the folder that the list names as a page of links.
  bool Navigate2(const std::vector<std::uint8_t>& itemIdList) override {
    Unstick();
    const auto folder = DecodeShellFolder(itemIdList);
    if (!folder || !folderPages_) return false;
    const auto html = folderPages_->FolderPage(*folder);
    if (!html) return false;
    const std::string base = "tarravelle://" + folder->kind + "/";
    webkit_web_view_load_html(view_, html->c_str(), base.c_str());
    return true;
  }

  bool GoBack() override {
    Unstick();
    if (!webkit_web_view_can_go_back(view_)) return false;
    retry_ = [this] { webkit_web_view_go_back(view_); };
    webkit_web_view_go_back(view_);
    return true;
  }

  bool GoForward() override {
    Unstick();
    if (!webkit_web_view_can_go_forward(view_)) return false;
    retry_ = [this] { webkit_web_view_go_forward(view_); };
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
    Unstick();
    if (!webkit_web_view_get_uri(view_)) return false;
    retry_ = [this] { webkit_web_view_reload(view_); };
    webkit_web_view_reload(view_);
    return true;
  }

  bool ExecWB(EngineCommand command, EngineCommandOption option,
              std::optional<int> input) override {
    // Every command works on a loaded page.
    if (!webkit_web_view_get_uri(view_)) return false;
    switch (command) {
      case EngineCommand::Cut: return Edit(WEBKIT_EDITING_COMMAND_CUT);
      case EngineCommand::Copy: return Edit(WEBKIT_EDITING_COMMAND_COPY);
      case EngineCommand::Paste: return Edit(WEBKIT_EDITING_COMMAND_PASTE);
      case EngineCommand::Undo: return Edit(WEBKIT_EDITING_COMMAND_UNDO);
      case EngineCommand::SelectAll: return Edit(WEBKIT_EDITING_COMMAND_SELECT_ALL);
      case EngineCommand::ClearSelection:
        // A focused field keeps its caret at the end of what was selected.
        RunScript(
            "(function(){var e=document.activeElement;"
            "if(e&&typeof e.selectionEnd==='number'){try{e.selectionStart=e.selectionEnd;}"
            "catch(x){}}else{window.getSelection().removeAllRanges();}})()");
        return true;
      case EngineCommand::Zoom: {
        if (!input || *input < 0 || *input >= static_cast<int>(std::size(kTextZoom))) {
          return false;
        }
        webkit_web_view_set_zoom_level(view_, kTextZoom[*input]);
        return true;
      }
      case EngineCommand::Print:
        printing_.Print(view_, Parent(), option != EngineCommandOption::DontPromptUser);
        return true;
      case EngineCommand::PageSetup: printing_.PageSetup(Parent()); return true;
      case EngineCommand::PrintPreview: printing_.Preview(view_, Parent()); return true;
      case EngineCommand::SaveAs: SavePageAs(view_, Parent(), prompts_); return true;
      case EngineCommand::Properties: {
        auto& dialog = Keep(std::make_unique<PropertiesWindow>(view_));
        if (auto* parent = Parent()) gtk_window_set_transient_for(dialog.gobj(), parent);
        dialog.present();
        return true;
      }
    }
    return false;
  }

  bool OpenFind() override {
    if (!webkit_web_view_get_uri(view_)) return false;
    if (!findBar_) {
      findBar_ = std::make_unique<FindBar>(view_);
      holder_.append(*findBar_);
    }
    findBar_->Open();
    return true;
  }

  bool SetDocumentDesignMode(const std::string& mode) override {
    if (!webkit_web_view_get_uri(view_)) return false;
    RunScript("document.designMode = " + std::string(mode == "On" ? "'on'" : "'off'"));
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

 private:
  // The window the view is shown in, the parent of the engine's dialogs; null when it is in none.
  GtkWindow* Parent() const {
    GtkRoot* root = gtk_widget_get_root(GTK_WIDGET(view_));
    return root && GTK_IS_WINDOW(root) ? GTK_WINDOW(root) : nullptr;
  }

  void RunScript(const std::string& script) {
    webkit_web_view_evaluate_javascript(view_, script.c_str(), -1, nullptr, nullptr, nullptr,
                                        nullptr, nullptr);
  }

  // An editing command runs when the page says it can run it at the moment.
  bool Edit(const char* command) {
    webkit_web_view_can_execute_editing_command(view_, command, nullptr, &OnCanEdit,
                                                g_strdup(command));
    return true;
  }

  static void OnCanEdit(GObject* view, GAsyncResult* result, gpointer data) {
    const GCharPtr command(static_cast<char*>(data));
    if (webkit_web_view_can_execute_editing_command_finish(WEBKIT_WEB_VIEW(view), result,
                                                           nullptr)) {
      webkit_web_view_execute_editing_command(WEBKIT_WEB_VIEW(view), command.get());
    }
  }

  // A dialog of the engine's own, deleted once it has been closed and its hide handled.
  template <typename Dialog>
  Dialog& Keep(std::unique_ptr<Dialog> dialog) {
    Dialog& kept = *dialog;
    Gtk::Window* window = &kept;
    dialogs_.push_back(std::move(dialog));
    kept.signal_hide().connect([this, window] {
      Glib::signal_idle().connect_once([alive = std::weak_ptr<bool>(alive_), this, window] {
        if (alive.expired()) return;
        dialogs_.remove_if([window](const auto& owned) { return owned.get() == window; });
      });
    });
    return kept;
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

  // A page that does not answer (a script in an endless loop) would hold every new navigation:
  // its web process is ended first, so the person always gets out.
  void Unstick() {
    if (webkit_web_view_get_is_web_process_responsive(view_)) return;
    endingStuckProcess_ = true;
    webkit_web_view_terminate_web_process(view_);
  }

  static void OnResponsiveness(GObject*, GParamSpec*, gpointer data) {
    auto* self = static_cast<WebKitEngine*>(data);
    self->unresponsive_.disconnect();
    if (webkit_web_view_get_is_web_process_responsive(self->view_)) return;
    // A navigation the stuck page holds up: its process is ended and the navigation tried again.
    if (self->retry_) {
      auto retry = std::move(self->retry_);
      self->retry_ = nullptr;
      self->endingStuckProcess_ = true;
      webkit_web_view_terminate_web_process(self->view_);
      retry();
      return;
    }
    // Said only when it lasts: a busy page often answers again within a moment.
    self->unresponsive_ = Glib::signal_timeout().connect(
        [self] {
          if (!webkit_web_view_get_is_web_process_responsive(self->view_)) {
            self->StatusTextChange.emit(
                "The page is not responding. Go to another page, or press Refresh, to stop it.");
          }
          return false;
        },
        kUnresponsiveMs);
  }

  // A web process that died leaves a page of the engine's own that says so; Refresh loads the
  // page again.
  static void OnWebProcessTerminated(WebKitWebView*, WebKitWebProcessTerminationReason reason,
                                     gpointer data) {
    auto* self = static_cast<WebKitEngine*>(data);
    self->unresponsive_.disconnect();
    const bool ours = self->endingStuckProcess_;
    self->endingStuckProcess_ = false;
    if (ours) return;  // ended on the way to another page, which follows at once
    const char* why = reason == WEBKIT_WEB_PROCESS_CRASHED ? "it crashed"
                      : reason == WEBKIT_WEB_PROCESS_EXCEEDED_MEMORY_LIMIT
                          ? "it used more memory than it may"
                          : "the program ended it";
    const std::string uri = UriOf(self->view_);
    self->loading_ = false;
    self->failure_ = "The page stopped: " + std::string(why);
    self->StatusTextChange.emit(self->failure_);
    self->ShowErrorPage("Page stopped", "This page stopped",
                        "The page " + uri + " stopped working because " + why +
                            ".\nPress Refresh to load it again.",
                        uri.empty() ? "tarravelle://error/" : uri);
  }

  // A page whose certificate is not trusted is not shown: the engine's own page says what is
  // wrong and offers, as a deliberate choice, to trust this certificate for this host.
  static gboolean OnTlsErrors(WebKitWebView*, gchar* uri, GTlsCertificate* certificate,
                              GTlsCertificateFlags errors, gpointer data) {
    auto* self = static_cast<WebKitEngine*>(data);
    const GUriPtr parsed(g_uri_parse(uri, G_URI_FLAGS_NONE, nullptr));
    const char* host = parsed ? g_uri_get_host(parsed.get()) : nullptr;
    if (!host) return FALSE;
    self->untrusted_ = Untrusted{
        uri, host, GObjectPtr<GTlsCertificate>(G_TLS_CERTIFICATE(g_object_ref(certificate)))};
    const std::string problems = CertificateProblems(certificate, errors);
    self->failure_ = "Not loaded: the certificate of " + std::string(host) + " is not trusted";
    self->StatusTextChange.emit(self->failure_);
    self->ShowErrorPage(
        "Untrusted connection", "This connection is not trusted",
        "Tarravelle did not load " + std::string(uri) + " because the certificate that " + host +
            " showed cannot be trusted: " + problems + ".\n" + CertificateDetails(certificate) +
            "\nSomeone may be pretending to be this site. Only go on if you know why the "
            "certificate is like this.",
        uri,
        "<form action=\"" + std::string(kAcceptCertificate) +
            "\" method=\"get\"><button type=\"submit\">Trust this certificate for " +
            HtmlText(host) + " until Tarravelle ends, and load the page</button></form>");
    return TRUE;
  }

  // The error page's button, pressed by the person: the certificate is trusted for its host in
  // this session, and the page loads again.
  bool AcceptUntrusted(WebKitNavigationAction* action) {
    // Only the form of the engine's own page, shown for this very refusal, gets this far.
    if (!untrusted_ || webkit_navigation_action_get_navigation_type(action) !=
                           WEBKIT_NAVIGATION_TYPE_FORM_SUBMITTED) {
      return false;
    }
    webkit_network_session_allow_tls_certificate_for_host(
        webkit_web_view_get_network_session(view_), untrusted_->certificate.get(),
        untrusted_->host.c_str());
    const std::string uri = untrusted_->uri;
    untrusted_.reset();
    webkit_web_view_load_uri(view_, uri.c_str());
    return true;
  }

  // A response the engine cannot show is saved, not dropped; the untrusted-certificate page's
  // button is the engine's own.
  static gboolean OnDecidePolicy(WebKitWebView*, WebKitPolicyDecision* decision,
                                 WebKitPolicyDecisionType type, gpointer data) {
    auto* self = static_cast<WebKitEngine*>(data);
    if (type == WEBKIT_POLICY_DECISION_TYPE_NAVIGATION_ACTION) {
      auto* action = webkit_navigation_policy_decision_get_navigation_action(
          WEBKIT_NAVIGATION_POLICY_DECISION(decision));
      const char* target = webkit_uri_request_get_uri(webkit_navigation_action_get_request(action));
      if (!target || !std::string_view(target).starts_with(kAcceptCertificate)) return FALSE;
      webkit_policy_decision_ignore(decision);
      self->AcceptUntrusted(action);
      return TRUE;
    }
    if (type != WEBKIT_POLICY_DECISION_TYPE_RESPONSE) return FALSE;
    auto* response = WEBKIT_RESPONSE_POLICY_DECISION(decision);
    if (webkit_response_policy_decision_is_mime_type_supported(response)) return FALSE;
    webkit_policy_decision_download(decision);
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

  // A page of the engine's own in place of one that could not be shown. Its load is quiet: the
  // program hears of it as one completed document, and the failure keeps the status line.
  void ShowErrorPage(const std::string& title, const std::string& heading, const std::string& text,
                     const std::string& address, const std::string& extraHtml = {}) {
    errorPage_ = ErrorPage::Pending;
    // Loaded once the failed load has ended: a page shown from inside its failure is lost.
    errorIdle_.disconnect();
    errorIdle_ = Glib::signal_idle().connect(
        [this, html = EnginePage(title, heading, text, extraHtml), address] {
          webkit_web_view_load_alternate_html(view_, html.c_str(), address.c_str(), nullptr);
          return false;
        });
  }

  // Events of the engine's own error page: only its end is told, as the end of the failed load.
  void ErrorPageLoadChanged(WebKitLoadEvent event, const std::string& uri) {
    if (event == WEBKIT_LOAD_STARTED) errorPage_ = ErrorPage::Loading;
    if (event != WEBKIT_LOAD_FINISHED || errorPage_ != ErrorPage::Loading) return;
    errorPage_ = ErrorPage::None;
    loading_ = false;
    ProgressChange.emit(-1, kProgressMax);
    DownloadComplete.emit();
    NavigateComplete2.emit(EngineFrame{}, uri);
    DocumentComplete.emit(EngineFrame{}, uri);
    if (!failure_.empty()) StatusTextChange.emit(failure_);
  }

  // Whether an event belongs to the empty document of Prepare, which is not told.
  bool OfPreparation(const std::string& uri, bool ended) {
    if (!preparing_ || uri != "about:blank") return false;
    if (ended) preparing_ = false;
    return true;
  }

  static void OnLoadChanged(WebKitWebView* view, WebKitLoadEvent event, gpointer data) {
    auto* self = static_cast<WebKitEngine*>(data);
    const std::string uri = UriOf(view);
    if (self->OfPreparation(uri, event == WEBKIT_LOAD_FINISHED)) return;
    if (self->errorPage_ != ErrorPage::None) return self->ErrorPageLoadChanged(event, uri);
    switch (event) {
      case WEBKIT_LOAD_STARTED:
        self->loading_ = true;
        self->loadFailed_ = false;
        self->failure_.clear();
        self->untrusted_.reset();
        self->lastVisit_ = 0;
        self->lastProgress_ = -1;
        self->DownloadBegin.emit();
        self->StatusTextChange.emit("Opening page " + uri + "...");
        break;
      case WEBKIT_LOAD_REDIRECTED:
        self->StatusTextChange.emit("Redirecting to " + uri + "...");
        break;
      case WEBKIT_LOAD_COMMITTED:
        self->retry_ = nullptr;
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
    if (self->OfPreparation(uri ? uri : "", true)) return TRUE;
    const bool cancelled =
        g_error_matches(error, WEBKIT_NETWORK_ERROR, WEBKIT_NETWORK_ERROR_CANCELLED) ||
        g_error_matches(error, WEBKIT_POLICY_ERROR,
                        WEBKIT_POLICY_ERROR_FRAME_LOAD_INTERRUPTED_BY_POLICY_CHANGE);
    self->loadFailed_ = true;
    if (cancelled) return FALSE;
    const std::string address = uri ? uri : "";
    self->failure_ = "Cannot open " + address + ": " + error->message;
    self->StatusTextChange.emit(self->failure_);
    self->ShowErrorPage(
        "Cannot open page", "This page could not be opened",
        "Tarravelle could not open " + address + ".\nThe reason: " + error->message +
            ".\nCheck the address and your connection, then " + "press Refresh to try again.",
        address);
    return TRUE;
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

  // Pages of the web and of files are history; the program's own pages are not.
  void RecordVisit(const std::string& uri) {
    if (!history_ || loadFailed_) return;
    if (!(uri.starts_with("http://") || uri.starts_with("https://") || uri.starts_with("file:"))) {
      return;
    }
    const char* title = webkit_web_view_get_title(view_);
    lastVisit_ = history_->Record(uri, title ? title : "", g_get_real_time() / G_USEC_PER_SEC);
  }

  const SettingsStore& settings_;
  BrowsingHistory* history_;
  FolderPageSource* folderPages_;
  Prompts* prompts_;
  std::string homePageGroup_;
  std::string settingsFile_;
  // The engine's own error page: about to load, loading, or none.
  enum class ErrorPage { None, Pending, Loading } errorPage_ = ErrorPage::None;
  std::string failure_;  // why the last load failed, until the next starts
  // The page refused for its certificate, while its page of the engine's own is shown.
  struct Untrusted {
    std::string uri;
    std::string host;
    GObjectPtr<GTlsCertificate> certificate;
  };
  std::optional<Untrusted> untrusted_;
  sigc::connection errorIdle_;
  sigc::connection unresponsive_;
  bool endingStuckProcess_ = false;
  // The navigation asked for and not yet under way, to try again past a stuck page.
  std::function<void()> retry_;
  std::int64_t lastVisit_ = 0;
  bool loadFailed_ = false;
  bool loading_ = false;
  // The empty document of Prepare is loading.
  bool preparing_ = false;
  std::int32_t lastProgress_ = -1;
  std::string hoverLink_;
  Gtk::Box holder_;
  WebKitWebView* view_ = nullptr;  // a child of holder_, which keeps it alive
  std::list<std::unique_ptr<PopupWindow>> popups_;
  std::list<std::unique_ptr<Gtk::Window>> dialogs_;
  std::unique_ptr<FindBar> findBar_;
  PagePrinting printing_;
  DownloadSaver downloads_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  SignalConnections signals_;  // declared last: disconnected first, while the view still exists
};

}  // namespace

unsigned WebEngineSession::WebProcessMemoryLimitMb() {
  const long pages = sysconf(_SC_PHYS_PAGES);
  const long pageSize = sysconf(_SC_PAGESIZE);
  if (pages <= 0 || pageSize <= 0) return 2048;
  const auto quarter = static_cast<unsigned long long>(pages) *
                       static_cast<unsigned long long>(pageSize) / 4 / (1024 * 1024);
  return static_cast<unsigned>(std::max<unsigned long long>(quarter, 512));
}

WebEngineSession::WebEngineSession(std::optional<std::string> dataFolder) {
  const CHandle<WebKitMemoryPressureSettings, webkit_memory_pressure_settings_free> memory(
      webkit_memory_pressure_settings_new());
  webkit_memory_pressure_settings_set_memory_limit(memory.get(), WebProcessMemoryLimitMb());
  context_.reset(G_OBJECT(
      g_object_new(WEBKIT_TYPE_WEB_CONTEXT, "memory-pressure-settings", memory.get(), nullptr)));
  if (dataFolder) {
    const std::string cache = Glib::build_filename(Glib::get_user_cache_dir(), "tarravelle");
    session_.reset(G_OBJECT(webkit_network_session_new(dataFolder->c_str(), cache.c_str())));
  } else {
    session_.reset(G_OBJECT(webkit_network_session_new_ephemeral()));
  }
}

std::unique_ptr<BrowserEngine> MakeWebKitEngine(WebEngineSession& session,
                                                const WebKitEngineServices& services) {
  return std::make_unique<WebKitEngine>(session, services);
}

}  // namespace tarravelle

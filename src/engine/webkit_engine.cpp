#include "engine/webkit_engine.h"

#include <glibmm/main.h>
#include <gtkmm/box.h>
#include <webkit/webkit.h>

#include "engine/address_fixup.h"
#include "engine/builtin_scheme.h"
#include "engine/engine_pages.h"
#include "engine/page_tools.h"
#include "engine/view_events.h"
#include "ports/shell_folder_list.h"

namespace tarravelle {
namespace {

// The engine over one web view: its calls become WebKit calls and the view's signals its events;
// what hangs off the view (page tools, the engine's pages, visits, dialogs, pop-ups, downloads)
// has classes of its own.
class WebKitEngine final : public BrowserEngine {
 public:
  WebKitEngine(WebEngineSession& session, const WebKitEngineServices& services)
      : settings_(services.settings),
        folderPages_(services.folderPages),
        settingsFile_(services.settingsFile),
        homePage_{services.homePage, services.homePageGroup},
        visits_(services.history),
        popups_([this](const std::string& url) {
          NewWindowRequest request{.url = url};
          NewWindow2.emit(request);
          return !request.Cancel;
        }),
        downloads_(services.downloadFolder, services.prompts, services.notifications,
                   [this](const std::string& text) { StatusTextChange.emit(text); }) {
    RegisterBuiltInScheme(WEBKIT_WEB_CONTEXT(session.NativeContext()),
                          {services.settingsFile, services.homePageGroup, &services.settings});
    view_ = WEBKIT_WEB_VIEW(g_object_new(WEBKIT_TYPE_WEB_VIEW, "network-session", session.Native(),
                                         "web-context", session.NativeContext(), nullptr));
    // Script pop-ups must reach NewWindow2, so the program's switch decides rather than WebKit.
    webkit_settings_set_javascript_can_open_windows_automatically(
        webkit_web_view_get_settings(view_), TRUE);
    // The text size changes the text only, not the pictures and the layout around it.
    webkit_settings_set_zoom_text_only(webkit_web_view_get_settings(view_), TRUE);
    holder_.set_orientation(Gtk::Orientation::VERTICAL);
    // A group, which a screen reader announces by the name the window gives it; GTK 4.14 and
    // later read no name of a plain box.
    g_object_set(holder_.gobj(), "accessible-role", GTK_ACCESSIBLE_ROLE_GROUP, nullptr);
    gtk_widget_set_hexpand(GTK_WIDGET(view_), TRUE);
    gtk_widget_set_vexpand(GTK_WIDGET(view_), TRUE);
    gtk_box_append(holder_.gobj(), GTK_WIDGET(view_));
    tools_ = std::make_unique<PageTools>(view_, holder_, services.prompts);
    pages_ = std::make_unique<EnginePageShower>(view_, *this);
    stuck_ = std::make_unique<StuckPageRecovery>(
        view_, [this](const std::string& text) { StatusTextChange.emit(text); });
    dialogs_ = std::make_unique<ScriptDialogs>(view_);
    events_ = std::make_unique<ViewEvents>(
        EngineParts{view_, *this, *pages_, visits_, trust_, *stuck_, *dialogs_, popups_, downloads_,
                    settings_, settingsFile_},
        session);
  }

  Gtk::Widget& Widget() override { return holder_; }

  // An empty document starts the page process; WebKit keeps a document loaded without a base
  // address out of the back list, and its events stop here.
  void Prepare() override {
    if (webkit_web_view_get_uri(view_)) return;
    events_->Preparing();
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
      const bool homePage = !homePage_.group.empty() && homePage_.text == address;
      pages_->Show(RefusedAddressPage(
          address, homePage ? HomePageSetting{settingsFile_, homePage_.group} : HomePageSetting{}));
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
    // A page the engine's own is on its way to replace (it crashed a moment ago) is loaded
    // afresh: reloading the view then would reload the engine's page.
    const auto replaced = pages_->Replacing();
    Leave();
    if (replaced) {
      Load([this, uri = *replaced] { webkit_web_view_load_uri(view_, uri.c_str()); });
      return true;
    }
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
    if (auto text = pages_->StandsFor()) return text;
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
  // The focus may sit on the view or, with newer GTK, on a widget inside it.
  bool HasFocus() const override {
    GtkRoot* root = gtk_widget_get_root(GTK_WIDGET(view_));
    GtkWidget* focus = root ? gtk_root_get_focus(root) : nullptr;
    return focus && (focus == GTK_WIDGET(holder_.gobj()) ||
                     gtk_widget_is_ancestor(focus, GTK_WIDGET(holder_.gobj())));
  }

 private:
  // A navigation the person starts always leaves the page: a page stuck in a loop is ended, and
  // a dialog it holds open is cancelled, with the rest of its dialogs.
  void Leave() {
    // The engine's page about to be shown (a page that just crashed) gives way to what the
    // person asks for.
    pages_->Cancel();
    // A page waiting on its dialog may well open the next one at once (a loop): it is ended.
    if (dialogs_->Leave()) return stuck_->End();
    stuck_->Unstick();
  }

  // Starts a navigation, made again should a stuck page hold it up.
  void Load(std::function<void()> navigate) {
    stuck_->Expect(navigate);
    navigate();
  }

  const SettingsStore& settings_;
  FolderPageSource* folderPages_;
  std::string settingsFile_;
  struct {
    std::string text, group;
  } homePage_;
  CertificateTrust trust_;
  VisitRecorder visits_;
  Gtk::Box holder_;
  WebKitWebView* view_ = nullptr;  // a child of holder_, which keeps it alive
  std::unique_ptr<PageTools> tools_;
  std::unique_ptr<StuckPageRecovery> stuck_;
  std::unique_ptr<ScriptDialogs> dialogs_;
  std::unique_ptr<EnginePageShower> pages_;
  PopupWindows popups_;
  DownloadSaver downloads_;
  // Declared last: disconnected first, while the view and the rest still exist.
  std::unique_ptr<ViewEvents> events_;
};

}  // namespace

std::unique_ptr<BrowserEngine> MakeWebKitEngine(WebEngineSession& session,
                                                const WebKitEngineServices& services) {
  return std::make_unique<WebKitEngine>(session, services);
}

}  // namespace tarravelle

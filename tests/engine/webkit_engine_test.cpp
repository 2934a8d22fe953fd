// The WebKitGTK engine against pages of a local web server.
#include "engine/webkit_engine.h"

#include <glib/gstdio.h>
#include <gtest/gtest.h>
#include <gtkmm/checkbutton.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "engine/download_saver.h"
#include "engine/page_properties.h"
#include "engine/webkit_engine_fixture.h"
#include "ports/shell_folder_list.h"

namespace tarravelle {
namespace {

TEST_F(WebKitEngineTest, FullLoadRaisesEveryEventInTheUsualOrder) {
  server_.AddPage("/page",
                  "<html><head><title>  A Title With Spaces </title></head>"
                  "<body><p>Hello</p></body></html>");
  const std::string url = server_.Url("/page");
  Load(url);
  ASSERT_FALSE(log_.empty());
  EXPECT_EQ(log_.front(), "DownloadBegin");
  const size_t navigated = IndexOf("NavigateComplete2 " + url);
  const size_t downloaded = IndexOf("DownloadComplete");
  const size_t completed = IndexOf("DocumentComplete " + url);
  const size_t ended = IndexOf("Progress -1/10000");
  EXPECT_LT(IndexOf("Status Opening page"), navigated);
  EXPECT_LT(navigated, ended);
  EXPECT_LT(ended, downloaded);
  EXPECT_LT(downloaded, completed);
  // Only the title, which comes from the page's process, may arrive after the document.
  for (size_t i = completed + 1; i < log_.size(); ++i) {
    EXPECT_TRUE(log_[i].starts_with("Title ")) << log_[i];
  }
  // The title may come from the page's process after the load has finished.
  ASSERT_TRUE(test::PumpUntil([&] { return IndexOf("Title ") < log_.size(); }, 5000));
  EXPECT_EQ(log_[IndexOf("Title ")], "Title A Title With Spaces");
  EXPECT_EQ(engine_->LocationURL(), url);
  EXPECT_EQ(engine_->LocationName(), "A Title With Spaces");
  for (const auto& entry : log_) {
    if (!entry.starts_with("Progress ") || entry == "Progress -1/10000") continue;
    const int progress = std::stoi(entry.substr(9));
    EXPECT_GE(progress, 0) << entry;
    EXPECT_LE(progress, 10000) << entry;
  }
}

TEST_F(WebKitEngineTest, PrepareStartsThePageProcessUnseenAndLeavesNothingToGoBackTo) {
  server_.AddPage("/first", "<title>First</title>");
  engine_->Prepare();
  ASSERT_TRUE(test::PumpUntil([&] {
    return webkit_web_view_get_page_id(View()) != 0 && !webkit_web_view_is_loading(View());
  }));
  test::PumpFor(100);
  EXPECT_NE(webkit_web_view_get_uri(View()), nullptr);  // a document, so a page process, is there
  EXPECT_TRUE(log_.empty());                            // but nothing of it is told
  Load(server_.Url("/first"));
  EXPECT_EQ(log_.front(), "DownloadBegin");
  EXPECT_LT(IndexOf("DocumentComplete " + server_.Url("/first")), log_.size());
  EXPECT_FALSE(engine_->GoBack());
}

TEST_F(WebKitEngineTest, UntitledPageIsNamedByItsAddressAndNothingBeforeALoad) {
  EXPECT_EQ(engine_->LocationURL(), std::nullopt);
  EXPECT_EQ(engine_->LocationName(), std::nullopt);
  server_.AddPage("/plain", "<html><body>No title</body></html>");
  Load(server_.Url("/plain"));
  EXPECT_EQ(engine_->LocationName(), server_.Url("/plain"));
}

TEST_F(WebKitEngineTest, AddressWithoutSchemeLoadsOverHttp) {
  server_.AddPage("/bare", "<title>Bare</title>");
  Load(server_.HostAndPort("/bare"));
  EXPECT_EQ(engine_->LocationURL(), server_.Url("/bare"));
  EXPECT_EQ(server_.RequestCount("/bare"), 1);
}

TEST_F(WebKitEngineTest, MalformedAddressesAreRefusedWithAPageThatSaysSoAndNothingOpensTheStart) {
  EXPECT_FALSE(engine_->Refresh());  // nothing loaded yet
  EXPECT_FALSE(engine_->Navigate("http://"));
  EXPECT_FALSE(engine_->Navigate("two words"));
  EXPECT_TRUE(TitleBecomes("Not an address"));
  // The program hears of the page under the text as typed, which the address bar keeps.
  EXPECT_TRUE(test::PumpUntil([&] { return IndexOf("DocumentComplete two words") < log_.size(); }));
  EXPECT_EQ(server_.RequestCount("/"), 0);
  // With no home page set, the window's empty address opens the start page, which says how.
  WaitForNextDocument([&] { return engine_->Navigate(""); });
  EXPECT_EQ(engine_->LocationURL(), "tarravelle://start");
}

TEST_F(WebKitEngineTest, AFailedLoadShowsTheReasonOnAPageAndKeepsItOnTheStatusLine) {
  // Nothing listens on port 2; port 25 is one the engine refuses to let a page reach.
  for (const std::string address : {"http://127.0.0.1:2/", "http://127.0.0.1:25/"}) {
    SCOPED_TRACE(address);
    log_.clear();
    Load(address);
    EXPECT_TRUE(TitleBecomes("Cannot open page"));
    EXPECT_EQ(engine_->LocationURL(), address);
    // The failure is the status line's last word, after the document is complete.
    const auto lastStatus = std::find_if(log_.rbegin(), log_.rend(), [](const std::string& entry) {
      return entry.starts_with("Status ");
    });
    ASSERT_NE(lastStatus, log_.rend());
    EXPECT_TRUE(lastStatus->starts_with("Status Cannot open " + address + ": ")) << *lastStatus;
    EXPECT_GT(static_cast<size_t>(log_.rend() - lastStatus), IndexOf("DocumentComplete"));
  }
}

TEST_F(WebKitEngineTest, BackForwardAndRefreshMoveThroughTheEnginesHistory) {
  server_.AddPage("/one", "<title>One</title>");
  server_.AddPage("/two", "<title>Two</title>");
  EXPECT_FALSE(engine_->GoBack());
  EXPECT_FALSE(engine_->GoForward());
  Load(server_.Url("/one"));
  Load(server_.Url("/two"));
  WaitForNextDocument([&] { return engine_->GoBack(); });
  EXPECT_EQ(engine_->LocationURL(), server_.Url("/one"));
  WaitForNextDocument([&] { return engine_->GoForward(); });
  EXPECT_EQ(engine_->LocationURL(), server_.Url("/two"));
  EXPECT_FALSE(engine_->GoForward());
  const int requests = server_.RequestCount("/two");
  WaitForNextDocument([&] { return engine_->Refresh(); });
  EXPECT_EQ(server_.RequestCount("/two"), requests + 1);
}

TEST_F(WebKitEngineTest, StopEndsASlowLoadWithoutWaitingForIt) {
  server_.AddPage("/fast", "<title>Fast</title>");
  server_.AddSlowPage("/slow", "<title>Slow</title>", 15000);
  Load(server_.Url("/fast"));
  ASSERT_TRUE(engine_->Navigate(server_.Url("/slow")));
  ASSERT_TRUE(test::PumpUntil([&] { return server_.RequestCount("/slow") == 1; }));
  const int before = completed_;
  EXPECT_TRUE(engine_->Stop());
  ASSERT_TRUE(test::PumpUntil([&] { return completed_ > before; }, 5000));
  EXPECT_NE(engine_->LocationName(), "Slow");
}

TEST_F(WebKitEngineTest, TheStartPageAndStatusLineSayWhenTheSettingsCannotBeRead) {
  ASSERT_EQ(g_mkdir(dir_.File("settings.ini").c_str(), 0700), 0);  // a folder in its place
  WaitForNextDocument([&] { return engine_->Navigate(""); });
  // The page's title may still come after it; the status line's last word is this.
  const auto status = std::find_if(log_.rbegin(), log_.rend(), [](const std::string& entry) {
    return entry.starts_with("Status ");
  });
  ASSERT_NE(status, log_.rend());
  EXPECT_EQ(*status,
            "Status Settings not read: " + dir_.File("settings.ini") + ": not a regular file");
}

TEST_F(WebKitEngineTest, HomeIsTheBuiltInStartPageUnlessTheEngineSettingNamesOne) {
  WaitForNextDocument([&] { return engine_->GoHome(); });
  EXPECT_EQ(engine_->LocationURL(), "tarravelle://start");
  EXPECT_TRUE(test::PumpUntil([&] { return engine_->LocationName() == "Tarravelle start page"; }));
  // With or without a trailing slash.
  Load("tarravelle://start/");
  EXPECT_TRUE(TitleBecomes("Tarravelle start page"));

  server_.AddPage("/home", "<title>My home</title>");
  dir_.Write("settings.ini",
             "[Tarravelle Engine\\Main]\nStart Page=" + server_.HostAndPort("/home") + "\n");
  WaitForNextDocument([&] { return engine_->GoHome(); });
  EXPECT_EQ(engine_->LocationURL(), server_.Url("/home"));
}

TEST_F(WebKitEngineTest, CancelledScriptPopupNeverReachesTheServer) {
  server_.AddPage("/opener", "<title>Opener</title><script>window.open('/popup');</script>");
  server_.AddPage("/popup", "<title>Popup</title>");
  cancelNewWindows_ = true;
  Load(server_.Url("/opener"));
  ASSERT_TRUE(test::PumpUntil([&] { return IndexOf("NewWindow2") < log_.size(); }));
  EXPECT_EQ(log_[IndexOf("NewWindow2")], "NewWindow2 " + server_.Url("/popup"));
  test::PumpFor(500);
  EXPECT_EQ(server_.RequestCount("/popup"), 0);
}

TEST_F(WebKitEngineTest, AllowedScriptPopupOpensInAWindowOfItsOwn) {
  server_.AddPage("/opener", "<title>Opener</title><script>window.open('/popup');</script>");
  server_.AddPage("/popup", "<title>Popup</title>");
  cancelNewWindows_ = false;
  Load(server_.Url("/opener"));
  ASSERT_TRUE(test::PumpUntil([&] { return server_.RequestCount("/popup") == 1; }));
  // The pop-up's load is not the page view's: the engine's own address is unchanged.
  EXPECT_EQ(engine_->LocationURL(), server_.Url("/opener"));
}

TEST_F(WebKitEngineTest, CompletedPageLoadsAreRecordedInTheHistory) {
  server_.AddPage("/kept", "<title>Kept page</title>");
  Load(server_.Url("/kept"));
  ASSERT_TRUE(test::PumpUntil([&] {
    auto visits = history_.Recent(10);
    return !visits.empty() && visits[0].title == "Kept page";
  }));
  EXPECT_EQ(history_.Recent(10)[0].url, server_.Url("/kept"));
  // Neither a page that cannot be reached nor the program's own pages are history.
  Load("http://127.0.0.1:1/");
  WaitForNextDocument([&] { return engine_->GoHome(); });
  EXPECT_EQ(history_.Recent(10).size(), 1u);
}

TEST_F(WebKitEngineTest, Navigate2ShowsTheNamedFolderAsAPageOfLinks) {
  dir_.Write("Favorites/Example.url", "[InternetShortcut]\nURL=" + server_.Url("/fav") + "\n");
  WaitForNextDocument([&] {
    return engine_->Navigate2(EncodeShellFolder({"favorites", dir_.File("Favorites")}));
  });
  EXPECT_EQ(engine_->LocationURL(), "tarravelle://favorites/");
  EXPECT_TRUE(test::PumpUntil([&] { return engine_->LocationName() == "Favorites"; }));

  WaitForNextDocument([&] {
    return engine_->Navigate2(EncodeShellFolder({"history", dir_.File("history.sqlite")}));
  });
  EXPECT_TRUE(test::PumpUntil([&] { return engine_->LocationName() == "History"; }));

  EXPECT_FALSE(engine_->Navigate2({}));
  EXPECT_FALSE(engine_->Navigate2({4, 0, 'x', 'y', 0, 0}));
  EXPECT_FALSE(engine_->Navigate2(EncodeShellFolder({"printers", "/"})));
}

TEST_F(WebKitEngineTest, DesignModeNeedsADocument) {
  EXPECT_FALSE(engine_->SetDocumentDesignMode("On"));
  server_.AddPage("/doc", "<title>Doc</title><body>text</body>");
  Load(server_.Url("/doc"));
  EXPECT_TRUE(engine_->SetDocumentDesignMode("On"));
  EXPECT_TRUE(engine_->SetDocumentDesignMode("Off"));
}

TEST_F(WebKitEngineTest, VisibilityAndFocus) {
  EXPECT_TRUE(engine_->Visible());
  engine_->SetVisible(false);
  EXPECT_FALSE(engine_->Visible());
  engine_->SetVisible(true);
  ASSERT_TRUE(test::PumpUntil([&] { return window_.get_mapped(); }));
  EXPECT_TRUE(engine_->Focus());
  EXPECT_TRUE(engine_->HasFocus());
}

TEST_F(WebKitEngineTest, DownloadsNeverReplaceAFileAndTellTheirProgress) {
  const auto read = [&](const std::string& name) {
    std::ifstream file(dir_.File(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  };
  dir_.Write("Downloads/file.zip", "mine");
  server_.AddPage("/page", "<title>Page</title>");
  server_.AddPage("/file.zip", std::string(4096, 'z'), "application/zip");
  Load(server_.Url("/page"));
  ASSERT_TRUE(engine_->Navigate(server_.Url("/file.zip")));
  const std::string saved = dir_.File("Downloads/file (1).zip");
  ASSERT_TRUE(test::PumpUntil([&] {
    return std::ranges::any_of(
        log_, [](const std::string& entry) { return entry.starts_with("Status Saved file.zip"); });
  })) << testing::PrintToString(log_);
  EXPECT_EQ(read("Downloads/file.zip"), "mine");
  EXPECT_EQ(read("Downloads/file (1).zip"), std::string(4096, 'z'));
  EXPECT_LT(IndexOf("Status Saving file.zip: "), IndexOf("Status Saved file.zip to " + saved));
  // Told in a way that lasts too, offering the folder.
  ASSERT_EQ(notices_.sent.size(), 1u);
  EXPECT_EQ(notices_.sent[0].title, "Download finished");
  EXPECT_EQ(notices_.sent[0].body, "Saved file.zip to " + saved);
  EXPECT_EQ(notices_.sent[0].folder, dir_.File("Downloads"));
  // The page's properties stay the page's, not the download's.
  EXPECT_EQ(PageProperties(View())[4].second, "text/html");
  EXPECT_EQ(UniqueDownloadPath(dir_.File("Downloads"), "file.zip"),
            dir_.File("Downloads/file (2).zip"));
  EXPECT_EQ(UniqueDownloadPath(dir_.File("Downloads"), "README"), dir_.File("Downloads/README"));
}

TEST_F(WebKitEngineTest, AnUntrustedCertificateIsExplainedAndOnlyTrustedOnPurpose) {
  test::LocalWebServer https(test::LocalWebServer::Scheme::SelfSignedHttps);
  https.AddPage("/secret", "<title>Secret page</title>");
  Load(https.Url("/secret"));
  EXPECT_TRUE(TitleBecomes("Untrusted connection"));
  EXPECT_EQ(https.RequestCount("/secret"), 0);
  const auto lastStatus = std::find_if(log_.rbegin(), log_.rend(), [](const std::string& entry) {
    return entry.starts_with("Status ");
  });
  ASSERT_NE(lastStatus, log_.rend());
  EXPECT_EQ(*lastStatus, "Status Not loaded: the certificate of 127.0.0.1 is not trusted");
  // Every other way to the acceptance address is refused, even from the explaining page itself:
  // a form without the page's token, a script or a link with it. Each is decided before the next.
  struct Decisions {
    static gboolean Count(GSignalInvocationHint*, guint, const GValue* values, gpointer data) {
      if (g_value_get_enum(&values[2]) != WEBKIT_POLICY_DECISION_TYPE_NAVIGATION_ACTION)
        return TRUE;
      auto* action = webkit_navigation_policy_decision_get_navigation_action(
          WEBKIT_NAVIGATION_POLICY_DECISION(g_value_get_object(&values[1])));
      const std::string target =
          webkit_uri_request_get_uri(webkit_navigation_action_get_request(action));
      if (target.starts_with("tarravelle://accept-certificate")) ++*static_cast<int*>(data);
      return TRUE;
    }
  };
  int decided = 0;
  const guint decidePolicy = g_signal_lookup("decide-policy", WEBKIT_TYPE_WEB_VIEW);
  const gulong hook =
      g_signal_add_emission_hook(decidePolicy, 0, &Decisions::Count, &decided, nullptr);
  const std::string withToken =
      "document.forms[0].action + '?token=' + document.forms[0].token.value";
  for (const std::string& forgery :
       {std::string("const f = document.createElement('form'); f.action = document.forms[0].action;"
                    "document.body.append(f); f.submit()"),
        "location.href = " + withToken,
        "const a = document.createElement('a'); a.href = " + withToken +
            "; document.body.append(a); a.click()"}) {
    const int before = decided;
    webkit_web_view_evaluate_javascript(View(), forgery.c_str(), -1, nullptr, nullptr, nullptr,
                                        nullptr, nullptr);
    EXPECT_TRUE(test::PumpUntil([&] { return decided > before; })) << forgery;
  }
  g_signal_remove_emission_hook(decidePolicy, hook);
  test::PumpFor(300);
  EXPECT_EQ(engine_->LocationName(), "Untrusted connection");
  EXPECT_EQ(https.RequestCount("/secret"), 0);
  // The page's own button, pressed: the certificate is trusted for this host and the page loads.
  webkit_web_view_evaluate_javascript(View(), "document.forms[0].submit()", -1, nullptr, nullptr,
                                      nullptr, nullptr, nullptr);
  EXPECT_TRUE(TitleBecomes("Secret page"));
  EXPECT_EQ(https.RequestCount("/secret"), 1);
}

TEST_F(WebKitEngineTest, AStoppedPageSaysSoAndRefreshLoadsItAgain) {
  server_.AddPage("/page", "<title>Page</title>");
  Load(server_.Url("/page"));
  webkit_web_view_terminate_web_process(View());
  EXPECT_TRUE(TitleBecomes("Page stopped"));
  EXPECT_TRUE(std::ranges::any_of(log_, [](const std::string& entry) {
    return entry == "Status The page stopped: the program ended it";
  }));
  WaitForNextDocument([&] { return engine_->Refresh(); });
  EXPECT_TRUE(TitleBecomes("Page"));
  EXPECT_EQ(server_.RequestCount("/page"), 2);
  // Refresh pressed the moment the status line says so is not lost to the stopped page.
  bool refreshed = false;
  auto pressed = engine_->StatusTextChange.connect([&](const std::string& text) {
    if (text.starts_with("The page stopped") && !refreshed) refreshed = engine_->Refresh();
  });
  webkit_web_view_terminate_web_process(View());
  ASSERT_TRUE(test::PumpUntil([&] { return refreshed; }));
  EXPECT_TRUE(test::PumpUntil([&] { return server_.RequestCount("/page") == 3; }));
  EXPECT_TRUE(TitleBecomes("Page"));
  test::PumpFor(500);
  EXPECT_EQ(engine_->LocationName(), "Page");
  pressed.disconnect();
}

// A page that loops on alert() never traps the person: its dialogs come in a window of their
// own, offer to stop the page's dialogs when they come in quick succession, and a navigation
// leaves the page, whether a dialog is open or the person has stopped them.
TEST_F(WebKitEngineTest, APageLoopingOnDialogsOffersToStopThemAndANavigationLeavesIt) {
  server_.AddPage("/trap",
                  "<title>Trap</title><script>setTimeout(function () { for (;;) alert('trap'); }, "
                  "100);</script>");
  server_.AddPage("/after", "<title>After</title>");
  const auto dialog = [] {
    for (auto* window : Gtk::Window::list_toplevels()) {
      if (window->get_visible() && std::string(window->get_title()).starts_with("Message from")) {
        return window;
      }
    }
    return static_cast<Gtk::Window*>(nullptr);
  };
  const auto stopOffer = [](Gtk::Widget* widget) -> Gtk::CheckButton* {
    for (std::vector<Gtk::Widget*> open{widget}; !open.empty();) {
      Gtk::Widget* next = open.back();
      open.pop_back();
      if (auto* check = dynamic_cast<Gtk::CheckButton*>(next)) {
        return check->get_visible() ? check : nullptr;
      }
      for (auto* child = next->get_first_child(); child; child = child->get_next_sibling()) {
        open.push_back(child);
      }
    }
    return nullptr;
  };
  // The dialogs come one after another; the second offers to stop them.
  const auto trapped = [&] {
    Gtk::Window* shown = nullptr;
    if (!test::PumpUntil([&] { return (shown = dialog()); })) return shown;
    EXPECT_EQ(stopOffer(shown), nullptr);
    shown->close();
    test::PumpUntil([&] { return (shown = dialog()) && stopOffer(shown); });
    return shown;
  };
  ASSERT_TRUE(engine_->Navigate(server_.Url("/trap")));
  Gtk::Window* shown = trapped();
  ASSERT_TRUE(shown && stopOffer(shown));
  // Going to another page while the dialog is open leaves the page.
  ASSERT_TRUE(engine_->Navigate(server_.Url("/after")));
  EXPECT_TRUE(TitleBecomes("After"));
  EXPECT_EQ(dialog(), nullptr);

  // Stopped, the page's dialogs are answered at once and its loop spins: Stop, and any
  // navigation, still leave it at once.
  for (const bool stop : {true, false}) {
    ASSERT_TRUE(engine_->Navigate(server_.Url("/trap")));
    shown = trapped();
    ASSERT_TRUE(shown && stopOffer(shown));
    stopOffer(shown)->set_active(true);
    shown->close();
    test::PumpFor(300);
    EXPECT_EQ(dialog(), nullptr);
    if (stop) {
      engine_->Stop();
      EXPECT_TRUE(TitleBecomes("Page stopped"));
    } else {
      ASSERT_TRUE(engine_->Navigate(server_.Url("/after")));
      EXPECT_TRUE(TitleBecomes("After"));
    }
  }
}

TEST_F(WebKitEngineTest, APageStuckInALoopIsEndedByTheNextNavigation) {
  server_.AddPage("/stuck",
                  "<title>Stuck</title><script>setTimeout(function(){for(;;){}},50)</script>");
  server_.AddPage("/free", "<title>Free</title>");
  Load(server_.Url("/stuck"));
  test::PumpFor(200);  // the loop has begun
  // The navigation waits on the stuck page until the engine finds it unresponsive, ends its
  // process and navigates again.
  ASSERT_TRUE(engine_->Navigate(server_.Url("/free")));
  EXPECT_TRUE(test::PumpUntil([&] { return engine_->LocationName() == "Free"; }, 20000));
}

// A page that grows without end is stopped within seconds of crossing its limit (here a low one,
// as the settings' "Page Memory Limit" gives), and the window goes on.
TEST(WebEngineSession, APagePastTheMemoryLimitIsStoppedAndTheViewGoesOn) {
  test::TempDir dir;
  test::LocalWebServer server;
  server.AddPage("/hungry",
                 "<title>Hungry</title><script>var keep = []; setInterval(function () {"
                 "keep.push(new Float64Array(1 << 19).fill(1)); }, 20);</script>");
  server.AddPage("/after", "<title>After</title>");
  WebEngineSession session(std::nullopt, 300);
  EXPECT_EQ(session.MemoryLimitMb(), 300u);
  KeyFileSettings settings(dir.File("settings.ini"));
  auto engine = MakeWebKitEngine(session, {.settings = settings});
  Gtk::Window window;
  window.set_child(engine->Widget());
  window.present();
  std::string status;
  engine->StatusTextChange.connect([&](const std::string& text) { status = text; });
  ASSERT_TRUE(engine->Navigate(server.Url("/hungry")));
  EXPECT_TRUE(test::PumpUntil([&] { return engine->LocationName() == "Page stopped"; }, 30000));
  EXPECT_EQ(status, "The page stopped: it used more memory than it may");
  ASSERT_TRUE(engine->Navigate(server.Url("/after")));
  EXPECT_TRUE(test::PumpUntil([&] { return engine->LocationName() == "After"; }, 10000));
  window.unset_child();
}

TEST(WebEngineSession, WebProcessesMayUseAQuarterOfTheMemoryAtMost) {
  const unsigned limit = WebEngineSession::WebProcessMemoryLimitMb();
  const auto machineMb = static_cast<unsigned long long>(sysconf(_SC_PHYS_PAGES)) *
                         static_cast<unsigned long long>(sysconf(_SC_PAGESIZE)) / (1024 * 1024);
  EXPECT_LE(limit, std::max<unsigned long long>(machineMb / 4, 512));
  EXPECT_GE(limit + 1, machineMb / 4);
  EXPECT_GE(limit, 512u);
}

}  // namespace
}  // namespace tarravelle

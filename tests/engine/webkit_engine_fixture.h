#pragma once
// A WebKitGTK engine in a window of its own, with the events it raises logged, against pages of
// a local web server.
#include <gtest/gtest.h>
#include <gtkmm/window.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/webkit_engine.h"
#include "favorites/folder_pages.h"
#include "platform/history_store.h"
#include "platform/key_file_settings.h"
#include "support/local_web_server.h"
#include "support/main_loop.h"
#include "support/temp_dir.h"

namespace tarravelle {

class WebKitEngineTest : public testing::Test {
 protected:
  WebKitEngineTest()
      : session_(std::nullopt),
        settings_(dir_.File("settings.ini")),
        history_(dir_.File("history.sqlite")),
        folderPages_(&history_),
        engine_(MakeWebKitEngine(session_, {.settings = settings_,
                                            .history = &history_,
                                            .folderPages = &folderPages_,
                                            .settingsFile = dir_.File("settings.ini"),
                                            .downloadFolder = dir_.File("Downloads"),
                                            .notifications = &notices_})) {
    window_.set_default_size(640, 480);
    window_.set_child(engine_->Widget());
    window_.present();
    auto& e = *engine_;
    e.DownloadBegin.connect([this] { log_.push_back("DownloadBegin"); });
    e.DownloadComplete.connect([this] { log_.push_back("DownloadComplete"); });
    e.ProgressChange.connect([this](int p, int max) {
      log_.push_back("Progress " + std::to_string(p) + "/" + std::to_string(max));
    });
    e.StatusTextChange.connect(
        [this](const std::string& text) { log_.push_back("Status " + text); });
    e.TitleChange.connect([this](const std::string& text) { log_.push_back("Title " + text); });
    e.NavigateComplete2.connect([this](const EngineFrame&, const std::string& url) {
      log_.push_back("NavigateComplete2 " + url);
    });
    e.DocumentComplete.connect([this](const EngineFrame&, const std::string& url) {
      log_.push_back("DocumentComplete " + url);
      ++completed_;
    });
    e.NewWindow2.connect([this](NewWindowRequest& request) {
      log_.push_back("NewWindow2 " + request.url);
      request.Cancel = cancelNewWindows_;
    });
  }

  ~WebKitEngineTest() override { window_.unset_child(); }

  // Loads an address and waits until the engine reports the document complete.
  void Load(const std::string& address) {
    const int before = completed_;
    ASSERT_TRUE(engine_->Navigate(address));
    ASSERT_TRUE(test::PumpUntil([&] { return completed_ > before; }));
  }

  void WaitForNextDocument(const std::function<bool()>& operation) {
    const int before = completed_;
    ASSERT_TRUE(operation());
    ASSERT_TRUE(test::PumpUntil([&] { return completed_ > before; }));
  }

  WebKitWebView* View() { return WEBKIT_WEB_VIEW(engine_->Widget().get_first_child()->gobj()); }

  // The page's title once it has become `title`.
  bool TitleBecomes(const std::string& title) {
    // Generous: the machine may be busy with other tests side by side.
    return test::PumpUntil([&] { return engine_->LocationName() == title; }, 15000);
  }

  template <typename Window>
  Window* OpenWindow() {
    for (auto* window : Gtk::Window::list_toplevels()) {
      if (auto* found = dynamic_cast<Window*>(window); found && found->get_visible()) return found;
    }
    return nullptr;
  }

  size_t IndexOf(const std::string& prefix) const {
    auto found = std::find_if(log_.begin(), log_.end(),
                              [&](const std::string& entry) { return entry.starts_with(prefix); });
    return static_cast<size_t>(found - log_.begin());
  }

  // The desktop notifications the engine sent.
  struct RecordedNotices : Notifications {
    void Send(const Notice& notice) override { sent.push_back(notice); }
    std::vector<Notice> sent;
  };

  test::TempDir dir_;
  RecordedNotices notices_;
  test::LocalWebServer server_;
  WebEngineSession session_;
  KeyFileSettings settings_;
  HistoryStore history_;
  FolderPages folderPages_;
  Gtk::Window window_;
  std::unique_ptr<BrowserEngine> engine_;
  std::vector<std::string> log_;
  int completed_ = 0;
  bool cancelNewWindows_ = true;
};

}  // namespace tarravelle

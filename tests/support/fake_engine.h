#pragma once

#include <gtkmm/box.h>

#include <string>
#include <vector>

#include "ports/browser_engine.h"

namespace tarravelle::test {

// An engine that records the operations it is asked for and raises events on demand.
class FakeEngine : public BrowserEngine {
 public:
  Gtk::Widget& Widget() override { return widget_; }
  void Prepare() override { Record("Prepare"); }

  bool Navigate(const std::string& address) override;
  bool Navigate2(const std::vector<std::uint8_t>& itemIdList) override;
  bool GoBack() override { return Record("GoBack"); }
  bool GoForward() override { return Record("GoForward"); }
  bool GoHome() override { return Record("GoHome"); }
  bool Stop() override { return Record("Stop"); }
  bool Refresh() override { return Record("Refresh"); }
  bool ExecWB(EngineCommand command, EngineCommandOption option, std::optional<int> input) override;
  bool SetDocumentDesignMode(const std::string& mode) override;
  bool OpenFind() override { return Record("OpenFind"); }

  std::optional<std::string> LocationURL() const override { return locationURL; }
  std::optional<std::string> LocationName() const override { return locationName; }
  bool Visible() const override { return widget_.get_visible(); }
  void SetVisible(bool visible) override { widget_.set_visible(visible); }
  bool Focus() override;
  bool HasFocus() const override { return focused; }
  int DownloadsRunning() const override { return downloads; }

  // What the engine was asked, in order: "Navigate(http://x)", "GoBack", "ExecWB(12,0)", ...
  std::vector<std::string> calls;
  // Every operation answers this.
  bool accept = true;
  std::optional<std::string> locationURL;
  std::optional<std::string> locationName;
  bool focused = false;
  int downloads = 0;  // running

 private:
  bool Record(std::string call);
  Gtk::Box widget_;
};

}  // namespace tarravelle::test

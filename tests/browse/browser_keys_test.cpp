// The keys of every browser, and Enter inside a page, with a fake engine.
#include "browse/browser_keys.h"

#include <gtest/gtest.h>
#include <gtkmm/shortcuttrigger.h>

#include "support/test_program.h"

namespace tarravelle {
namespace {

using Calls = std::vector<std::string>;

TEST(BrowserKeys, EachKeyRunsItsHandlerOnlyWhenItsButtonOrStateAllows) {
  test::TestProgram test;
  Form1& form = test.ShowMainWindow();
  auto& web = test.Page();
  auto& keys = form.browserKeys();
  const auto run = [&](BrowserKeyAction action) {
    web.calls.clear();
    const bool acted = keys.Run(action);
    return std::pair(acted, web.calls);
  };
  // Back and Forward start disabled, and nothing loads.
  EXPECT_EQ(run(BrowserKeyAction::Back), std::pair(false, Calls{}));
  EXPECT_EQ(run(BrowserKeyAction::Forward), std::pair(false, Calls{}));
  EXPECT_EQ(run(BrowserKeyAction::StopLoading), std::pair(false, Calls{}));
  EXPECT_EQ(run(BrowserKeyAction::Refresh), std::pair(true, Calls{"Refresh"}));

  web.CommandStateChange.emit(EngineCommandState::NavigateBack, true);
  EXPECT_EQ(run(BrowserKeyAction::Back), std::pair(true, Calls{"GoBack"}));
  EXPECT_EQ(run(BrowserKeyAction::Forward), std::pair(false, Calls{}));
  web.CommandStateChange.emit(EngineCommandState::NavigateForward, true);
  EXPECT_EQ(run(BrowserKeyAction::Forward), std::pair(true, Calls{"GoForward"}));
  web.DownloadBegin.emit();
  EXPECT_EQ(run(BrowserKeyAction::StopLoading), std::pair(true, Calls{"Stop"}));

  form.cboURL.get_entry()->set_text("http://typed.example/");
  EXPECT_TRUE(keys.Run(BrowserKeyAction::FocusAddress));
  EXPECT_EQ(form.ActiveControl(), "cboURL");
  int start = 0, end = 0;
  ASSERT_TRUE(form.cboURL.get_entry()->get_selection_bounds(start, end));
  EXPECT_EQ(std::pair(start, end), std::pair(0, 21));

  // Every key of the table is a valid accelerator.
  for (const auto& key : kBrowserKeys) {
    EXPECT_TRUE(Gtk::ShortcutTrigger::parse_string(std::string(key.trigger))) << key.trigger;
  }
}

TEST(BrowserKeys, EnterInsideThePageNeverReachesTheGoButton) {
  test::TestProgram test;
  Form1& form = test.ShowMainWindow();
  test.Page().Focus();
  // On its way into the page the key passes; handed back by the engine it stops at the window.
  EXPECT_FALSE(form.KeepEnterInPage(GDK_KEY_Return, 1000));
  EXPECT_TRUE(form.KeepEnterInPage(GDK_KEY_Return, 1000));
  EXPECT_FALSE(form.KeepEnterInPage(GDK_KEY_KP_Enter, 2000));
  EXPECT_FALSE(form.KeepEnterInPage(GDK_KEY_a, 2000));
  form.cboURL.get_entry()->grab_focus();
  test.Page().focused = false;
  EXPECT_FALSE(form.KeepEnterInPage(GDK_KEY_Return, 3000));
  EXPECT_FALSE(form.KeepEnterInPage(GDK_KEY_Return, 3000));
}

}  // namespace
}  // namespace tarravelle

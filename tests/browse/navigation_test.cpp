// The address bar, navigation buttons, search bar and pop-up switch with a fake engine.
#include <gtest/gtest.h>

#include "browse/address_bar.h"
#include "browse/popup_switch.h"
#include "browse/search_bar.h"
#include "support/main_loop.h"
#include "support/test_program.h"
#include "support/widget_geometry.h"

namespace tarravelle {
namespace {

class NavigationTest : public testing::Test {
 protected:
  NavigationTest() : form_(test_.ShowMainWindow()), web_(test_.Page()) { web_.calls.clear(); }

  std::vector<std::string> ListEntries() {
    std::vector<std::string> entries;
    for (unsigned i = 0; i < form_.cboURL.ItemCount(); ++i) entries.push_back(form_.cboURL.Item(i));
    return entries;
  }

  void Type(const std::string& text) { form_.cboURL.get_entry()->set_text(text); }

  test::TestProgram test_;
  Form1& form_;
  test::FakeEngine& web_;
};

TEST_F(NavigationTest, GoSendsTheAddressAndListsTheTypedText) {
  for (const char* typed : {"www.example.org", "https://example.org", "www.example.org", ""}) {
    Type(typed);
    form_.addressBar().cmdGo_Click();
  }
  // The engine's own fix-up puts "http://" in front of an address without a scheme.
  EXPECT_EQ(web_.calls,
            (std::vector<std::string>{"Navigate(www.example.org)", "Navigate(https://example.org)",
                                      "Navigate(www.example.org)", "Navigate()"}));
  EXPECT_EQ(ListEntries(), (std::vector<std::string>{"www.example.org", "https://example.org",
                                                     "www.example.org", ""}));
  web_.accept = false;
  Type("http:// nowhere");
  form_.cmdGo.Press();
  EXPECT_EQ(ListEntries().back(), "http:// nowhere");
}

// Back and Forward, buttons and View > Go To items, follow the engine's page history alone.
TEST_F(NavigationTest, BackAndForwardAreUsableExactlyWhenThePageHistoryAllows) {
  const auto states = [&] {
    return std::vector<bool>{form_.cmdBack.get_sensitive(), form_.Menu("mnuViewGoToBack").Enabled(),
                             form_.cmdForward.get_sensitive(),
                             form_.Menu("mnuViewGoToForward").Enabled()};
  };
  EXPECT_EQ(states(), (std::vector<bool>{false, false, false, false}));
  Type("example.org");
  form_.cmdGo.Press();
  form_.txtSearch.set_text("query");
  form_.cmdGoogle.Press();
  EXPECT_EQ(states(), (std::vector<bool>{false, false, false, false}));

  web_.CommandStateChange.emit(EngineCommandState::NavigateBack, true);
  EXPECT_EQ(states(), (std::vector<bool>{true, true, false, false}));
  web_.CommandStateChange.emit(EngineCommandState::NavigateForward, true);
  web_.CommandStateChange.emit(EngineCommandState::NavigateBack, false);
  EXPECT_EQ(states(), (std::vector<bool>{false, false, true, true}));
  web_.CommandStateChange.emit(EngineCommandState::NavigateForward, false);
  EXPECT_EQ(states(), (std::vector<bool>{false, false, false, false}));
}

TEST_F(NavigationTest, EachButtonAndMenuItemMakesItsOneEngineCall) {
  web_.CommandStateChange.emit(EngineCommandState::NavigateBack, true);
  web_.CommandStateChange.emit(EngineCommandState::NavigateForward, true);
  web_.calls.clear();
  form_.cmdBack.Press();
  form_.Menu("mnuViewGoToBack").Click();
  form_.cmdForward.Press();
  form_.cmdStop.Press();
  form_.cmdRefresh.Press();
  form_.cmdHome.Press();
  form_.Menu("mnuViewGoToForward").Click();
  form_.Menu("mnuViewGoToHome").Click();
  form_.Menu("mnuViewRefresh").Click();
  form_.Menu("mnuViewStop").Click();  // has no action
  EXPECT_EQ(web_.calls,
            (std::vector<std::string>{"GoBack", "GoBack", "GoForward", "Stop", "Refresh", "GoHome",
                                      "GoForward", "GoHome", "Refresh"}));
}

TEST_F(NavigationTest, WorkOfflineWarnsOncePerKeyButNeverForEnter) {
  form_.Menu("mnuFileWorkOffline").Click();
  ASSERT_TRUE(form_.Menu("mnuFileWorkOffline").Checked());
  for (int i = 0; i < 5; ++i) form_.addressBar().cboURL_KeyDown();
  ASSERT_EQ(test_.prompts.asked.size(), 5u);
  EXPECT_EQ(test_.prompts.asked[0].text,
            "WorkOffline Option is Enabled, Please Disable to continue");
  EXPECT_EQ(test_.prompts.asked[0].title, "WorkOffline");
  EXPECT_EQ(test_.prompts.asked[0].icon, MsgIcon::Information);
  // Enter goes to the Go button, which still navigates, without a warning.
  ASSERT_TRUE(test::PumpUntil([&] { return form_.get_mapped(); }));
  Type("example.org");
  test::PressEnterIn(*form_.cboURL.get_entry());
  ASSERT_TRUE(test::PumpUntil([&] { return !web_.calls.empty(); }, 3000));
  EXPECT_EQ(web_.calls.back(), "Navigate(example.org)");
  EXPECT_EQ(test_.prompts.asked.size(), 5u);
  form_.Menu("mnuFileWorkOffline").Click();
  EXPECT_FALSE(form_.Menu("mnuFileWorkOffline").Checked());
  form_.addressBar().cboURL_KeyDown();
  EXPECT_EQ(test_.prompts.asked.size(), 5u);
}

TEST_F(NavigationTest, EveryKeyInTheAddressBarEmptiesTheSearchBox) {
  form_.txtSearch.set_text("pending query");
  form_.addressBar().cboURL_KeyDown();
  EXPECT_EQ(std::string(form_.txtSearch.get_text()), "");
  EXPECT_TRUE(test_.prompts.asked.empty());
}

// Pasted, dropped or typed: a text the address field cannot hold whole is refused whole, and
// said, rather than cut to an address the person never gave.
TEST_F(NavigationTest, AnAddressTooLongForTheFieldIsRefusedWholeAndSaid) {
  auto* entry = form_.cboURL.get_entry();
  Type("http://kept.example/");
  entry->select_region(0, -1);
  for (const std::size_t length : {std::size_t{70000}, std::size_t{1} << 20}) {
    const std::string text = "http://long.example/" + std::string(length, 'x');
    int position = entry->get_text_length();
    entry->insert_text(text, static_cast<int>(text.size()), position);
    EXPECT_EQ(std::string(entry->get_text()), "http://kept.example/");
    EXPECT_NE(std::string(form_.lblStatus.get_text()).find(std::to_string(text.size())),
              std::string::npos)
        << form_.lblStatus.get_text();
  }
  // The longest address the field holds goes in whole.
  const std::string longest(AddressBar::kLongestAddress, 'y');
  Type("");
  int position = 0;
  entry->insert_text(longest, static_cast<int>(longest.size()), position);
  EXPECT_EQ(std::string(entry->get_text()), longest);
}

TEST_F(NavigationTest, PopupSwitchFlipsCaptionLabelAndDecision) {
  NewWindowRequest request;
  form_.wWeb->NewWindow2.emit(request);
  EXPECT_TRUE(request.Cancel);
  EXPECT_EQ(std::string(form_.lblcaption2.get_text()), "Popups NOT Allowed -");

  form_.cmdPopups.Press();
  EXPECT_EQ(form_.cmdPopups.Caption(), "Pop-ups Enabled");
  EXPECT_EQ(std::string(form_.lblcaption2.get_text()), "Allowing Popups");
  NewWindowRequest allowed;
  form_.wWeb->NewWindow2.emit(allowed);
  EXPECT_FALSE(allowed.Cancel);

  form_.cmdPopups.Press();
  EXPECT_EQ(form_.cmdPopups.Caption(), "Pop-ups Disabled");
  EXPECT_EQ(std::string(form_.lblcaption2.get_text()), "Popups NOT Allowed");
  NewWindowRequest blocked{.url = "http://pop.example/up"};
  form_.wWeb->NewWindow2.emit(blocked);
  EXPECT_TRUE(blocked.Cancel);
  EXPECT_EQ(std::string(form_.lblStatus.get_text()), "Pop-up blocked: http://pop.example/up");

  // The caption is compared exactly: any other text counts as allowing, and the next click blocks.
  form_.cmdPopups.SetCaption("pop-ups disabled");
  NewWindowRequest other;
  form_.wWeb->NewWindow2.emit(other);
  EXPECT_FALSE(other.Cancel);
  form_.cmdPopups.Press();
  EXPECT_EQ(form_.cmdPopups.Caption(), "Pop-ups Disabled");
}

TEST_F(NavigationTest, SearchLoadsTheResultPageAndKeepsTheQuery) {
  form_.txtSearch.set_text("AT&T");
  form_.cmdGoogle.Press();
  EXPECT_EQ(web_.calls,
            std::vector<std::string>{"Navigate(https://www.google.com/search?q=AT%26T)"});
  EXPECT_EQ(std::string(form_.txtSearch.get_text()), "AT&T");
  EXPECT_TRUE(ListEntries().empty());
  EXPECT_EQ(std::string(form_.cboURL.get_entry()->get_text()), "");
  form_.addressBar().cboURL_KeyDown();
  EXPECT_EQ(std::string(form_.txtSearch.get_text()), "");
}

TEST_F(NavigationTest, EnterInTheSearchBoxSearchesWhetherOrNotTheAddressBarIsShown) {
  ASSERT_TRUE(test::PumpUntil([&] { return form_.get_mapped(); }));
  Type("example.org");
  form_.txtSearch.set_text("query");
  test::PressEnterIn(form_.txtSearch);
  ASSERT_TRUE(test::PumpUntil([&] { return !web_.calls.empty(); }, 3000));
  EXPECT_EQ(web_.calls,
            std::vector<std::string>{"Navigate(https://www.google.com/search?q=query)"});

  form_.cboURL.set_visible(false);
  form_.cmdGo.set_visible(false);
  test::PressEnterIn(form_.txtSearch);
  ASSERT_TRUE(test::PumpUntil([&] { return web_.calls.size() == 2; }, 3000));
}

}  // namespace
}  // namespace tarravelle

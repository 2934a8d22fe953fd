// The colour theme and the bar switches of a main window, with a scripted colour chooser.
#include <gtest/gtest.h>

#include "browse/popup_switch.h"
#include "look/bar_toggles.h"
#include "look/colour_theme.h"
#include "support/test_program.h"

namespace tarravelle {
namespace {

// The rule a window's style sheet gives a control's background, or nothing.
std::string Background(Form1& form, const std::string& control) {
  const std::string& css = form.look.Css();
  const std::string selector = "." + form.LookScope() + " #" + control;
  auto at = css.find(selector + " {");
  if (at == std::string::npos) at = css.find(selector + " entry {");  // the combo box's field
  if (at == std::string::npos) return {};
  const auto rule = css.find("background-color: ", at);
  if (rule == std::string::npos || rule > css.find('}', at)) return {};
  return css.substr(rule + 18, 7);
}

TEST(ColourTheme, PaintsTheChosenOrHeldColourBehindTheThemedControlsOfOneWindowOnly) {
  test::TestProgram test;
  Form1& form = test.ShowMainWindow();
  Form1& other = test.ShowMainWindow();
  const std::string designCss = other.look.Css();

  // Cancelled at first use: the chooser's black is painted, green buttons included.
  form.Menu("mnuToolsChangeTheme").Click();
  EXPECT_EQ(Background(form, "cmdBack"), "#000000");
  test.prompts.colourAnswers = {0x123456u, std::nullopt};
  form.Menu("mnuToolsChangeTheme").Click();
  // Cancelled after a confirm: the earlier colour again.
  form.Menu("mnuToolsChangeTheme").Click();
  EXPECT_EQ(form.colourTheme().DialogColour(), 0x123456u);
  for (const auto name : kThemedControls) {
    EXPECT_EQ(Background(form, std::string(name)), "#123456") << name;
  }
  EXPECT_NE(form.look.Css().find(".form-area { background-color: #123456"), std::string::npos);
  EXPECT_EQ(Background(form, "cmdCloseFavs"), "#FF0000");
  EXPECT_EQ(Background(form, "txtSearch"), "");
  EXPECT_EQ(form.look.Css().find("color: #123456; caret"), std::string::npos);  // texts keep theirs
  EXPECT_EQ(other.look.Css(), designCss);
  EXPECT_EQ(test.prompts.asked.size(), 3u);
}

TEST(BarToggles, EachSwitchHidesAndShowsItsGroupKeepingStatesAndTexts) {
  test::TestProgram test;
  Form1& form = test.ShowMainWindow();
  form.cmdBack.set_sensitive(true);
  form.txtSearch.set_text("kept query");
  const std::pair<const char*, std::vector<Gtk::Widget*>> switches[] = {
      {"mnuStandardButtons",
       {&form.cmdBack, &form.cmdForward, &form.cmdStop, &form.cmdHome, &form.cmdRefresh,
        &form.cmdPrint, &form.cmdMail, &form.cmdPopups}},
      {"mnuAddressBar", {&form.lblAddress, &form.cboURL, &form.cmdGo}},
      {"mnuGooglebar", {&form.cmdGoogle, &form.txtSearch}},
  };
  for (const auto& [name, group] : switches) {
    auto& item = form.MenuNamed(name);
    item.Click();
    EXPECT_FALSE(item.Checked()) << name;
    for (auto* control : group) EXPECT_FALSE(control->get_visible()) << name;
  }
  EXPECT_TRUE(form.wWeb->Visible());

  // Hidden, the pop-up switch still acts on its caption and the address bar still follows.
  form.popupSwitch().cmdPopups_Click();
  NewWindowRequest request;
  form.wWeb->NewWindow2.emit(request);
  EXPECT_FALSE(request.Cancel);
  test.Page().locationURL = "http://followed.example/";
  form.wWeb->DocumentComplete.emit(EngineFrame{}, "http://followed.example/");

  for (const auto& [name, group] : switches) {
    auto& item = form.MenuNamed(name);
    item.Click();
    EXPECT_TRUE(item.Checked()) << name;
    for (auto* control : group) EXPECT_TRUE(control->get_visible()) << name;
  }
  EXPECT_TRUE(form.cmdBack.get_sensitive());
  EXPECT_FALSE(form.cmdForward.get_sensitive());
  EXPECT_EQ(form.cmdPopups.Caption(), "Pop-ups Enabled");
  EXPECT_EQ(std::string(form.txtSearch.get_text()), "kept query");
  EXPECT_EQ(std::string(form.cboURL.get_entry()->get_text()), "http://followed.example/");

  // One window's switches never reach another's bars.
  Form1& other = test.ShowMainWindow();
  form.Menu("mnuGooglebar").Click();
  EXPECT_TRUE(other.txtSearch.get_visible());
}

}  // namespace
}  // namespace tarravelle

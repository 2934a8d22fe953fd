// The about and testers dialogs over a main window with fakes.
#include <gtest/gtest.h>

#include "dialogs/about_dialog.h"
#include "dialogs/help_about.h"
#include "launch/launchers.h"
#include "support/main_loop.h"
#include "support/test_program.h"

namespace tarravelle {
namespace {

class AboutTest : public testing::Test {
 protected:
  AboutTest() : form_(test_.ShowMainWindow()) {}

  frmTesters& OpenAbout() {
    form_.Menu("mnuHelpAbout").Click();
    return *form_.helpAbout().About();
  }

  test::TestProgram test_;
  Form1& form_;
};

TEST_F(AboutTest, EachDialogDisablesTheWindowBelowUntilItsOkOrTitleBarClose) {
  for (const bool titleBar : {false, true}) {
    SCOPED_TRACE(titleBar ? "closed from the title bar" : "closed with OK");
    frmTesters& about = OpenAbout();
    EXPECT_TRUE(about.get_visible());
    EXPECT_FALSE(form_.get_sensitive());
    about.Command1.activate();  // buttons click a moment after they are activated
    ASSERT_TRUE(test::PumpUntil([&] { return about.Testers() != nullptr; }, 3000));
    EXPECT_FALSE(about.get_sensitive());
    if (titleBar) {
      about.Testers()->close();
    } else {
      about.Testers()->Command1_Click();
    }
    EXPECT_TRUE(about.get_sensitive());
    EXPECT_FALSE(form_.get_sensitive());
    if (titleBar) {
      about.close();
    } else {
      about.cmdOk_Click();
    }
    EXPECT_TRUE(form_.get_sensitive());
    EXPECT_EQ(form_.helpAbout().About(), nullptr);
    test::PumpFor(20);
  }
}

TEST_F(AboutTest, TextsSendTheFocusToOkAndTypingCannotChangeTheTesters) {
  frmTesters& about = OpenAbout();
  about.Text1_Click();
  EXPECT_TRUE(about.cmdOk.has_focus() || about.get_focus() == &about.cmdOk);
  about.Command1_Click();
  frmTestr& testers = *about.Testers();
  testers.Text1.get_buffer()->set_text("typed over");
  testers.Text1_KeyDown();
  EXPECT_EQ(std::string(testers.Text1.get_buffer()->get_text()), TestersText());
  EXPECT_EQ(testers.get_focus(), &testers.Command1);
  testers.Command1_Click();
}

TEST_F(AboutTest, EmailWritesToTheMakerMinimisedAndLeavesTheDialogOpen) {
  frmTesters& about = OpenAbout();
  test_.shell.result = {false, "no mail program"};
  about.cmdEmail_Click();
  ASSERT_EQ(test_.shell.started.size(), 1u);
  EXPECT_EQ(test_.shell.started[0].first, std::string("explorer mailto:") + kAuthorAddress);
  EXPECT_EQ(test_.shell.started[0].second, WindowStyle::MinimizedFocus);
  EXPECT_TRUE(about.get_visible());
  EXPECT_TRUE(test_.prompts.asked.empty());
  about.cmdOk_Click();
}

TEST(AboutTexts, VersionFirstAndSixTestersThenTwo) {
  EXPECT_TRUE(AboutText().starts_with("Version 1.0.0\nTarravelle(TM)\n"));
  const std::string testers = TestersText();
  const auto firstLine = testers.substr(0, testers.find('\n') + 1);
  const auto secondLine = testers.substr(firstLine.size());
  const auto names = [](const std::string& line) {
    size_t count = 0;
    for (size_t at = line.find(", "); at != std::string::npos; at = line.find(", ", at + 2)) {
      ++count;
    }
    return count;
  };
  EXPECT_EQ(names(firstLine), 6u);
  EXPECT_EQ(names(secondLine), 2u);
  EXPECT_TRUE(firstLine.ends_with(", \n"));
  EXPECT_TRUE(secondLine.ends_with(", \n"));
}

}  // namespace
}  // namespace tarravelle
